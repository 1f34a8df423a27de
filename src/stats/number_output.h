// How the evaluations write numbers and align texts.
#pragma once

#include "base/text.h"

namespace korvale {

// Fields that hold no number are stored as this value, and every statistic skips it.
inline constexpr double kMissingValue = 99.11;

inline bool isMissing(double value) {
  return value == kMissingValue;
}

// The decimals setting: 0 to 8, 2 by default.
inline constexpr int kDefaultDecimals = 2;

// Fixed point with the given decimals, without blanks.
Text numberText(double value, int decimals);

// Left-aligned in `width`: blanks appended, a longer text cut to its first `width` characters.
Text alignLeft(const Text& text, int width);
// Right-aligned in `width`: blanks prepended, a longer text cut to its first `width` characters.
Text alignRight(const Text& text, int width);
// Right-aligned like alignRight, but a number that needs more room keeps all its digits: a
// cut number would read as a different value.
Text alignNumber(const Text& number, int width);

// The page-break mark that printing splits pages at.
inline constexpr char32_t kPageBreak = U'\u00B6';

}  // namespace korvale
