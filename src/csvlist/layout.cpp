#include "csvlist/layout.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

namespace {

bool isNumber(TextView field) {
  return readNumber(Text(field)).has_value();
}

void appendPadded(Text& out, TextView field, int width, bool right) {
  const auto w = static_cast<std::size_t>(std::max(width, 0));
  if (field.size() >= w) {
    out.append(field.substr(0, w));
    return;
  }
  if (right) out.append(w - field.size(), U' ');
  out.append(field);
  if (!right) out.append(w - field.size(), U' ');
}

// A line to be left alone by the quote and final-separator operations.
bool untouchable(const Text& line) {
  return line.empty() || isEndMarker(line);
}

// A record is quoted when a quote-separator-quote joins two of its fields, or, having one field
// only, when that field is enclosed in quotes.
bool isQuoted(const Text& line, char32_t s) {
  const Text quoted = Text(U"\"") + s + U"\"";
  if (line.find(quoted) != Text::npos) return true;
  const std::size_t end = !line.empty() && line.back() == s ? line.size() - 1 : line.size();
  return end >= 2 && line.front() == '"' && line[end - 1] == '"' && line.find(s) >= end;
}

}  // namespace

// --- lines ---

Text compressLine(const Text& line, char32_t splitSeparator, char32_t listSeparator) {
  Text out;
  out.reserve(line.size() + 1);
  forEachTrimmedField(line, splitSeparator, [&](TextView field) {
    out.append(field);
    out.push_back(listSeparator);
  });
  return out;
}

void compressLines(std::vector<Text>& lines, ListState& state) {
  if (lines.empty()) return;
  state.detectedSeparator = detectSeparator(lines.front());
  const bool marker = takeEndMarker(lines);
  for (Text& line : lines) line = compressLine(line, state.detectedSeparator, state.listSeparator);
  restoreEndMarker(lines, marker);
}

std::vector<int> columnWidths(const std::vector<Text>& lines, char32_t separator) {
  std::vector<int> widths;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::size_t column = 0;
    forEachTrimmedField(lines[i], separator, [&](TextView field) {
      if (column == widths.size()) widths.push_back(0);
      widths[column] = std::max(widths[column], static_cast<int>(field.size()));
      ++column;
    });
  }
  return widths;
}

Text alignLine(const Text& line, char32_t splitSeparator, char32_t listSeparator,
               const std::vector<int>& widths, const Text& extraBlank) {
  Text out;
  std::size_t column = 0;
  forEachTrimmedField(line, splitSeparator, [&](TextView field) {
    if (column < widths.size()) {
      const int width = widths[column];
      if (isNumber(field)) {
        out += extraBlank;
        appendPadded(out, field, width, true);
      } else {
        appendPadded(out, field, width, false);
        out += extraBlank;
      }
    } else {
      out.append(field);
    }
    out.push_back(listSeparator);
    ++column;
  });
  return out;
}

void expandLines(std::vector<Text>& lines, ListState& state) {
  if (lines.empty()) return;
  state.detectedSeparator = detectSeparator(lines.front());
  const bool marker = takeEndMarker(lines);
  const std::vector<int> widths = columnWidths(lines, state.detectedSeparator);
  auto& fields = state.table.fields;
  for (std::size_t i = 0; i < fields.size() && i < widths.size(); ++i) fields[i].width = widths[i];
  for (Text& line : lines)
    line = alignLine(line, state.detectedSeparator, state.listSeparator, widths, state.extraBlank);
  restoreEndMarker(lines, marker);
}

Text formatHeader(const ListState& state, const Text& firstRecord) {
  const char32_t s = state.listSeparator;
  const std::vector<Text> names = plainSplit(state.loadedHeader, s);
  const std::vector<Text> values = plainSplit(firstRecord, s);
  Text header;
  for (int i = 1; i <= state.table.fieldCount(); ++i) {
    const auto index = static_cast<std::size_t>(i - 1);
    const Text name = index < names.size() ? trim(names[index]) : Text();
    const Text value = index < values.size() ? trim(values[index]) : Text();
    const int width = state.table.field(i).width;
    if (readNumber(value)) {
      header += state.extraBlank;
      header += padLeft(name, width);
    } else {
      header += padRight(name, width);
      header += state.extraBlank;
    }
    header += s;
  }
  return header;
}

