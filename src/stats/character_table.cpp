#include "stats/character_table.h"

#include "base/encoding.h"
#include "base/numbers.h"
#include "base/text_routines.h"

namespace korvale {

namespace {

bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::vector<Text> characterTableLines() {
  std::vector<Text> lines;
  lines.reserve(255);
  for (int code = 1; code <= 255; ++code) {
    const char32_t c = cp1252ToUnicode(static_cast<unsigned char>(code));
    Text line = U" " + padLeft(intToText(code), 3) + U"  ";
    if (!isControl(c)) line += c;
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace korvale
