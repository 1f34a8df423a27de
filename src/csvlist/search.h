// Search for a text in an editor, and search again (F3).
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/rich_text.h"
#include "ui/ports/text_editor.h"

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

// "Suchen": asks for the text ("TAB" in any case stands for the tab character) and marks its
// first match from the caret on. Returns whether it found one.
bool searchCommand(TextEditor& editor, SearchState& state, Dialogs& dialogs);
// F3: the next match after the current one; the editor stays as it is when there is none.
bool searchAgain(TextEditor& editor, const SearchState& state);

}  // namespace korvale
