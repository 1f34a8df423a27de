// Finding a text in lines, ignoring the case of letters (the search and F3 of the Grades editor).
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// The search text of the last search; emptied when a search finds nothing.
struct SearchState {
  Text text;
};

// The first match at or after `from`, ignoring the case of every letter ("ş" finds "Ş"). A match
// lies within a line.
std::optional<TextPos> findIgnoringCase(const std::vector<Text>& lines, const Text& pattern,
                                        TextPos from);

// The position `count` characters after `pos`, a line break counting as one character.
TextPos advance(const std::vector<Text>& lines, TextPos pos, int count);

}  // namespace korvale
