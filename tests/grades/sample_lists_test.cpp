// The sample lists the program writes at start open as what they are meant to show.
#include "app/samples/sample_files.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

std::string sampleBytes(const std::string& name) {
  for (const SampleFile& file : sampleFiles())
    if (name == file.name) return std::string(reinterpret_cast<const char*>(file.data), file.size);
  ADD_FAILURE() << "no sample " << name;
  return std::string();
}

TEST_F(GradesEditorTest, SampleListsOpenWithTheirHeadersAndRecords) {
  struct Row {
    const char* name;
    Text header;
    int records;
    bool schoolMarks, supplementary;
  } rows[] = {
      {"demodat.csv", U"Nummer;Zuname;Vorname;Sex;Ort;Geburt;Gewicht;Groesse;Wert;", 25, false,
       false},
      {"mediadat.csv", U"INDEX;ZUNAME;VORNAME;IMAGE;AUDIO;VIDEO;DOCU;", 25, false, false},
      {"noten5a.csv", U"NAMEN;REL;DEU;ENG;LAT;FRA;GEO;GES;MAT;BIO;MUS;BIL;PHY;INF;LÜK;LÜM;", 20,
       true, false},
      {"noten5a+.csv", U"NAMEN;REL;DEU;ENG;LAT;FRA;GEO;GES;MAT;BIO;MUS;BIL;PHY;INF;LÜK;LÜM;ZUSATZ;",
       20, true, true},
  };
  for (const Row& r : rows) {
    openList(write(r.name, sampleBytes(r.name)));
    ASSERT_TRUE(grades.databaseLoaded()) << r.name;
    EXPECT_EQ(grades.list().loadedHeader, r.header) << r.name;
    EXPECT_EQ(grades.list().table.recordCount(), r.records) << r.name;
    EXPECT_EQ(grades.list().table.schoolMarks, r.schoolMarks) << r.name;
    EXPECT_EQ(grades.list().table.supplementaryColumn, r.supplementary) << r.name;
    // Shown as a table: header, records, end marker.
    EXPECT_EQ(editor.lineCount(), r.records + 2) << r.name;
    EXPECT_EQ(editor.line(editor.lineCount() - 1), U"#") << r.name;
  }
}

}  // namespace
}  // namespace korvale
