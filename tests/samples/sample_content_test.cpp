// What the other windows rely on in the sample files: list headers and record counts, the
// placeholders of the letters, and media files of the stated kinds.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "app/samples/sample_files.h"
#include "base/encoding.h"
#include "base/files.h"
#include "base/text_routines.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

std::string sampleBytes(const std::string& name) {
  for (const SampleFile& file : sampleFiles())
    if (name == file.name) return std::string(reinterpret_cast<const char*>(file.data), file.size);
  ADD_FAILURE() << "no sample " << name;
  return std::string();
}

// The lists and letters are code page 1252.
Text sample(const std::string& name) {
  return decodeCp1252(sampleBytes(name));
}

std::vector<Text> lines(const std::string& name) {
  return splitLines(sample(name));
}

// Every line ends with CR LF, the last one included.
void expectCrLfLines(const Text& text) {
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(endsWith(text, U"\r\n"));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << i;
    }
  }
}

bool isMark(const Text& field) {
  return field.size() == 1 && Text(U"012345a").find(field[0]) != Text::npos;
}

struct ListCase {
  const char* name;
  Text header;
  std::size_t records;
};

TEST(SampleLists, HeadersRecordsAndLineEnds) {
  const ListCase cases[] = {
      {"demodat.csv", U"Nummer;Zuname;Vorname;Sex;Ort;Geburt;Gewicht;Groesse;Wert;", 25},
      {"mediadat.csv", U"INDEX;ZUNAME;VORNAME;IMAGE;AUDIO;VIDEO;DOCU;", 25},
      {"noten5a.csv", U"NAMEN;REL;DEU;ENG;LAT;FRA;GEO;GES;MAT;BIO;MUS;BIL;PHY;INF;LÜK;LÜM;", 20},
      {"noten5a+.csv", U"NAMEN;REL;DEU;ENG;LAT;FRA;GEO;GES;MAT;BIO;MUS;BIL;PHY;INF;LÜK;LÜM;ZUSATZ;",
       20},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    expectCrLfLines(sample(c.name));
    const std::vector<Text> all = lines(c.name);
    ASSERT_EQ(all.size(), c.records + 1);
    EXPECT_EQ(all[0], c.header);
    const std::size_t fields = trimmedSplit(c.header, ';').size();
    for (std::size_t i = 1; i < all.size(); ++i) {
      EXPECT_EQ(trimmedSplit(all[i], ';').size(), fields) << toUtf8(all[i]);
      EXPECT_TRUE(endsWith(all[i], U";")) << toUtf8(all[i]);
      EXPECT_EQ(all[i].find('#'), Text::npos) << "the end marker belongs to the editor";
    }
  }
  EXPECT_EQ(lines("noten5a.csv")[0].substr(58), U"L\xDCK;L\xDCM;");
}

// dd.mm.yyyy
bool isDate(const Text& text) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return false;
  for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (text[i] < '0' || text[i] > '9') return false;
  const int day = std::atoi(toUtf8(text.substr(0, 2)).c_str());
  const int month = std::atoi(toUtf8(text.substr(3, 2)).c_str());
  return day >= 1 && day <= 31 && month >= 1 && month <= 12 &&
         (startsWith(text.substr(6), U"19") || startsWith(text.substr(6), U"20"));
}

TEST(SampleLists, DemoDataComputes) {
  const std::vector<Text> all = lines("demodat.csv");
  for (std::size_t i = 1; i < all.size(); ++i) {
    SCOPED_TRACE(toUtf8(all[i]));
    const std::vector<Text> f = trimmedSplit(all[i], ';');
    ASSERT_EQ(f.size(), 9u);
    EXPECT_EQ(toUtf8(f[0]), std::to_string(i));
    EXPECT_TRUE(f[3] == U"w" || f[3] == U"m");
    EXPECT_TRUE(isDate(f[5]));
    // Weight and height feed "(<F8>-<F7>)-100" and the computed field of sbrief4.rtf.
    const int weight = std::atoi(toUtf8(f[6]).c_str());
    const int height = std::atoi(toUtf8(f[7]).c_str());
    EXPECT_EQ(std::to_string(weight), toUtf8(f[6]));
    EXPECT_EQ(std::to_string(height), toUtf8(f[7]));
    EXPECT_TRUE(weight >= 40 && weight <= 120 && height >= 140 && height <= 210);
  }
  EXPECT_EQ(sample("replace_01.rep"), U"(<F8>-<F7>)-100\r\n");
}

