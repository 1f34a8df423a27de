#include "ui/ports/printer.h"

namespace korvale {

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
