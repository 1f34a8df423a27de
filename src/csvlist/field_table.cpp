#include "csvlist/field_table.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"

namespace korvale {

const FieldInfo& FieldTable::field(int number) const {
  static const FieldInfo none;
  if (number < 1 || number > fieldCount()) return none;
  return fields[static_cast<std::size_t>(number - 1)];
}

bool isWholeNumberField(const Text& field) {
  return readWholeNumber(field).has_value() || upperAscii(field) == U"A";
}

namespace {

// Fields a separator cuts the line into; a final separator closes the last field.
std::size_t fieldsCut(const Text& line, char32_t separator) {
  const auto count = static_cast<std::size_t>(std::count(line.begin(), line.end(), separator));
  return !line.empty() && line.back() == separator ? count : count + 1;
}

}  // namespace

char32_t detectListSeparator(const Text& header, const Text& firstRecord) {
  const char32_t byRule = detectSeparator(firstRecord);
  if (header.find(byRule) != Text::npos) return byRule;
  for (const char32_t candidate : {U';', U',', kTab}) {
    if (header.find(candidate) == Text::npos) continue;
    if (fieldsCut(header, candidate) == fieldsCut(firstRecord, candidate)) return candidate;
  }
  return byRule;
}

FieldTable buildFieldTable(const Text& header, const Text* firstRecord, char32_t separator,
                           int recordLineCount) {
  FieldTable table;
  table.recordLineCount = recordLineCount;
  for (const Text& name : trimmedSplit(header, separator)) {
    table.fields.push_back({name, 0, 'T'});
    table.longestNameLength = std::max(table.longestNameLength, static_cast<int>(name.size()));
  }
  const std::vector<Text> first =
      firstRecord ? trimmedSplit(*firstRecord, separator) : std::vector<Text>();
  for (std::size_t i = 0; i < table.fields.size(); ++i) {
    const Text value = i < first.size() ? first[i] : Text();
    table.fields[i].width = static_cast<int>(value.size());
    table.fields[i].type = isWholeNumberField(value) ? 'N' : 'T';
  }

  const int n = table.fieldCount();
  table.schoolMarks = true;
  table.supplementaryColumn = false;
  if (n >= 2 && table.fields.back().name == U"ZUSATZ" && table.fields[1].type == 'N' &&
      table.fields[1].width == 1) {
    table.schoolMarks = table.supplementaryColumn = true;
  }
  for (int i = 2; i <= n - 1; ++i) {
    const FieldInfo& f = table.field(i);
    if (f.type != 'N' || f.width != 1) table.schoolMarks = false;
  }
  if (n < 1 || table.field(1).type != 'T') table.schoolMarks = false;
  return table;
}

Text convertMarks(const Text& line, char32_t separator, const Text& from, const Text& to) {
  Text out;
  out.reserve(line.size());
  std::size_t start = 0;
  while (true) {
    const std::size_t p = line.find(separator, start);
    if (p == Text::npos) {
      out.append(line, start, Text::npos);
      break;
    }
    const Text field = line.substr(start, p - start);
    std::size_t b = 0;
    std::size_t e = field.size();
    while (b < e && field[b] == ' ') ++b;
    while (e > b && field[e - 1] == ' ') --e;
    if (field.compare(b, e - b, from) == 0) {
      out.append(field, 0, b);
      out += to;
      out.append(field, e, Text::npos);
    } else {
      out += field;
    }
    out += separator;
    start = p + 1;
  }
  return out;
}

void convertMarks(std::vector<Text>& lines, char32_t separator, const Text& from, const Text& to) {
  for (Text& line : lines) line = convertMarks(line, separator, from, to);
}

int currentFieldNumber(const Text& line, int caretColumn) {
  const Text left = line.substr(
      0, static_cast<std::size_t>(std::clamp<int>(caretColumn, 0, static_cast<int>(line.size()))));
  const char32_t separator = detectSeparator(left);
  return static_cast<int>(std::count(left.begin(), left.end(), separator)) + 1;
}

Text fieldUnderCaret(const Text& line, int caretColumn) {
  const std::size_t cut =
      static_cast<std::size_t>(std::clamp<int>(caretColumn, 0, static_cast<int>(line.size())));
  const Text left = line.substr(0, cut);
  const Text right = line.substr(cut);
  const char32_t separator = detectSeparator(left);
  const std::size_t next = right.find(separator);
  if (next == Text::npos) return Text();
  const std::size_t last = left.rfind(separator);
  const Text before = last == Text::npos ? left : left.substr(last + 1);
  return trim(before + right.substr(0, next));
}

}  // namespace korvale
