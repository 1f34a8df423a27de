#include "listtools/replace_expression.h"

#include <cmath>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "formula/evaluator.h"
#include "listtools/list_text.h"

namespace korvale {

namespace {

// Every symbol in the text, left to right, replaced by the value, an empty value too (the
// general replace-all leaves a text alone when the replacement is empty).
Text replaceSymbol(const Text& text, const Text& symbol, const Text& value) {
  Text out;
  std::size_t from = 0;
  for (std::size_t at = text.find(symbol); at != Text::npos; at = text.find(symbol, from)) {
    out.append(text, from, at - from);
    out += value;
    from = at + symbol.size();
  }
  if (from == 0) return text;
  out.append(text, from, Text::npos);
  return out;
}

std::vector<Text> commaParts(const Text& symbol) {
  std::vector<Text> parts(1);
  for (char32_t ch : symbol) {
    if (ch == U',')
      parts.emplace_back();
    else
      parts.back() += ch;
  }
  return parts;
}

}  // namespace

ParsedReplace parseReplaceExpression(const Text& expression) {
  ParsedReplace out;
  Text work = expression;
  // The scan blanks the brackets of each symbol it has read, so it moves on to the next one.
  Text scan = expression;
  for (std::size_t open = scan.find(U'<'); open != Text::npos; open = scan.find(U'<')) {
    const std::size_t close = scan.find(U'>');
    if (close == Text::npos) {
      out.error = ReplaceError::UnclosedSymbol;
      return out;
    }
    const Text symbol = close > open ? scan.substr(open + 1, close - open - 1) : Text();
    const int field = symbol.size() > 1 ? leadingDigits(symbol.substr(1)) : 0;
    const std::vector<Text> parts = commaParts(symbol);
    FieldExtraction extraction;
    if (parts.size() == 3) {
      const auto start = readWholeNumber(parts[1]);
      const auto length = readWholeNumber(parts[2]);
      if (!start || !length) {
        out.error = ReplaceError::BadExtraction;
        return out;
      }
      extraction = {*start, *length};
      work = replaceAll(work, U"," + parts[1] + U"," + parts[2], U" ", CaseMode::Exact).text;
    }
    if (field >= 1) out.tpl.extractions[field] = extraction;
    scan[open] = U' ';
    scan[close] = U' ';
  }
  work = replaceAll(work, U" >", U">", CaseMode::Exact).text;
  for (char32_t& ch : work)
    if (ch == U'f') ch = U'F';
  out.tpl.text = work;
  return out;
}

Text fillReplaceTemplate(const ReplaceTemplate& tpl, const std::vector<Text>& fields) {
  Text filled = tpl.text;
  for (std::size_t i = 0; i < fields.size() && filled.find(U'<') != Text::npos; ++i) {
    const int k = static_cast<int>(i + 1);
    const Text symbol = U"<F" + intToText(k) + U">";
    Text value = trim(fields[i]);
    const auto named = tpl.extractions.find(k);
    if (named != tpl.extractions.end() && named->second.start > 0 && named->second.length > 0) {
      const auto from = static_cast<std::size_t>(named->second.start - 1);
      value = from < value.size()
                  ? value.substr(from, static_cast<std::size_t>(named->second.length))
                  : Text();
    }
    filled = replaceSymbol(filled, symbol, value);
  }
  return filled;
}

Text replacementValue(const ReplaceTemplate& tpl, const std::vector<Text>& fields, bool numeric,
                      const VariableTable& variables) {
  const Text filled = fillReplaceTemplate(tpl, fields);
  if (!numeric) return filled;
  int code = 0;
  double value = EvaluateFormula(filled, code, variables);
  if ((code != kFormulaEvaluated && code != kFormulaEvaluatedWithVariable) || !std::isfinite(value))
    value = 0;
  return trim(formatFixed(value, 2));
}

}  // namespace korvale
