// The preview shows the pages a command prints, and printed letters keep the screen's layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <cstdio>
#include <regex>

#include "base/files.h"
#include "support/temp_folder.h"
#include "ui/qt/qt_printer.h"

namespace korvale {
namespace {

// The left edge of every word of the PDF's first page, by its text.
std::vector<std::pair<std::string, double>> wordEdges(const Path& pdf) {
  std::vector<std::pair<std::string, double>> words;
  FILE* pipe =
      popen(("pdftotext -bbox -f 1 -l 1 '" + pdf.bytes() + "' - 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return words;
  const std::regex word(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  char line[1024];
  while (fgets(line, sizeof line, pipe) != nullptr) {
    std::cmatch m;
    if (std::regex_search(line, m, word)) words.emplace_back(m[2].str(), std::stod(m[1].str()));
  }
  pclose(pipe);
  return words;
}

double edgeOf(const std::vector<std::pair<std::string, double>>& words, const std::string& text) {
  for (const auto& [w, x] : words)
    if (w == text) return x;
  ADD_FAILURE() << "not printed: " << text;
  return -1;
}

TEST(PrintPreview, ALettersParagraphsStartAtTheMarginAsTheirWrappedLinesDo) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdftotext is not installed";
  TempFolder temp;
  QPrinter printer(QPrinter::HighResolution);
  QtPrinter pdf(printer, temp.path());
  CharFormat arial{U"Arial", 12};
  // As the Grades editor hands a page over: blank lines on top, a tab after every line break.
  Text paragraph = U"\tAnfang";
  for (int i = 0; i < 40; ++i) paragraph += U" Wort";
  paragraph += U" Folgezeile";
  for (int i = 0; i < 30; ++i) paragraph += U" mehr";
  PrintJob letter{U"Brief", RichText::fromLines({U"", U"\tLiebe Eltern,", paragraph}, arial)};
  letter.leadingTabIsMargin = true;
  ASSERT_TRUE(pdf.print(letter));
  const auto words = wordEdges(temp / "job-001.pdf");
  const double margin = edgeOf(words, "Liebe");
  // 20 mm from the printable area's edge, not 20 mm and a tab.
  EXPECT_LT(margin, 30 * 72 / 25.4);
  EXPECT_NEAR(edgeOf(words, "Anfang"), margin, 1.0);
  double wrapped = 1e9;
  for (const auto& [w, x] : words)
    if (w == "Wort" || w == "mehr" || w == "Folgezeile") wrapped = std::min(wrapped, x);
  EXPECT_NEAR(wrapped, margin, 1.0) << "no line wrapped back to the margin";
}

TEST(PrintPreview, HeldJobsWaitAndThePreviewShowsTheirPages) {
  TempFolder temp;
  QPrinter printer(QPrinter::HighResolution);
  QtPrinter held(printer, temp.path());
  held.holdForPreview();
  CharFormat courier{U"Courier New", 10};
  ASSERT_TRUE(held.print({U"eins", RichText::fromLines({U"Seite eins"}, courier)}));
  ASSERT_TRUE(held.print(
      {U"zwei", RichText::fromLines({U"zwei", U"\f", U"drei"}, courier), Orientation::Landscape}));
  EXPECT_TRUE(sortedFileNames(temp.path()).empty()) << "a held job was printed";
  int pages = -1;
  QTimer::singleShot(0, [&pages] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
    dialog->close();
  });
  held.showHeldJobs(nullptr);
  EXPECT_EQ(pages, 3);
  // The next job prints at once.
  ASSERT_TRUE(held.print({U"vier", RichText::fromLines({U"vier"}, courier)}));
  EXPECT_EQ(sortedFileNames(temp.path()), std::vector<std::string>{"job-001.pdf"});
}

}  // namespace
}  // namespace korvale
