#include "base/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace korvale {

namespace {
// Only ASCII digits count: "٣", fullwidth "３" or "½" are no digits here.
bool isDigit(char32_t c) {
  return c >= '0' && c <= '9';
}
int hexValue(char32_t c) {
  if (isDigit(c)) return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}
}  // namespace

std::optional<double> readNumber(const Text& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < n && isDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < n && isDigit(text[i])) ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  // Every character matched the ASCII grammar above, so the bytes are the same characters.
  const std::string ascii = asciiBytes(text, '?');
  // from_chars ignores the locale (Qt switches the C locale to the user's, where "," may be
  // the decimal point); it does not take a leading "+".
  const char* first = ascii.data() + (ascii[0] == '+' ? 1 : 0);
  const char* last = ascii.data() + ascii.size();
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) {
    // Too small for a double reads as 0; too large is no number.
    const std::size_t e = ascii.find_first_of("eE");
    if (e != std::string::npos && ascii.find('-', e) != std::string::npos) return 0.0;
    return std::nullopt;
  }
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

std::optional<int> readWholeNumber(const Text& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) return std::nullopt;
  long long value = 0;
  for (; i < n; ++i) {
    const int d =
        base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? static_cast<int>(text[i] - '0') : -1);
    if (d < 0) return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal forms cover the full 32 bits, as two's complement.
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int>(bits);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(value);
}

Text formatFixed(double value, int decimals) {
  // Rounds as printf's "%.*f" does, but always with "." whatever the locale.
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, std::max(decimals, 0));
  if (error != std::errc()) return Text();
  return fromUtf8(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

Text formatFixed(double value, int width, int decimals) {
  Text s = formatFixed(value, decimals);
  if (width > 0 && s.size() < static_cast<std::size_t>(width))
    s.insert(0, static_cast<std::size_t>(width) - s.size(), U' ');
  return s;
}

Text intToText(long long value) {
  return fromUtf8(std::to_string(value));
}

}  // namespace korvale
