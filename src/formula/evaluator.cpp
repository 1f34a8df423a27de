#include "formula/evaluator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <optional>

#include "formula/formula_math.h"
#include "formula/preparation.h"

namespace korvale {

namespace {

enum Token : std::uint8_t {
  kPlus,
  kMinus,
  kTimes,
  kDivide,
  kPower,
  kColon,
  kLeft,
  kRight,
  kNumber,
  kVariable,
  kFunction,
  kEnd,
  kBad,
  kTokenCount
};

// ---- Parse tables -------------------------------------------------------------------------

constexpr int kStateCount = 30;

struct Action {
  enum Kind : std::uint8_t { kError, kShift, kReduce, kAccept };
  Kind kind = kError;
  std::uint8_t target = 0;  // state to shift to, or production to reduce by
};

enum Nonterminal : std::uint8_t { kSum, kProduct, kPowerTerm, kSigned, kOperand, kPrimary };

struct Production {
  Nonterminal left;
  std::uint8_t removes;
};

// Indexed by production number; entry 0 is unused.
constexpr std::array<Production, 17> kProductions = {{
    {kSum, 0},
    {kSum, 3},        // 1  E -> E + T
    {kSum, 3},        // 2  E -> E - T
    {kSum, 1},        // 3  E -> T
    {kProduct, 3},    // 4  T -> T * F
    {kProduct, 3},    // 5  T -> T / F
    {kProduct, 1},    // 6  T -> F
    {kPowerTerm, 3},  // 7  F -> S ^ F
    {kPowerTerm, 1},  // 8  F -> S
    {kSigned, 2},     // 9  S -> - X
    {kSigned, 1},     // 10 S -> X
    {kOperand, 0},    // 11 X -> VARIABLE : VARIABLE
    {kOperand, 1},    // 12 X -> P
    {kPrimary, 1},    // 13 P -> VARIABLE
    {kPrimary, 3},    // 14 P -> ( E )
    {kPrimary, 1},    // 15 P -> NUMBER
    {kPrimary, 4},    // 16 P -> FUNCTION ( E )
}};

using ActionTable = std::array<std::array<Action, kTokenCount>, kStateCount>;

constexpr ActionTable makeActionTable() {
  ActionTable table{};
  const auto shift = [](int state) { return Action{Action::kShift, std::uint8_t(state)}; };
  const auto reduce = [](int production) {
    return Action{Action::kReduce, std::uint8_t(production)};
  };
  const auto reduceOtherwise = [&](int state, int production) {
    for (auto& action : table[state]) action = reduce(production);
  };
  const auto operandStart = [&](int state) {
    table[state][kNumber] = shift(10);
    table[state][kVariable] = shift(7);
    table[state][kFunction] = shift(11);
    table[state][kLeft] = shift(9);
  };

  for (int state : {0, 9, 12, 13, 14, 15, 16, 20}) {
    operandStart(state);
    table[state][kMinus] = shift(5);
  }
  table[1][kEnd] = Action{Action::kAccept, 0};
  table[1][kPlus] = shift(12);
  table[1][kMinus] = shift(13);
  reduceOtherwise(2, 3);
  table[2][kTimes] = shift(14);
  table[2][kDivide] = shift(15);
  reduceOtherwise(3, 6);
  reduceOtherwise(4, 8);
  table[4][kPower] = shift(16);
  operandStart(5);
  reduceOtherwise(6, 10);
  reduceOtherwise(7, 13);
  table[7][kColon] = shift(18);
  reduceOtherwise(8, 12);
  reduceOtherwise(10, 15);
  table[11][kLeft] = shift(20);
  reduceOtherwise(17, 9);
  table[18][kVariable] = shift(26);
  table[19][kPlus] = shift(12);
  table[19][kMinus] = shift(13);
  table[19][kRight] = shift(27);
  reduceOtherwise(21, 1);
  table[21][kTimes] = shift(14);
  table[21][kDivide] = shift(15);
  reduceOtherwise(22, 2);
  table[22][kTimes] = shift(14);
  table[22][kDivide] = shift(15);
  reduceOtherwise(23, 4);
  reduceOtherwise(24, 5);
  reduceOtherwise(25, 7);
  reduceOtherwise(26, 11);
  reduceOtherwise(27, 14);
  table[28][kPlus] = shift(12);
  table[28][kMinus] = shift(13);
  table[28][kRight] = shift(29);
  reduceOtherwise(29, 16);
  return table;
}

using GotoTable = std::array<std::array<std::uint8_t, kStateCount>, kPrimary + 1>;

// Combinations not set lead to state 0.
constexpr GotoTable makeGotoTable() {
  GotoTable table{};
  table[kSum][0] = 1;
  table[kSum][9] = 19;
  table[kSum][20] = 28;
  for (int state : {0, 9, 20}) table[kProduct][state] = 2;
  table[kProduct][12] = 21;
  table[kProduct][13] = 22;
  for (int state : {0, 9, 12, 13, 20}) table[kPowerTerm][state] = 3;
  table[kPowerTerm][14] = 23;
  table[kPowerTerm][15] = 24;
  table[kPowerTerm][16] = 25;
  for (int state : {0, 9, 12, 13, 14, 15, 16, 20}) {
    table[kSigned][state] = 4;
    table[kOperand][state] = 6;
  }
  table[kOperand][5] = 17;
  for (int state : {0, 5, 9, 12, 13, 14, 15, 16, 20}) table[kPrimary][state] = 8;
  return table;
}

constexpr ActionTable kActionTable = makeActionTable();
constexpr GotoTable kGotoTable = makeGotoTable();

// ---- Evaluation ---------------------------------------------------------------------------

// No member initialisers: the stack is not cleared on every call, entries are written by push.
struct TokenRecord {
  double value;
  std::uint8_t state;
  std::uint8_t variable;  // 1..26
  FormulaFunction function;
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// m such that digits with an optional point, not all zero, lie in [10^(m-1), 10^m).
long decimalMagnitude(std::string_view mantissa) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
  const long offset = static_cast<long>(point) - static_cast<long>(firstNonZero);
  return firstNonZero < point ? offset : offset + 1;
}

// Holds one evaluation's stack, buffer position, current token and flags; lives on the
// caller's stack, so evaluations do not share anything.
class Evaluation {
 public:
  Evaluation(std::string_view buffer, const VariableTable& variables, std::ostream& messages)
      : rest_(buffer), variables_(variables), messages_(messages) {}

