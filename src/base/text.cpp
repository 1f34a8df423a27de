#include "base/text.h"

#include "base/encoding.h"

namespace korvale {

Text fromUtf8(std::string_view utf8) {
  return decodeUtf8(utf8);
}

std::string toUtf8(TextView text) {
  return encodeUtf8(text);
}

std::string asciiBytes(TextView text, char standIn) {
  std::string out(text.size(), standIn);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] < 0x80) out[i] = static_cast<char>(text[i]);
  return out;
}

bool isAscii(TextView text) {
  for (const char32_t c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace korvale
