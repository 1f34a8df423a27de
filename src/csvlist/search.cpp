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

}  // namespace korvale
