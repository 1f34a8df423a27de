#include "listtools/list_text.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/layout.h"

namespace korvale {

namespace {
bool isDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
}  // namespace

std::vector<Text> splitFields(const Text& line, char32_t separator) {
  if (line.empty()) return {};
  if (!line.empty() && line.back() == separator) return plainSplit(line, separator);
  return plainSplit(line + separator, separator);
}

Text joinFields(const std::vector<Text>& fields, char32_t separator) {
  Text out;
  for (const Text& field : fields) {
    out += field;
    out += separator;
  }
  return out;
}

Text removeCharacter(const Text& text, char32_t c) {
  Text out;
  out.reserve(text.size());
  for (char32_t ch : text)
    if (ch != c) out += ch;
  return out;
}

Text squeeze(const Text& text, char32_t c) {
  Text out;
  out.reserve(text.size());
  for (char32_t ch : text)
    if (ch != c || out.empty() || out.back() != c) out += ch;
  return out;
}

double leadingNumber(const Text& text) {
  // The longest start that reads as a number; numbers are short, so trying each length is cheap.
  std::size_t end = 0;
  while (end < text.size() && end < 64 &&
         (isDigit(text[end]) || text[end] == U'.' || text[end] == U'+' || text[end] == U'-' ||
          text[end] == U'e' || text[end] == U'E'))
    ++end;
  for (; end > 0; --end)
    if (const auto value = readNumber(text.substr(0, end))) return *value;
  return 0;
}

int leadingDigits(const Text& text) {
  long long value = 0;
  for (std::size_t i = 0; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + static_cast<int>(text[i] - U'0');
    if (value > 999999999) return 999999999;
  }
  return static_cast<int>(value);
}

void withHeaderLent(std::vector<Text>& records, const Text& header,
                    const std::function<void(std::vector<Text>&)>& operation) {
  records.insert(records.begin(), header);
  operation(records);
  records.erase(records.begin());
}

void compressRecords(std::vector<Text>& records, char32_t separator) {
  for (Text& line : records) line = compressLine(line, separator, separator);
}

void expandRecords(std::vector<Text>& records, char32_t separator, const Text& extraBlank,
                   bool keepWidths) {
  // The widths are measured from line 2 on: an empty line stands in for the header.
  records.insert(records.begin(), Text());
  std::vector<int> widths = columnWidths(records, separator);
  records.erase(records.begin());
  if (keepWidths) {
    for (const Text& line : records) {
      std::size_t column = 0;
      for (const Text& field : plainSplit(line, separator)) {
        if (column < widths.size())
          widths[column] = std::max(widths[column], static_cast<int>(field.size()));
        ++column;
      }
    }
  }
  for (Text& line : records) line = alignLine(line, separator, separator, widths, extraBlank);
}

void widenField(std::vector<Text>& lines, int field, int width, bool rightAligned,
                char32_t separator) {
  for (Text& line : lines) {
    std::size_t start = 0;
    for (int k = 1; k < field && start != Text::npos; ++k) {
      start = line.find(separator, start);
      if (start != Text::npos) ++start;
    }
    if (start == Text::npos || start > line.size()) continue;
    std::size_t end = line.find(separator, start);
    if (end == Text::npos) end = line.size();
    if (end == start && start == line.size()) continue;  // the line has no such field
    const auto length = static_cast<int>(end - start);
    if (length >= width) continue;
    line.insert(rightAligned ? start : end, static_cast<std::size_t>(width - length), U' ');
  }
}

}  // namespace korvale
