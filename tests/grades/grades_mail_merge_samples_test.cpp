// The demo folder's letters filled from its list, as a teacher tries them first.
#include <algorithm>

#include "base/encoding.h"
#include "base/files.h"
#include "base/numbers.h"
#include "csvlist/layout.h"
#include "grades_mail_merge_fixture.h"

namespace korvale {
namespace {

const Path kSamples = KORVALE_SAMPLES;

class SampleLettersTest : public MailMergeTest {
 protected:
  void SetUp() override {
    const auto bytes = readFileBytes(kSamples + "/demodat.csv");
    ASSERT_TRUE(bytes);
    const Lines lines = splitLines(decodeCp1252(*bytes));
    ASSERT_EQ(lines.size(), 26u);
    // The display formatting declared the column widths.
    loadList(lines, columnWidths(lines, ';'));
    for (std::size_t i = 1; i < lines.size(); ++i) records.push_back(trimmedSplit(lines[i], ';'));
  }

  void loadSample(const std::string& name) {
    dialogs.file(kSamples.join(Path(name)));
    auto& w = window();
    loadTemplateCommand(w);
    ASSERT_TRUE(state.templateInEditor);
    ASSERT_EQ(fileLabel, U"Datei: " + fromUtf8(name));
    dialogs.shown.clear();
  }

  std::vector<Lines>
      records;  // 1 Nummer, 2 Zuname, 3 Vorname, 5 Ort, 6 Geburt, 7 Gewicht, 8 Groesse
};

TEST_F(SampleLettersTest, InvitationOnePagePerPerson) {
  loadSample("sbrief1.rtf");
  const RichText letterTemplate = editor.richText();
  preview(false, true);

  const RichText shown = editor.richText();
  std::vector<Lines> pages(1);
  std::vector<std::size_t> pageStarts = {0};
  std::size_t offset = 0;
  for (const Text& line : shown.lines()) {
    offset += line.size() + 1;
    if (line == U"\xB6") {
      pages.emplace_back();
      pageStarts.push_back(offset);
    } else {
      pages.back().push_back(line);
    }
  }
  ASSERT_TRUE(pages.back().empty());
  pages.pop_back();
  ASSERT_EQ(pages.size(), records.size());

  const std::size_t titleInTemplate = letterTemplate.text.find(U"Einladung");
  ASSERT_NE(titleInTemplate, Text::npos);
  for (std::size_t r = 0; r < records.size(); ++r) {
    const Lines& page = pages[r];
    const Lines& record = records[r];
    ASSERT_GE(page.size(), 10u);
    EXPECT_EQ(page[0], record[2] + U" " + record[1]);
    EXPECT_EQ(page[1], record[4]);
    EXPECT_EQ(page[6], U"Liebe(r) " + record[2] + U" " + record[1] + U",");
    EXPECT_NE(page[8].find(U"Geburtsdatum " + record[5] + U" und dem Wohnort " + record[4]),
              Text::npos);
    EXPECT_NE(page[8].find(record[6] +
                           U" kg bei einer K\xF6rpergr\xF6\xDF"
                           "e von " +
                           record[7] + U" cm."),
              Text::npos);
    // The title keeps its bold 14 points in every letter.
    const std::size_t title = shown.text.find(U"Einladung", pageStarts[r]);
    EXPECT_EQ(shown.formatAt(title), letterTemplate.formatAt(titleInTemplate));
    EXPECT_TRUE(shown.formatAt(title).bold);
    EXPECT_EQ(shown.formatAt(pageStarts[r]), letterTemplate.formatAt(0));
  }

  auto& w = window();
  previewCommand(w);
  EXPECT_EQ(editor.richText(), letterTemplate);
}

TEST_F(SampleLettersTest, ComputedFieldOneLinePerPerson) {
  loadSample("sbrief4.rtf");
  ASSERT_EQ(editor.lines(), Lines{U"<F2> <F3>:  <F8> - 100 - <F7> = {<F8>-100-<F7>}"});
  preview(true, true);
  Lines expected;
  for (const Lines& record : records) {
    const double difference = readNumber(record[7]).value() - 100 - readNumber(record[6]).value();
    expected.push_back(record[1] + U" " + record[2] + U":  " + record[7] + U" - 100 - " +
                       record[6] + U" = " + formatFixed(difference, 2));
  }
  EXPECT_EQ(editor.lines(), expected);
}

TEST_F(SampleLettersTest, PaddedValuesLineUpInColumns) {
  loadSample("sbrief4.rtf");
  preview(true, false);
  const Lines lines = editor.lines();
  ASSERT_EQ(lines.size(), records.size());
  const std::size_t colon = lines[0].find(':');
  for (const Text& line : lines) EXPECT_EQ(line.find(':'), colon) << toUtf8(line);
  EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](const Text& line) {
    return line.find('{') == Text::npos && line.find('<') == Text::npos;
  }));
}

}  // namespace
}  // namespace korvale