  // Returns the result code; the value is in `result`.
  int run(double& result);

 private:
  static constexpr int kStackSize = 30;

  void readToken();
  void readNumber();
  void readName();
  void push(TokenRecord record, std::uint8_t state);
  void reduce(int production);
  double reducedValue(int production);
  double checked(double value);
  double checked(std::optional<double> value);
  double failed();

  std::string_view rest_;
  const VariableTable& variables_;
  std::ostream& messages_;
  std::array<TokenRecord, kStackSize> stack_;
  int count_ = 0;
  std::uint8_t topState_ = 0;  // kept apart so the next lookup need not wait for the push
  TokenRecord current_{};
  Token token_ = kEnd;
  bool syntaxError_ = false;
  bool mathError_ = false;
  bool variableUsed_ = false;
};

void Evaluation::readToken() {
  while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
  if (rest_.empty()) {
    token_ = kEnd;
    return;
  }
  const char c = rest_.front();
  if (isDigit(c) || c == '.') return readNumber();
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return readName();
  rest_.remove_prefix(1);
  // The single-character tokens have the codes of their position here.
  constexpr std::string_view kSymbols = "+-*/^:()";
  const std::size_t symbol = kSymbols.find(c);
  token_ = symbol == std::string_view::npos ? kBad : static_cast<Token>(symbol);
}

void Evaluation::readNumber() {
  std::size_t n = 0;
  bool point = false;
  while (n < rest_.size() && (isDigit(rest_[n]) || (rest_[n] == '.' && !point))) {
    point = point || rest_[n] == '.';
    ++n;
  }
  if (n == 1 && rest_[0] == '.') {
    token_ = kBad;
    return;
  }
  const std::size_t mantissaLength = n;
  if (n < rest_.size() && rest_[n] == 'E') {
    ++n;
    if (n < rest_.size() && (rest_[n] == '+' || rest_[n] == '-')) ++n;
    for (int digits = 0; digits < 3 && n < rest_.size() && isDigit(rest_[n]); ++digits) ++n;
  }
  const char* first = rest_.data();
  const char* last = first + n;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (end != last || (error != std::errc() && error != std::errc::result_out_of_range)) {
    mathError_ = true;
    value = 0;
  } else if (error == std::errc::result_out_of_range) {
    // Too small for a double reads as 0; too large is a math error.
    long exponent = 0;
    if (mantissaLength < n) {
      const char* digits = first + mantissaLength + 1;
      if (digits < last && *digits == '+') ++digits;
      std::from_chars(digits, last, exponent);
    }
    if (decimalMagnitude(rest_.substr(0, mantissaLength)) + exponent > 0) mathError_ = true;
    value = 0;
  }
  rest_.remove_prefix(n);
  current_.value = value;
  token_ = kNumber;
}

void Evaluation::readName() {
  for (std::size_t i = 0; i < kFormulaFunctionNames.size(); ++i) {
    if (rest_.front() == kFormulaFunctionNames[i].front() &&
        rest_.starts_with(kFormulaFunctionNames[i])) {
      rest_.remove_prefix(kFormulaFunctionNames[i].size());
      current_.function = static_cast<FormulaFunction>(i);
      token_ = kFunction;
      return;
    }
  }
  const char c = rest_.front();
  if (c >= 'A' && c <= 'Z') {
    rest_.remove_prefix(1);
    current_.variable = static_cast<std::uint8_t>(c - 'A' + 1);
    variableUsed_ = true;
    token_ = kVariable;
    return;
  }
  token_ = kBad;
}

void Evaluation::push(TokenRecord record, std::uint8_t state) {
  if (count_ == kStackSize) {
    messages_ << "\n STACK-ÜBERLAUF BEI DER FORMELAUSWERTUNG ! \n\n";
    syntaxError_ = true;
    return;
  }
  record.state = state;
  stack_[count_++] = record;
  topState_ = state;
}

// Values beyond the range of a double count as math errors like any other.
double Evaluation::checked(double value) {
  return std::isfinite(value) ? value : failed();
}

double Evaluation::checked(std::optional<double> value) {
  return value ? checked(*value) : failed();
}

double Evaluation::failed() {
  mathError_ = true;
  return 0;
}

double Evaluation::reducedValue(int production) {
  const TokenRecord* top = &stack_[count_ - 1];
  switch (production) {
    case 1:
      return checked(top[-2].value + top[0].value);
    case 2:
      return checked(top[-2].value - top[0].value);
    case 4:
      return checked(top[-2].value * top[0].value);
    case 5:
      if (top[0].value == 0) return failed();
      return checked(top[-2].value / top[0].value);
    case 7:
      return checked(formulaPower(top[-2].value, top[0].value));
    case 9:
      return -top[0].value;
    case 11:
      // A range of variables has no value; no caller writes one.
      syntaxError_ = true;
      return 0;
    case 13:
      return checked(variables_.at(top[0].variable));
    case 14:
      return top[-1].value;
    case 16:
      return checked(applyFormulaFunction(top[-3].function, top[-1].value));
    default:
      return top[0].value;  // a production with one symbol carries its value
  }
}

void Evaluation::reduce(int production) {
  const Production& rule = kProductions[production];
  if (rule.removes == 1 && production != 13) {
    // A single symbol that passes its value on: relabel the top entry where it stands.
    const std::uint8_t state = kGotoTable[rule.left][stack_[count_ - 2].state];
    stack_[count_ - 1].state = state;
    topState_ = state;
    return;
  }
  TokenRecord reduced{};
  reduced.value = reducedValue(production);
  if (syntaxError_) return;
  count_ -= kProductions[production].removes;
  const std::uint8_t exposed = stack_[count_ - 1].state;
  push(reduced, kGotoTable[kProductions[production].left][exposed]);
}

int Evaluation::run(double& result) {
  push(TokenRecord{}, 0);
  readToken();
  bool accepted = false;
  while (!accepted && !syntaxError_) {
    const Action action = kActionTable[topState_][token_];
    switch (action.kind) {
      case Action::kShift:
        push(current_, action.target);
        readToken();
        break;
      case Action::kReduce:
        reduce(action.target);
        break;
      case Action::kAccept:
        accepted = true;
        break;
      case Action::kError:
        syntaxError_ = true;
        break;
    }
  }
  result = 0;
  if (syntaxError_) return kFormulaMalformed;
  const int code = variableUsed_ ? kFormulaEvaluatedWithVariable : kFormulaEvaluated;
  if (mathError_) return code + 4;
  const double value = stack_[count_ - 1].value;
  if (std::fabs(value) >= 1E-12) result = value;
  return code;
}

}  // namespace

double EvaluateFormula(std::string_view formula, int& code, const VariableTable& variables,
                       std::ostream& messages) {
  FormulaBuffer buffer;
  prepareFormula(formula, buffer);
  if (buffer.length == 0) {
    code = kFormulaMalformed;
    return 0;
  }
  double result = 0;
  code = Evaluation(buffer.view(), variables, messages).run(result);
  return result;
}

double EvaluateFormula(std::string_view formula, int& code, const VariableTable& variables) {
  return EvaluateFormula(formula, code, variables, std::cout);
}

double EvaluateFormula(const Text& formula, int& code, const VariableTable& variables,
                       std::ostream& messages) {
  // "?" is no token, and preparing the formula neither drops nor changes it.
  return EvaluateFormula(asciiBytes(formula, '?'), code, variables, messages);
}

double EvaluateFormula(const Text& formula, int& code, const VariableTable& variables) {
  return EvaluateFormula(formula, code, variables, std::cout);
}

}  // namespace korvale