bool adoptShownHeader(const Text& line, ListState& state) {
  if (state.loadedHeader.empty()) return true;
  const std::vector<Text> shown = trimmedSplit(line, detectSeparator(line));
  std::vector<Text> names = plainSplit(state.loadedHeader, state.listSeparator);
  if (shown.empty() || shown.size() != names.size()) return false;
  std::size_t kept = 0;
  std::size_t changed = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const Text typed = trim(shown[i]);
    if (startsWith(trim(names[i]), typed)) {
      if (!typed.empty()) ++kept;
    } else {
      ++changed;
    }
  }
  if (kept == 0 || kept < changed) return false;
  if (changed == 0) return true;
  Text header;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const Text typed = trim(shown[i]);
    if (!startsWith(trim(names[i]), typed)) {
      names[i] = typed;
      if (i < state.table.fields.size()) state.table.fields[i].name = typed;
    }
    header += names[i];
    if (i + 1 < names.size() || state.loadedHeader.back() == state.listSeparator)
      header += state.listSeparator;
  }
  state.loadedHeader = header;
  for (const FieldInfo& field : state.table.fields)
    state.table.longestNameLength =
        std::max(state.table.longestNameLength, static_cast<int>(field.name.size()));
  return true;
}

bool formatHeaderLine(std::vector<Text>& lines, ListState& state, bool databaseLoaded) {
  // Not for a record the sort put on top, nor in place of an end marker that is all the text
  // holds.
  if (!databaseLoaded || state.table.fieldCount() == 0 || lines.empty() ||
      isEndMarker(lines.front()) || !adoptShownHeader(lines.front(), state))
    return false;
  state.displayedHeader = formatHeader(state, lines.size() > 1 ? lines[1] : Text());
  lines.front() = state.displayedHeader;
  return true;
}

void formatDisplayLines(std::vector<Text>& lines, ListState& state, bool headerLine) {
  if (lines.empty()) return;
  compressLines(lines, state);
  expandLines(lines, state);
  formatHeaderLine(lines, state, headerLine);
}

void insertQuotes(std::vector<Text>& lines) {
  if (lines.size() < 2) return;
  const char32_t s = detectSeparator(lines.front());
  const Text quote = U"\"";
  const Text quoted = quote + s + quote;
  if (isQuoted(lines[1], s)) return;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    Text& line = lines[i];
    if (untouchable(line)) continue;
    const bool finalSeparator = line.back() == s;
    if (finalSeparator) line.pop_back();
    line = quote + replaceAll(line, Text(1, s), quoted, CaseMode::Exact).text + quote;
    if (finalSeparator) line.push_back(s);
  }
}

void removeQuotes(std::vector<Text>& lines) {
  if (lines.size() < 2) return;
  const char32_t s = detectSeparator(lines.front());
  const Text quoted = Text(U"\"") + s + U"\"";
  if (!isQuoted(lines[1], s)) return;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    Text& line = lines[i];
    if (untouchable(line)) continue;
    const bool finalSeparator = line.back() == s;
    if (finalSeparator) line.pop_back();
    if (!line.empty() && line.back() == '"') line.pop_back();
    if (!line.empty() && line.front() == '"') line.erase(0, 1);
    line = replaceAll(line, quoted, Text(1, s), CaseMode::Exact).text;
    if (finalSeparator) line.push_back(s);
  }
}

void addLastSeparator(std::vector<Text>& lines) {
  if (lines.size() < 2) return;
  const char32_t s = detectSeparator(lines.front());
  for (Text& line : lines)
    if (!untouchable(line) && line.back() != s) line.push_back(s);
}

void deleteLastSeparator(std::vector<Text>& lines) {
  if (lines.size() < 2) return;
  const char32_t s = detectSeparator(lines.front());
  for (Text& line : lines)
    if (!line.empty() && line.back() == s) line.pop_back();
}

std::optional<char32_t> parseSeparatorAnswer(const Text& answer) {
  const Text a = trim(upperAscii(answer));
  if (a == U";") return ';';
  if (a == U",") return ',';
  if (a == U"TAB") return kTab;
  return std::nullopt;
}

Text separatorName(char32_t separator) {
  return separator == kTab ? Text(U"TAB") : Text(1, separator);
}

Text separatorPrompt(char32_t current) {
  return U" \rAktueller Datenfeld-Separator =  \"" + separatorName(current) +
         U"\"  \r \rSeparatoren: \";\" oder \"TAB\" oder \",\"\r \r"
         U"Abbrechen der Routine mit \"0\"\r ";
}

}  // namespace korvale