TEST(SampleLists, MediaFieldsNameSampleFiles) {
  using Media = std::vector<Text>;  // IMAGE, AUDIO, VIDEO, DOCU
  const std::map<std::size_t, Media> expected = {
      {1, {U"foto1.jpg", U"tonspur3.mp3", U"", U"mappe1.rtf"}},
      {2, {U"", U"tonspur2.mp3", U"", U""}},
      {7, {U"", U"gedicht.mp3", U"", U"gedicht.pdf"}},
      {14, {U"foto2.jpg", U"", U"schi.wmv", U""}},
      {25, {U"foto3.jpg", U"tonspur1.mp3", U"", U"mappe2.rtf"}},
  };
  const std::vector<Text> all = lines("mediadat.csv");
  const std::vector<Text> first = plainSplit(all[1], ';');
  for (std::size_t i = 1; i < all.size(); ++i) {
    SCOPED_TRACE(toUtf8(all[i]));
    const std::vector<Text> raw = plainSplit(all[i], ';');
    ASSERT_EQ(raw.size(), 7u);
    for (std::size_t k = 0; k < raw.size(); ++k) EXPECT_EQ(raw[k].size(), first[k].size());
    EXPECT_EQ(toUtf8(trim(raw[0])), std::to_string(i));
    const Media media(raw.begin() + 3, raw.end());
    const auto it = expected.find(i);
    const Media want = it == expected.end() ? Media(4, U"") : it->second;
    Media got;
    for (const Text& field : media) got.push_back(trim(field));
    EXPECT_EQ(got, want);
    for (const Text& name : got)
      if (!name.empty()) {
        EXPECT_FALSE(sample(toUtf8(name)).empty());
      }
  }
}

TEST(SampleLists, GradesTabelleAndSupplementaryColumn) {
  const std::vector<Text> plain = lines("noten5a.csv");
  const std::vector<Text> plus = lines("noten5a+.csv");
  const std::vector<Text> table = lines("tabelle.txt");
  expectCrLfLines(sample("tabelle.txt"));
  ASSERT_EQ(table.size(), 21u);
  EXPECT_EQ(table.back(), U"#");
  ASSERT_EQ(plus.size(), plain.size());
  for (std::size_t i = 1; i < plain.size(); ++i) {
    SCOPED_TRACE(toUtf8(plain[i]));
    const std::vector<Text> f = trimmedSplit(plain[i], ';');
    ASSERT_EQ(f.size(), 16u);
    // "SURNAME Firstname", padded: text, so the list reads as a list of school marks.
    const std::size_t blank = f[0].find(' ');
    ASSERT_NE(blank, Text::npos);
    EXPECT_EQ(upperAscii(f[0].substr(0, blank)), f[0].substr(0, blank));
    EXPECT_NE(upperAscii(f[0].substr(blank)), f[0].substr(blank));
    EXPECT_EQ(plainSplit(plain[i], ';')[0].size(), plainSplit(plain[1], ';')[0].size());
    Text marks;
    for (std::size_t k = 1; k < f.size(); ++k) {
      EXPECT_TRUE(isMark(f[k])) << k;
      if (i == 1) {
        EXPECT_NE(f[k], U"a") << "the first record decides the field types";
      }
      marks += (k > 1 ? U";" : U"") + f[k];
    }
    EXPECT_EQ(table[i - 1], marks);
    // noten5a+ is the same list with one more field, a short text.
    ASSERT_TRUE(startsWith(plus[i], plain[i]));
    const Text extra = plus[i].substr(plain[i].size());
    EXPECT_TRUE(endsWith(extra, U";"));
    EXPECT_FALSE(trim(extra.substr(0, extra.size() - 1)).empty());
    EXPECT_EQ(extra.find(';'), extra.size() - 1);
  }
}

