// The pieces of the column operations a scenario reaches only in part: fields addressed in lines
// of every shape, the case of letters beyond German, and the replace expression's symbols.
#include <gtest/gtest.h>

#include "listtools/column_fields.h"
#include "listtools/column_operations.h"
#include "listtools/replace_expression.h"

namespace korvale {
namespace {

TEST(ColumnFields, AddressedBySeparators) {
  struct Row {
    Text line;
    int field;
    Text text, replaced, removed, inserted;
  } rows[] = {
      {U"a;bb;c;", 1, U"a", U"X;bb;c;", U"bb;c;", U"X;a;bb;c;"},
      {U"a;bb;c;", 2, U"bb", U"a;X;c;", U"a;c;", U"a;X;bb;c;"},
      {U"a;bb;c;", 3, U"c", U"a;bb;X;", U"a;bb;", U"a;bb;X;c;"},
      {U"a;bb;c;", 4, U"", U"a;bb;c;", U"a;bb;c;", U"a;bb;c;X;"},
      // A last field without its separator (after F8) is a field all the same.
      {U"a;bb", 2, U"bb", U"a;X", U"a;", U"a;X;bb;"},
      {U"a", 1, U"a", U"X", U"", U"X;a;"},
      // A line shorter than the column stays as it is, and a new field stands in its column.
      {U"a;", 3, U"", U"a;", U"a;", U"a;;X;"},
      {U"", 1, U"", U"", U"", U"X;"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(toUtf8(r.line) + " field " + std::to_string(r.field));
    EXPECT_EQ(fieldText(r.line, U';', r.field), r.text);
    EXPECT_EQ(withField(r.line, U';', r.field, U"X"), r.replaced);
    EXPECT_EQ(withoutField(r.line, U';', r.field), r.removed);
    EXPECT_EQ(withInsertedField(r.line, U';', r.field, U"X"), r.inserted);
  }
}

TEST(ColumnOperations, CaseOfLetters) {
  struct Row {
    Text field, lower, capital, upper;
  } rows[] = {
      {U"MÖBEL ", U"möbel ", U"Möbel ", U"MÖBEL "},
      {U"straße", U"straße", U"Straße", U"STRASSE"},
      {U"ÖLBERG", U"ölberg", U"Ölberg", U"ÖLBERG"},
      {U"ŞEHİR Łódź", U"şehir łódź", U"Şehir łódź", U"ŞEHİR ŁÓDŹ"},
      {U"  12", U"  12", U"  12", U"  12"},  // a field that begins with a blank keeps it
      {U"", U"", U"", U""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(lowerField(r.field, false), r.lower) << toUtf8(r.field);
    EXPECT_EQ(lowerField(r.field, true), r.capital) << toUtf8(r.field);
    EXPECT_EQ(upperField(r.field), r.upper) << toUtf8(r.field);
  }
}

TEST(ReplaceExpression, SymbolsFilledFromTheRecord) {
  const std::vector<Text> record = {U" 7 ", U"Albers  ", U"Jana", U"", U"Bremen", U"",
                                    U"",    U"",         U"",     U"", U"",       U"12.5"};
  struct Row {
    Text expression;
    bool numeric;
    Text value;
  } rows[] = {
      {U"(2*<F12> - <F1>)/5", true, U"3.60"},
      {U"<F3>, <F2>", false, U"Jana, Albers"},
      {U"<f3>, <F2>", false, U"Jana, Albers"},  // f is F
      {U"<F2,1,3>", false, U"Alb"},
      {U"<F5,2,3>-<F2,9,2>", false, U"rem-"},  // past the end of a field: what is there
      {U"<F5,0,3>", false, U"Bremen"},         // no positive start: the whole field
      {U"<F1>/(<F1>-7)", true, U"0.00"},       // a division by zero
      {U"<F2>", true, U"0.00"},                // a text is no formula
      {U"<F13>+1", true, U"0.00"},             // a field the record lacks stays a symbol
      {U"<F13> <F0>", false, U"<F13> <F0>"},
      {U"<F99999999999>", false, U"<F99999999999>"},  // any field number, nothing overrun
      {U"<F4>, <F3>", false, U", Jana"},              // an empty field is no symbol left
      {U"x>y<F1>", false, U"x>y7"},
      {U"ab", false, U"ab"},
      {U"", false, U""},
  };
  VariableTable variables;
  for (const auto& r : rows) {
    const ParsedReplace parsed = parseReplaceExpression(r.expression);
    ASSERT_EQ(parsed.error, ReplaceError::None) << toUtf8(r.expression);
    EXPECT_EQ(replacementValue(parsed.tpl, record, r.numeric, variables), r.value)
        << toUtf8(r.expression);
  }
}

TEST(ReplaceExpression, WrongSymbolsAreRefused) {
  struct Row {
    Text expression;
    ReplaceError error;
  } rows[] = {
      {U"<F9", ReplaceError::UnclosedSymbol},     {U"<F1> + <F2", ReplaceError::UnclosedSymbol},
      {U"<F9,x,2>", ReplaceError::BadExtraction}, {U"<F9,2,>", ReplaceError::BadExtraction},
      {U"<F9,2,3,4>", ReplaceError::None},        {U"<F9,2>", ReplaceError::None},
  };
  for (const auto& r : rows)
    EXPECT_EQ(parseReplaceExpression(r.expression).error, r.error) << toUtf8(r.expression);
}

}  // namespace
}  // namespace korvale
