#include "base/plain_text.h"

namespace korvale {

Text readPlainText(std::string_view bytes, Encoding& encoding) {
  encoding = detectEncoding(bytes);
  const Text decoded = decode(bytes, encoding);
  Text text;
  text.reserve(decoded.size());
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    const char32_t c = decoded[i];
    if (c == '\r') {
      text.push_back('\n');
      if (i + 1 < decoded.size() && decoded[i + 1] == '\n') ++i;
    } else {
      text.push_back(c);
    }
  }
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

Text readPlainText(std::string_view bytes) {
  Encoding encoding = Encoding::Cp1252;
  return readPlainText(bytes, encoding);
}

std::string writePlainText(const Text& text, Encoding& encoding) {
  if (text.empty()) return std::string();
  Text lines;
  lines.reserve(text.size() + text.size() / 16 + 2);
  for (const char32_t c : text) {
    if (c == '\n')
      lines += U"\r\n";
    else
      lines.push_back(c);
  }
  lines += U"\r\n";
  return encode(lines, encoding);
}

std::string writePlainText(const Text& text) {
  Encoding encoding = Encoding::Cp1252;
  return writePlainText(text, encoding);
}

}  // namespace korvale