// The placeholders of a template: "F2", "N3", ... as written.
std::set<std::string> placeholders(const Text& text) {
  std::set<std::string> found;
  for (std::size_t open = text.find('<'); open != Text::npos; open = text.find('<', open + 1)) {
    std::size_t end = open + 2;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end < text.size() && end > open + 2 && text[end] == '>' &&
        (text[open + 1] == 'F' || text[open + 1] == 'N'))
      found.insert(toUtf8(text.substr(open + 1, end - open - 1)));
  }
  return found;
}

// Braces that group, not the escaped ones that stand for themselves, must pair up.
bool bracesBalance(const Text& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}' && --depth < 0) {
      return false;
    }
  }
  return depth == 0;
}

struct LetterCase {
  const char* name;
  std::set<std::string> placeholders;
  std::vector<Text> inOrder;  // texts that must appear in this order
  int computedFields;
};

TEST(SampleLetters, CleanRtfWithTheirPlaceholders) {
  const LetterCase cases[] = {
      {"sbrief1.rtf", {"F2", "F3", "F5", "F6", "F7", "F8"}, {}, 0},
      {"sbrief2.rtf", {"F2", "F3", "F6"}, {U"\r\n<F2> <F3>\\par\r\n<F6>\\par\r\n"}, 0},
      {"sbrief3.rtf",
       {"N2", "N3", "N4", "N5", "N6", "N7", "N8", "F2", "F3", "F4", "F5", "F6", "F7", "F8"},
       {U"\r\n--------------------",
        U"\r\n<N2>: <F2>\\par\r\n<N3>: <F3>\\par\r\n<N4>: <F4>\\par\r\n"
        "<N5>: <F5>\\par\r\n<N6>: <F6>\\par\r\n<N7>: <F7>\\par\r\n"
        "<N8>: <F8>\\par\r\n--------------------"},
       0},
      {"sbrief5a.rtf", {"F1"}, {}, 0},
      {"sbrief4.rtf",
       {"F2", "F3", "F7", "F8"},
       {U"<F2> <F3>:  <F8> - 100 - <F7> = \\{<F8>-100-<F7>\\}"},
       1},
      {"mathe.rtf", {"F1", "F2", "F4", "F5"}, {U"Vier Mathematik-Beispiele", U"<F1>"}, 1},
      {"mappe1.rtf", {}, {}, 0},
      {"mappe2.rtf", {}, {}, 0},
  };
  for (const LetterCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Text rtf = sample(c.name);
    expectCrLfLines(rtf);
    EXPECT_TRUE(startsWith(rtf, U"{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_NE(rtf.find(U"{\\fonttbl{\\f0"), Text::npos);
    EXPECT_NE(rtf.find(U"\\fs"), Text::npos);
    EXPECT_TRUE(endsWith(rtf, U"}\r\n"));
    EXPECT_TRUE(bracesBalance(rtf));
    for (char32_t ch : rtf) EXPECT_LT(ch, 0x80u) << "umlauts go in as \\'xx";
    EXPECT_EQ(placeholders(rtf), c.placeholders);
    std::size_t from = 0;
    for (const Text& part : c.inOrder) {
      from = rtf.find(part, from);
      EXPECT_NE(from, Text::npos) << toUtf8(part);
      if (from == Text::npos) break;
    }
    EXPECT_EQ(countOccurrences(rtf, U"\\{", CaseMode::Exact), c.computedFields);
    EXPECT_EQ(countOccurrences(rtf, U"\\}", CaseMode::Exact), c.computedFields);
  }
}

TEST(SampleLetters, NotesAreAboutTheirRecords) {
  const std::vector<Text> media = lines("mediadat.csv");
  const std::pair<const char*, std::size_t> notes[] = {{"mappe1.rtf", 1}, {"mappe2.rtf", 25}};
  for (const auto& [name, record] : notes) {
    const std::vector<Text> f = trimmedSplit(media[record], ';');
    EXPECT_NE(sample(name).find(f[2] + U" " + f[1]), Text::npos) << name;
  }
}

// The media files themselves, read from their own headers.
std::pair<int, int> jpegSize(const std::string& jpeg) {
  std::size_t i = 2;
  while (i + 9 < jpeg.size() && static_cast<unsigned char>(jpeg[i]) == 0xFF) {
    const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
    const std::size_t length =
        static_cast<unsigned char>(jpeg[i + 2]) * 256u + static_cast<unsigned char>(jpeg[i + 3]);
    if (marker == 0xC0 || marker == 0xC2) {
      const auto at = [&](std::size_t k) { return static_cast<unsigned char>(jpeg[i + k]); };
      return {at(7) * 256 + at(8), at(5) * 256 + at(6)};
    }
    i += 2 + length;
  }
  return {0, 0};
}

TEST(SampleMedia, KindsFromTheirHeaders) {
  const std::pair<const char*, std::pair<int, int>> photos[] = {
      {"foto1.jpg", {358, 300}}, {"foto2.jpg", {584, 480}}, {"foto3.jpg", {640, 480}}};
  for (const auto& [name, size] : photos) {
    const std::string jpeg = sampleBytes(name);
    EXPECT_TRUE(jpeg.starts_with("\xFF\xD8\xFF")) << name;
    EXPECT_EQ(jpegSize(jpeg), size) << name;
  }
  for (const char* name : {"tonspur1.mp3", "tonspur2.mp3", "tonspur3.mp3", "gedicht.mp3"}) {
    const std::string mp3 = sampleBytes(name);
    ASSERT_GE(mp3.size(), 4u);
    // Frame sync, MPEG-2 layer III; sample rate index 0 (22.05 kHz there); channel mode mono.
    EXPECT_EQ(static_cast<unsigned char>(mp3[0]), 0xFF) << name;
    EXPECT_EQ(static_cast<unsigned char>(mp3[1]) & 0xFE, 0xF2) << name;
    EXPECT_EQ((static_cast<unsigned char>(mp3[2]) >> 2) & 3, 0) << name;
    EXPECT_EQ(static_cast<unsigned char>(mp3[3]) >> 6, 3) << name;
  }
  EXPECT_TRUE(sampleBytes("schi.wmv").starts_with("\x30\x26\xB2\x75\x8E\x66\xCF\x11"));
  EXPECT_TRUE(sampleBytes("gedicht.pdf").starts_with("%PDF-"));
}

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    ::pclose(pipe);
  }
  return out;
}

bool installed(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(SampleMedia, WhatTheSystemToolsSee) {
  if (!installed("file")) GTEST_SKIP() << "file(1) is not installed";
  TempFolder temp;
  const Path folder = temp.path();
  TestDialogs dialogs;
  writeSampleFiles(folder, dialogs);

  const std::pair<const char*, std::vector<std::string>> expected[] = {
      {"foto1.jpg", {"JPEG image data", "358x300"}},
      {"foto2.jpg", {"JPEG image data", "584x480"}},
      {"foto3.jpg", {"JPEG image data", "640x480"}},
      {"schi.wmv", {"Microsoft ASF"}},
      {"tonspur1.mp3", {"layer III", "22.05 kHz", "Monaural"}},
      {"tonspur2.mp3", {"layer III", "22.05 kHz", "Monaural"}},
      {"tonspur3.mp3", {"layer III", "22.05 kHz", "Monaural"}},
      {"gedicht.mp3", {"layer III", "22.05 kHz", "Monaural"}},
      {"gedicht.pdf", {"PDF document"}},
      {"sbrief1.rtf", {"Rich Text Format"}},
  };
  for (const auto& [name, parts] : expected) {
    const std::string seen = run("file -b '" + folder.join(Path(name)).bytes() + "'");
    for (const std::string& part : parts) EXPECT_NE(seen.find(part), std::string::npos) << seen;
  }
  if (installed("pdfinfo")) {
    const std::string info = run("pdfinfo '" + folder.join("gedicht.pdf").bytes() + "'");
    const std::size_t at = info.find("\nPages:");
    ASSERT_NE(at, std::string::npos) << info;
    EXPECT_EQ(trim(fromUtf8(info.substr(at + 8, info.find('\n', at + 1) - at - 8))), U"1") << info;
  }
}

}  // namespace
}  // namespace korvale
