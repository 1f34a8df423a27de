// The one number reader and the one fixed-point formatter of the program.
#pragma once

#include <optional>

#include "base/text.h"

namespace korvale {

// A decimal number with "." as the decimal point: optional sign, digits with an optional
// fraction, optional exponent. The whole text must match; no blanks.
std::optional<double> readNumber(const Text& text);

// What an integer conversion accepts: optional leading blanks, an optional sign, then decimal
// digits or a hexadecimal form "$1F" / "0x1F"; no trailing characters; 32-bit range.
std::optional<int> readWholeNumber(const Text& text);

// printf's "%.*f"; with a width, padded on the left with blanks.
Text formatFixed(double value, int decimals);
Text formatFixed(double value, int width, int decimals);

// Decimal digits of an integer.
Text intToText(long long value);

}  // namespace korvale
