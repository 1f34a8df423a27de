#include "base/plain_text.h"

namespace korvale {

Text readPlainText(std::string_view bytes, Encoding& encoding) {
  encoding = detectEncoding(bytes);
  // Line ends become "\n" in place: a large list is megabytes of characters, not worth a copy.
  Text text = decode(bytes, encoding);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == '\r') {
      text[kept++] = '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      text[kept++] = c;
    }
  }
  text.resize(kept);
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
