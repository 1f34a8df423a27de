#include "csvlist/search.h"

#include <algorithm>

#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

std::optional<TextPos> findIgnoringCase(const std::vector<Text>& lines, const Text& pattern,
                                        TextPos from) {
  if (pattern.empty() || from.line < 0) return std::nullopt;
  const Text needle = foldCase(pattern);
  for (auto l = static_cast<std::size_t>(from.line); l < lines.size(); ++l) {
    const std::size_t start = l == static_cast<std::size_t>(from.line)
                                  ? static_cast<std::size_t>(std::max(from.column, 0))
                                  : 0;
    if (start > lines[l].size()) continue;
    const std::size_t p = foldCase(lines[l]).find(needle, start);
    if (p != Text::npos) return TextPos{static_cast<int>(l), static_cast<int>(p)};
  }
  return std::nullopt;
}

TextPos advance(const std::vector<Text>& lines, TextPos pos, int count) {
  int column = pos.column + count;
  int line = pos.line;
  while (line >= 0 && static_cast<std::size_t>(line) < lines.size()) {
    const int length = static_cast<int>(lines[static_cast<std::size_t>(line)].size());
    if (column <= length) break;
    column -= length + 1;
    ++line;
  }
  return {line, column};
}

namespace {
void markMatch(TextEditor& editor, TextPos at, const Text& text) {
  editor.setSelection(at, {at.line, at.column + static_cast<int>(text.size())});
}
}  // namespace

bool searchCommand(TextEditor& editor, SearchState& state, Dialogs& dialogs) {
  const Text answer = dialogs
                          .input(U"Suchen im Text",
                                 U"Suchtext eingeben und weitersuchen mit <F3>.\r"
                                 U"\"TAB\" entspricht dabei dem Tabulatorzeichen.\r ",
                                 Text())
                          .value_or(Text());
  state.text = trim(upperAscii(answer)) == U"TAB" ? Text(1, kTab) : answer;
  const std::optional<TextPos> at =
      findIgnoringCase(readLines(editor), state.text, editor.markStart());
  if (!at) {
    state.text.clear();
    return false;
  }
  markMatch(editor, *at, state.text);
  return true;
}

bool searchAgain(TextEditor& editor, const SearchState& state) {
  if (state.text.empty()) return false;
  const std::vector<Text> lines = readLines(editor);
  const TextPos from = advance(lines, editor.markStart(), static_cast<int>(state.text.size()));
  const std::optional<TextPos> at = findIgnoringCase(lines, state.text, from);
  if (!at) return false;
  markMatch(editor, *at, state.text);
  return true;
}

}  // namespace korvale
