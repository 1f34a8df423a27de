#include "ui/ports/printer.h"

namespace korvale {

PrintJob fixedPitchJob(const Text& title, const std::vector<Text>& lines, int size) {
  CharFormat font;
  font.font = U"Courier New";
  font.size = size;
  font.bold = true;
  PrintJob job{title, RichText::fromLines(lines, font)};
  job.marginMillimetres = 10;
  return job;
}

std::vector<std::vector<Text>> printedPages(const PrintJob& job) {
  std::vector<std::vector<Text>> pages(1);
  for (const Text& line : job.content.lines()) {
    if (line == Text(1, kFormFeed))
      pages.emplace_back();
    else
      pages.back().push_back(line);
  }
  return pages;
}

}  // namespace korvale
