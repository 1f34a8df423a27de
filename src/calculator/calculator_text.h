// How the calculator writes its numbers and reads the arguments of its commands.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"

namespace korvale {

inline constexpr int kDefaultDecimals = 2;
inline constexpr int kMaxDecimals = 14;
// More arguments than this make a command fail.
inline constexpr int kMaxArguments = 100;

// Fixed-point with `decimals` digits after the point. A value that rounds to zero shows no
// minus sign: "-0.00" would only puzzle.
Text displayNumber(double value, int decimals);
// displayNumber without trailing zeros after the point, then without a trailing point.
Text resultText(double value, int decimals);

// A variable's value as it stands in for its letter among a command's arguments: up to 16
// decimals, no trailing zeros, no trailing point.
Text substitutionText(double value);
// Every letter, in either case, replaced by its variable's value (so "2*a" stays a formula).
Text substituteVariables(const Text& text, const VariableTable& variables);

// The text between the first "(" and the first ")" after it.
std::optional<Text> shortArgument(const Text& text);
// The text after the first "(" up to the final character, which must be ")", split at every
// "," with each part trimmed: the formula first, then the numeric arguments.
std::optional<std::vector<Text>> longArguments(const Text& text);

struct NumberList {
  std::vector<double> numbers;
  int parts = 0;  // the parts between the commas, numbers or not
  bool valid = false;
};
// Numbers with "." as the decimal point separated by ","; valid when every trimmed part is a
// number and there are at most kMaxArguments of them.
NumberList readNumberList(const Text& text);
// Substitutes the variables into each text and joins them with ",".
Text joinArguments(const std::vector<Text>& texts, const VariableTable& variables);

}  // namespace korvale
