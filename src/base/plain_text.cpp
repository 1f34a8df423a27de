#include "base/plain_text.h"

namespace korvale {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}

Text readPlainText(std::string_view bytes) {
  Text converted;
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    converted = utf8ToCp1252(bytes.substr(kUtf8Bom.size()));
    bytes = converted;
  }
  Text text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r') {
      text.push_back('\n');
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text.push_back(c);
    }
  }
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string writePlainText(const Text& text) {
  std::string bytes;
  if (text.empty()) return bytes;
  bytes.reserve(text.size() + text.size() / 16 + 2);
  for (const char c : text) {
    if (c == '\n')
      bytes += "\r\n";
    else
      bytes.push_back(c);
  }
  bytes += "\r\n";
  return bytes;
}

}  // namespace korvale
