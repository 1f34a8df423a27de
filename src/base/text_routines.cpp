#include "base/text_routines.h"

#include <unicode/uchar.h>

#include <algorithm>

namespace korvale {

Text trimLeft(const Text& text) {
  std::size_t b = 0;
  while (b < text.size() && isTrimmable(text[b])) ++b;
  return text.substr(b);
}

Text trimRight(const Text& text) {
  std::size_t e = text.size();
  while (e > 0 && isTrimmable(text[e - 1])) --e;
  return text.substr(0, e);
}

Text trim(const Text& text) {
  return trimLeft(trimRight(text));
}

Text padRight(const Text& text, int width) {
  if (width <= 0) return Text();
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return text.substr(0, w);
  return text + Text(w - text.size(), ' ');
}

Text padLeft(const Text& text, int width) {
  if (width <= 0) return Text();
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return text.substr(0, w);
  return Text(w - text.size(), ' ') + text;
}

Text removeBlanks(const Text& text) {
  Text out;
  out.reserve(text.size());
  for (const char32_t c : text)
    if (c != ' ') out.push_back(c);
  return out;
}

Text repeatChar(int count, char32_t c) {
  return count > 0 ? Text(static_cast<std::size_t>(count), c) : Text();
}

Text upperAscii(const Text& text) {
  Text out = text;
  for (char32_t& c : out)
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
  return out;
}

Text lowerAscii(const Text& text) {
  Text out = text;
  for (char32_t& c : out)
    if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
  return out;
}

namespace {
template <class Map>
Text mapEach(const Text& text, Map map) {
  Text out = text;
  for (char32_t& c : out)
    if (c >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
      c = static_cast<char32_t>(map(static_cast<UChar32>(c)));
  return out;
}
}  // namespace

Text toUpper(const Text& text) {
  return mapEach(text, [](UChar32 c) { return u_toupper(c); });
}

Text toLower(const Text& text) {
  return mapEach(text, [](UChar32 c) { return u_tolower(c); });
}

Text foldCase(const Text& text) {
  return mapEach(text, [](UChar32 c) { return u_foldCase(c, U_FOLD_CASE_DEFAULT); });
}

namespace {
// Start positions (0-based) of the non-overlapping matches, left to right.
std::vector<std::size_t> matchPositions(const Text& text, const Text& pattern, CaseMode mode) {
  std::vector<std::size_t> found;
  if (text.empty() || pattern.empty()) return found;
  const auto fold = [mode](const Text& t) {
    return mode == CaseMode::IgnoreAscii  ? upperAscii(t)
           : mode == CaseMode::IgnoreCase ? foldCase(t)
                                          : t;
  };
  const Text hay = fold(text);
  const Text needle = fold(pattern);
  std::size_t from = 0;
  while (true) {
    const std::size_t p = hay.find(needle, from);
    if (p == Text::npos) break;
    found.push_back(p);
    from = p + needle.size();
  }
  return found;
}
}  // namespace

int countOccurrences(const Text& text, const Text& pattern, CaseMode mode) {
  return static_cast<int>(matchPositions(text, pattern, mode).size());
}

ReplaceResult replaceAll(const Text& text, const Text& pattern, const Text& replacement,
                         CaseMode mode) {
  if (replacement.empty()) return {text, 0};
  const auto found = matchPositions(text, pattern, mode);
  ReplaceResult result;
  result.count = static_cast<int>(found.size());
  if (found.empty()) {
    result.text = text;
    return result;
  }
  result.text.reserve(text.size() + found.size() * replacement.size());
  std::size_t copied = 0;
  for (const std::size_t p : found) {
    result.text.append(text, copied, p - copied);
    result.text += replacement;
    copied = p + pattern.size();
  }
  result.text.append(text, copied, Text::npos);
  return result;
}

int nthSeparatorPosition(const Text& line, char32_t separator, int k) {
  if (k <= 0) return 0;
  int seen = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == separator && ++seen == k) return static_cast<int>(i + 1);
  }
  return 0;
}

int lastPosition(const Text& text, char32_t c) {
  const std::size_t p = text.rfind(c);
  return p == Text::npos ? 0 : static_cast<int>(p + 1);
}

char32_t detectSeparator(const Text& text) {
  if (text.find(';') != Text::npos) return ';';
  if (text.find(',') != Text::npos) return ',';
  return kTab;
}

namespace {
std::vector<Text> split(const Text& line, char32_t separator, bool trimFields) {
  std::vector<Text> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t p = line.find(separator, start);
    if (p == Text::npos) break;
    Text field = line.substr(start, p - start);
    fields.push_back(trimFields ? trim(field) : std::move(field));
    start = p + 1;
  }
  if (start < line.size()) fields.push_back(line.substr(start));
  return fields;
}
}  // namespace

std::vector<Text> trimmedSplit(const Text& line, char32_t separator) {
  return split(line, separator, true);
}

std::vector<Text> plainSplit(const Text& line, char32_t separator) {
  return split(line, separator, false);
}

std::vector<Text> splitLines(const Text& text) {
  std::vector<Text> lines;
  Text current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

Text joinLines(const std::vector<Text>& lines, const Text& lineBreak) {
  Text out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += lineBreak;
    out += lines[i];
  }
  return out;
}

bool startsWith(const Text& text, const Text& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const Text& text, const Text& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace korvale
