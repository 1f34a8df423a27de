#include "stats/number_output.h"

#include "base/numbers.h"
#include "base/text_routines.h"

namespace korvale {

Text numberText(double value, int decimals) {
  return trim(formatFixed(value, 12, decimals));
}

Text alignLeft(const Text& text, int width) {
  return padRight(text, width);
}

Text alignRight(const Text& text, int width) {
  return padLeft(text, width);
}

Text alignNumber(const Text& number, int width) {
  if (number.size() >= static_cast<std::size_t>(std::max(width, 0))) return number;
  return padLeft(number, width);
}

}  // namespace korvale
