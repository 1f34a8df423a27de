// The mouse on the list and the plan, and the help text over the plan.
#include "base/text_routines.h"
#include "classeditor/class_commands.h"

namespace korvale {

void listMarked(ClassContext& cx) {
  cx.marked = cx.list.markedText();
}

void cellPressed(ClassContext& cx, int column, int row) {
  if (cx.marked.empty() || !cx.plan.shows(column, row)) return;
  cx.plan.setCell(column, row, transferredName(cx.marked, cx.order));
  // One marking fills one cell; the next cell needs a new one.
  cx.marked.clear();
  focusList(cx);
}

void cellDoubleClicked(ClassContext& cx, int column, int row) {
  if (!cx.plan.shows(column, row)) return;
  cx.plan.setCell(column, row, Text());
  focusList(cx);
}

void toggleHelp(ClassContext& cx) {
  cx.helpVisible = !cx.helpVisible;
  focusList(cx);
}

void printHelp(ClassContext& cx) {
  if (!cx.dialogs.print()) return;
  // Four blanks keep the text off the paper's edge; a line "." starts the next page.
  const Text margin = U"    ";
  std::vector<Text> lines{margin, margin};
  for (const Text& line : classHelpText()) {
    if (startsWith(trim(line), U".")) {
      lines.push_back(Text(1, kFormFeed));
      lines.push_back(margin);
    } else {
      lines.push_back(margin + line);
    }
  }
  printLines(cx, U"SITZO - Hilfe", lines, 9);
}

}  // namespace korvale
