// Character formats written briefly, for the tests of templates and letters.
#pragma once

#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

using Lines = std::vector<Text>;

inline CharFormat fmt(const Text& font, int size, bool bold = false, bool italic = false) {
  CharFormat f;
  f.font = font;
  f.size = size;
  f.bold = bold;
  f.italic = italic;
  return f;
}

}  // namespace korvale
