#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/files.h"
#include "support/temp_folder.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_printer.h"

namespace korvale {
namespace {

std::string commandOutput(const std::string& command) {
  std::string text;
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return text;
  char buffer[4096];
  while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, got);
  pclose(pipe);
  return text;
}

std::string pdfText(const Path& pdf) {
  return commandOutput("pdftotext -layout '" + pdf.bytes() + "' -");
}

TEST(QtPrinterTest, JobsBecomePdfFilesAndLongLinesWrap) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdftotext is not installed";
  TempFolder temp;
  QPrinter printer(QPrinter::HighResolution);
  QtPrinter pdf(printer, temp.path());
  Text longLine;
  for (int i = 1; i <= 40; ++i) longLine += U"Wort" + fromUtf8(std::to_string(i)) + U" ";
  CharFormat body;
  body.font = U"Arial";
  body.size = 12;
  ASSERT_TRUE(pdf.print({U"Brief", RichText::fromLines({U"Anfang", longLine + U"Schluss"}, body)}));
  ASSERT_TRUE(
      pdf.print({U"Quer", RichText::fromLines({U"Seite zwei"}, body), Orientation::Landscape}));
  EXPECT_EQ(sortedFileNames(temp.path()), (std::vector<std::string>{"job-001.pdf", "job-002.pdf"}));
  const std::string first = pdfText(temp / "job-001.pdf");
  EXPECT_NE(first.find("Anfang"), std::string::npos);
  EXPECT_NE(first.find("Schluss"), std::string::npos) << "the end of a long line is cut off";
  EXPECT_NE(pdfText(temp / "job-002.pdf").find("Seite zwei"), std::string::npos);
}

}  // namespace
}  // namespace korvale

namespace korvale {
namespace {

int pdfPages(const Path& pdf) {
  FILE* pipe = popen(("pdfinfo '" + pdf.bytes() + "' 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return -1;
  char line[512];
  int pages = -1;
  while (fgets(line, sizeof line, pipe) != nullptr)
    if (std::sscanf(line, "Pages: %d", &pages) == 1) break;
  pclose(pipe);
  return pages;
}

TEST(QtPrinterTest, FormFeedsStartPagesAndPicturesFillOne) {
  if (std::system("command -v pdfinfo >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdfinfo is not installed";
  TempFolder temp;
  QPrinter printer(QPrinter::HighResolution);
  QtPrinter pdf(printer, temp.path());
  CharFormat courier;
  courier.font = U"Courier New";
  courier.size = 10;
  const PrintJob lines{U"Zeilen",
                       RichText::fromLines({U"eins", U"\f", U"zwei", U"\f", U"drei"}, courier)};
  ASSERT_TRUE(pdf.print(lines));
  EXPECT_EQ(pdfPages(temp / "job-001.pdf"), 3);
  EXPECT_EQ(printedPages(lines), (std::vector<std::vector<Text>>{{U"eins"}, {U"zwei"}, {U"drei"}}));

  QtCanvas chart(428, 428);
  chart.clear(kWhite);
  chart.setPen(kBlack, 1, PenStyle::Solid);
  chart.line({10, 10}, {400, 400});
  ASSERT_TRUE(pdf.print({U"Grafik", RichText(), Orientation::Portrait, &chart}));
  EXPECT_EQ(pdfPages(temp / "job-002.pdf"), 1);
  const auto bytes = readFileBytes(temp / "job-002.pdf");
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find("/Subtype /Image"), std::string::npos);
}

}  // namespace
}  // namespace korvale

namespace korvale {
namespace {

TEST(QtPrinterTest, NarrowMarginsKeepRulesOnOneLineAndPicturesAfterThemKeepTheirScale) {
  if (std::system("command -v pdfimages >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdfimages is not installed";
  TempFolder temp;
  QPrinter printer(QPrinter::HighResolution);
  QtPrinter pdf(printer, temp.path());
  CharFormat courier{U"Courier New", 10, true};
  const Text rule = U"  " + Text(80, U'=');
  PrintJob ruled{U"Liste",
                 RichText::fromLines({rule, U"  1. Huber Anna:  ", U"\f", rule}, courier)};
  ruled.marginMillimetres = 10;
  ASSERT_TRUE(pdf.print(ruled));
  EXPECT_EQ(pdfPages(temp / "job-001.pdf"), 2);
  const std::string text = pdfText(temp / "job-001.pdf");
  EXPECT_NE(text.find(std::string(80, '=')), std::string::npos) << text;

  QtCanvas chart(400, 300);
  ASSERT_TRUE(pdf.print({U"Grafik", RichText(), Orientation::Landscape, &chart}));
  // An A4 page in landscape is about 11 inches wide: 400 pixels stretched over it.
  const std::string images =
      commandOutput("pdfimages -list '" + (temp / "job-002.pdf").bytes() + "'");
  const std::size_t row = images.find("image");
  ASSERT_NE(row, std::string::npos) << images;
  std::istringstream fields(images.substr(row));
  std::string word;
  std::vector<std::string> columns;
  while (fields >> word) columns.push_back(word);
  ASSERT_GE(columns.size(), 12u);
  const int ppi = std::stoi(columns[11]);
  EXPECT_GT(ppi, 25);
  EXPECT_LT(ppi, 60);
}

}  // namespace
}  // namespace korvale
