// The expression of "Replace FX": a text or a formula in which <Fxx> stands for field xx of the
// record and <Fxx,a,b> for the b characters of that field from position a on.
#pragma once

#include <map>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"

namespace korvale {

enum class ReplaceError {
  None,
  UnclosedSymbol,  // a "<" without a ">" after it: " Eingabefehler 1 "
  BadExtraction,   // <Fxx,a,b> whose a or b is no whole number: " Eingabefehler 2 "
};

// The characters a symbol takes from its field, from 1.
struct FieldExtraction {
  int start = 1;
  int length = 50;
};

struct ReplaceTemplate {
  Text text;  // the expression with every symbol written <Fxx> and every "f" as "F"
  std::map<int, FieldExtraction> extractions;  // by field number, any number a list can have
};

struct ParsedReplace {
  ReplaceError error = ReplaceError::None;
  ReplaceTemplate tpl;
};

ParsedReplace parseReplaceExpression(const Text& expression);

// The template with each <Fk> replaced by field k of the record (trimmed, extracted as its
// symbol asked). A symbol of a field the record lacks stays as it is.
Text fillReplaceTemplate(const ReplaceTemplate& tpl, const std::vector<Text>& fields);

// What the target field receives: the filled text, or for a numeric field the formula's value
// with two decimals, "0.00" when the filled text is no formula or its arithmetic fails.
Text replacementValue(const ReplaceTemplate& tpl, const std::vector<Text>& fields, bool numeric,
                      const VariableTable& variables);

}  // namespace korvale
