// Printing: the marked range as one page, or the text cut into pages at the page-break mark.
#include "base/text_routines.h"
#include "grades/grades_context.h"
#include "grades/help_text.h"

namespace korvale {

namespace {

// Ctrl+Enter puts it into the text; printing starts a new page there.
constexpr char32_t kPageBreak = U'\u00B6';

// A page as the page buffer holds it: blank lines on top and a tab after every line break, which
// keeps the text off the paper's left edge.
RichText makePage(const RichText& text, int blankLines, const CharFormat& font) {
  RichText page = RichText::plain(Text(static_cast<std::size_t>(blankLines), '\n'), font);
  page.append(text);
  for (std::size_t i = page.text.size(); i-- > 0;)
    if (page.text[i] == '\n') page.replace(i + 1, 0, U"\t", page.formatAt(i + 1));
  page.normalize(font);
  return page;
}

bool isBlank(const Text& text) {
  return trim(text).empty();
}

}  // namespace

std::vector<RichText> pagesToPrint(const GradesContext& c) {
  const RichText all = c.ports.editor.richText();
  const CharFormat font = c.ports.editor.typingFormat();
  if (c.ports.editor.hasMarked()) {
    const std::size_t from = all.offsetOf(c.ports.editor.markStart());
    const std::size_t to = all.offsetOf(c.ports.editor.markEnd());
    return {makePage(all.slice(from, to - from), 2, font)};
  }
  // The pieces between the marks; the line break in front of a mark's line and the one after
  // the mark belong to neither page.
  std::vector<RichText> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t mark = all.text.find(kPageBreak, start);
    std::size_t end = mark == Text::npos ? all.text.size() : mark;
    if (mark != Text::npos && end > start && all.text[end - 1] == '\n') --end;
    pieces.push_back(all.slice(start, end - start));
    if (mark == Text::npos) break;
    start = mark + 1;
    if (start < all.text.size() && all.text[start] == '\n') ++start;
  }
  std::vector<RichText> pages;
  for (const RichText& piece : pieces) {
    // What follows the last mark is a page only when it holds something.
    if (isBlank(piece.text) && pieces.size() > 1) continue;
    pages.push_back(makePage(piece, pages.empty() ? 2 : 1, font));
  }
  return pages;
}

void print(GradesContext& c) {
  if (!c.ports.dialogs.print()) return;
  const Text title = c.document.fileName.empty()
                         ? Text(U"TABULON")
                         : U"TABULON - " + c.document.fileName.displayText();
  const std::vector<RichText> pages = pagesToPrint(c);
  bool printed = true;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PrintJob job{title, pages[i], Orientation::Portrait};
    job.leadingTabIsMargin = true;
    // The N-dimensional statistics put a wide table on page 3.
    if (c.stats.printOrientationMode == PrintOrientationMode::NDimensional && i == 2)
      job.orientation = Orientation::Landscape;
    printed = c.ports.printer.print(job) && printed;
  }
  if (!printed) showDataError(c.ports.dialogs);
  c.ports.editor.setCaret({0, 0});
  c.notify();
}

void printHelp(GradesContext& c) {
  if (!c.ports.dialogs.print()) return;
  CharFormat font;
  font.font = U"Courier New";
  font.size = 10;
  font.bold = true;
  // Four blanks keep the text off the paper's edge; a line "." starts the next page.
  std::vector<Text> page{U"    ", U"    "};
  std::vector<std::vector<Text>> pages;
  for (const Text& line : gradesHelpText()) {
    if (startsWith(trim(line), U".")) {
      pages.push_back(page);
      page = {U"    "};
    } else {
      page.push_back(U"    " + line);
    }
  }
  pages.push_back(page);
  bool printed = true;
  for (const auto& lines : pages)
    printed =
        c.ports.printer.print({U"TABULON - Hilfe", RichText::fromLines(lines, font)}) && printed;
  if (!printed) showDataError(c.ports.dialogs);
}

}  // namespace korvale
