// Text is the program's one string type: bytes in code page 1252, one byte per character.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvale {

using Text = std::string;

// Unicode code point of a cp1252 byte (undefined bytes map to themselves).
char32_t cp1252ToUnicode(unsigned char c);
// cp1252 byte of a code point, or -1 when the code page has no such character.
constexpr int unicodeToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  constexpr char32_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                 0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  for (int i = 0; i < 32; ++i)
    if (high[i] == cp) return 0x80 + i;
  return -1;
}

// UTF-8 to cp1252; characters the code page lacks become '?'. Malformed bytes are taken as
// cp1252 bytes themselves, so already converted text passes through unchanged.
Text utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view text);

namespace detail {
template <std::size_t N>
struct Utf8Literal {
  char bytes[N]{};
  constexpr Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
};

template <std::size_t N>
struct Converted {
  std::array<char, N> bytes{};
  std::size_t size = 0;
};

template <std::size_t N>
constexpr Converted<N> convertLiteral(const char (&in)[N]) {
  Converted<N> out;
  std::size_t i = 0;
  while (i + 1 < N) {
    const auto b = static_cast<unsigned char>(in[i]);
    char32_t cp = 0;
    int extra = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      extra = 2;
    } else {
      throw std::logic_error("literal holds a character outside code page 1252");
    }
    for (int k = 1; k <= extra; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(in[i + k]) & 0x3F);
    i += 1 + extra;
    const int c = unicodeToCp1252(cp);
    if (c < 0) throw std::logic_error("literal holds a character outside code page 1252");
    out.bytes[out.size++] = static_cast<char>(c);
  }
  return out;
}
}  // namespace detail

// "Größe"_cp is the cp1252 text of a UTF-8 source literal, converted while compiling.
template <detail::Utf8Literal L>
Text operator""_cp() {
  static constexpr auto converted = detail::convertLiteral(L.bytes);
  return Text(converted.bytes.data(), converted.size);
}

}  // namespace korvale
