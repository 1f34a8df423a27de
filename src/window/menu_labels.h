// The captions a menu bar shows: each menu and entry with an access key ("&Datei", "Ö&ffnen"),
// chosen from its own caption so that the tables keep the exact captions scripts name.
#pragma once

#include <utility>
#include <vector>

#include "base/text.h"
#include "window/window.h"

namespace korvale {

struct MenuLabels {
  // The menus of the bar in their order (a menu that is itself the command included), each
  // with its label.
  std::vector<std::pair<Text, Text>> menus;
  // One label per item of the table, in its order; separators keep "-".
  std::vector<Text> entries;
};

// The access keys differ among the menus of the bar and among the entries of a menu; a word's
// first letter is preferred. A caption whose letters are all taken gets none. A literal "&" is
// doubled.
MenuLabels menuLabels(const std::vector<MenuItem>& menu);

}  // namespace korvale
