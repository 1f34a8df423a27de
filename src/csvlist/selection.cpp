#include "csvlist/selection.h"

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

namespace {

constexpr int kMaxFields = 50;

// The text between the (k-1)-th and the k-th separator; empty when the line has fewer than k.
// The value is not cut to a recorded field width: a stale width would make a longer value
// compare as its first characters only.
Text fieldBetweenSeparators(const Text& line, char32_t separator, int k) {
  const int end = nthSeparatorPosition(line, separator, k);
  if (end == 0) return Text();
  const int start = k == 1 ? 0 : nthSeparatorPosition(line, separator, k - 1);
  return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start - 1));
}

bool numericHit(char32_t op, std::optional<double> value, double term) {
  if (!value) return op == '!';
  const double v = *value;
  switch (op) {
    case '=':
      return v == term;
    case '!':
      return v != term;
    case '<':
      return v < term;
    case '>':
      return v > term;
    case '-':
      return v <= term;
    case '+':
      return v >= term;
  }
  return false;
}

bool textHit(char32_t op, const Text& value, const Text& term) {
  switch (op) {
    case '=':
      return value == term;
    case '!':
      return value != term;
    case '<':
      return value < term;
    case '>':
      return value > term;
    case '-':
      return startsWith(value, term);
    case '+':
      return value.find(term) != Text::npos;
  }
  return false;
}

}  // namespace

SelectionResult selectRecords(const std::vector<Text>& lines, char32_t listSeparator,
                              const SelectionRequest& request) {
  SelectionResult result;
  const std::optional<int> k = readWholeNumber(trim(request.fieldNumber));
  if (!k || *k < 1 || *k > kMaxFields) {
    result.outcome = SelectionOutcome::BadFieldNumber;
    return result;
  }
  const Text op = trim(request.op);
  if (op.empty() || Text(U"!,=,<,>,-,+").find(op) == Text::npos) {
    result.outcome = SelectionOutcome::BadOperator;
    return result;
  }
  const Text term = trim(lowerAscii(request.term));
  if (term.empty()) {
    result.outcome = SelectionOutcome::EmptyTerm;
    return result;
  }

  std::vector<Text> records = lines;
  takeEndMarker(records);
  if (records.empty()) {
    result.outcome = SelectionOutcome::NoHits;
    return result;
  }
  const Text header = records.front();
  records.erase(records.begin());

  std::vector<Text> values;
  values.reserve(records.size());
  for (const Text& record : records)
    values.push_back(trim(lowerAscii(fieldBetweenSeparators(record, listSeparator, *k))));

  const bool numeric = !values.empty() && readNumber(values.front()).has_value();
  std::optional<double> numericTerm;
  if (numeric) {
    numericTerm = readNumber(term);
    if (!numericTerm) {
      result.outcome = SelectionOutcome::TermNotNumeric;
      return result;
    }
  }

  // Only the six single characters select; other accepted texts such as "," match nothing.
  const char32_t opChar = op.size() == 1 ? op.front() : '\0';
  result.lines.push_back(header);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const bool hit = numeric ? numericHit(opChar, readNumber(values[i]), *numericTerm)
                             : textHit(opChar, values[i], term);
    if (hit) result.lines.push_back(records[i]);
  }
  result.outcome = result.lines.size() > 1 ? SelectionOutcome::Selected : SelectionOutcome::NoHits;
  if (result.outcome == SelectionOutcome::NoHits) result.lines.clear();
  return result;
}

Text selectionMessage(SelectionOutcome outcome) {
  switch (outcome) {
    case SelectionOutcome::Selected:
      return Text();
    case SelectionOutcome::BadFieldNumber:
      return U"Abbruch: Falsche Spaltennummer !";
    case SelectionOutcome::BadOperator:
      return U"Abbruch: Falscher Suchoperator !";
    case SelectionOutcome::EmptyTerm:
      return U"Abbruch: Leerer Suchbegriff !";
    case SelectionOutcome::TermNotNumeric:
      return U"Abbruch: Kein numerischer Suchbegriff!";
    case SelectionOutcome::NoHits:
      return U"KEINE gesuchten Datensätze gefunden !";
  }
  return Text();
}

}  // namespace korvale
