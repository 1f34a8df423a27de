#include "csvlist/search.h"

#include <algorithm>

#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

char upperCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A:
      return static_cast<char>(0x8A);  // š
    case 0x9C:
      return static_cast<char>(0x8C);  // œ
    case 0x9E:
      return static_cast<char>(0x8E);  // ž
    case 0xFF:
      return static_cast<char>(0x9F);  // ÿ
  }
  return c;
}

namespace {
Text upper(Text text) {
  for (char& c : text) c = upperCp1252(c);
  return text;
}
}  // namespace

std::optional<TextPos> findIgnoringCase(const std::vector<Text>& lines, const Text& pattern,
                                        TextPos from) {
  if (pattern.empty() || from.line < 0) return std::nullopt;
  const Text needle = upper(pattern);
  for (auto l = static_cast<std::size_t>(from.line); l < lines.size(); ++l) {
    const std::size_t start = l == static_cast<std::size_t>(from.line)
                                  ? static_cast<std::size_t>(std::max(from.column, 0))
                                  : 0;
    if (start > lines[l].size()) continue;
    const std::size_t p = upper(lines[l]).find(needle, start);
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
                          .input("Suchen im Text",
                                 "Suchtext eingeben und weitersuchen mit <F3>.\r"
                                 "\"TAB\" entspricht dabei dem Tabulatorzeichen.\r ",
                                 Text())
                          .value_or(Text());
  state.text = trim(upperAscii(answer)) == "TAB" ? Text(1, kTab) : answer;
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
