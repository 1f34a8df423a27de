#include "calculator/calculator.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "calculator/calculator_commands.h"
#include "calculator/calculator_text.h"
#include "formula/evaluator.h"

namespace korvale {

namespace {

bool evaluated(int code) {
  return code >= 1 && code <= 3;
}

// The letter of a text that is one letter A-Z in either case.
std::optional<char> singleLetter(const Text& text) {
  if (text.size() != 1) return std::nullopt;
  const char32_t c = text[0];
  if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return static_cast<char>(c);
  return std::nullopt;
}

}  // namespace

Calculator::Calculator(CalculatorPorts ports) : p_(std::move(ports)) {
  rebuildVariables();
}

void Calculator::opened() {
  everOpened_ = true;
  decimalsAtOpening_ = decimals_;
  others_ = p_.variables.values();
  p_.variables.clear();
  p_.variables.setValues(own_);
  rebuildVariables();
  p_.input.clear();
  if (p_.focusInput) p_.focusInput();
}

void Calculator::closed() {
  own_ = p_.variables.values();
  p_.variables.setValues(others_);
  decimals_ = decimalsAtOpening_;
}

Text Calculator::preparedInput() const {
  return replaceAll(trim(p_.input.plainText()), U"^^", U"^", CaseMode::Exact).text;
}

void Calculator::evaluate() {
  const Text prepared = preparedInput();
  if (prepared.empty()) return;
  show(evaluateText(prepared));
  focusAndMark();
}

Text Calculator::evaluateText(const Text& prepared) {
  if (const std::optional<CalculatorCommand> command = findCommand(prepared)) {
    CommandContext c{p_.variables, p_.dialogs, p_.keys, p_.cursor, decimals_};
    return runCommand(*command, prepared, c);
  }
  if (prepared.find(U'=') != Text::npos) return assign(prepared);
  int code = 0;
  const double value = EvaluateFormula(prepared, code, p_.variables);
  if (!evaluated(code) || !std::isfinite(value)) return kCalculatorError;
  return resultText(value, decimals_);
}

// "a = 3*4" and "3*4 = a" both store 12 in a.
Text Calculator::assign(const Text& prepared) {
  const std::size_t equals = prepared.find(U'=');
  Text left = trim(prepared.substr(0, equals));
  Text right = trim(prepared.substr(equals + 1));
  if (left.empty()) left = U"0";
  if (right.empty()) right = U"0";
  int code = 0;
  double value = EvaluateFormula(right, code, p_.variables);
  std::optional<char> target = singleLetter(left);
  if (!target || !evaluated(code)) {
    value = EvaluateFormula(left, code, p_.variables);
    target = evaluated(code) ? singleLetter(right) : std::nullopt;
  }
  if (!target) return kAssignmentError;
  p_.variables.set(*target, value);
  rebuildVariables();
  variableLine_ = (*target | 0x20) - 'a';
  return resultText(value, decimals_);
}

void Calculator::show(const Text& text) {
  p_.input.setPlainText(text);
}

void Calculator::focusAndMark() {
  p_.input.markAll();
  if (p_.focusInput) p_.focusInput();
}

Text Calculator::display(double value) const {
  return displayNumber(value, decimals_);
}

void Calculator::rebuildVariables() {
  variableLines_.clear();
  for (int i = 0; i < VariableTable::kCount; ++i) {
    variableLines_.push_back(U" " + Text(1, static_cast<char32_t>(U'a' + i)) + U" = " +
                             display(p_.variables.at(i + 1)));
  }
  variableLine_ = 0;
}

void Calculator::close() {
  if (p_.close) p_.close();
}

void Calculator::storeMemory() {
  const Text prepared = preparedInput();
  if (!prepared.empty()) memory_ = prepared;
}

void Calculator::insertMemory() {
  if (!memory_.empty()) p_.input.replaceMarked(memory_);
}

void Calculator::askDecimals() {
  const Text preset = intToText(decimals_);
  const std::optional<Text> answer = p_.dialogs.input(
      U" Dezimalstellen (0...14) ", U"gültig nur für den aktuellen Aufruf des Rechners", preset);
  const std::optional<int> n = readWholeNumber(trim(upperAscii(answer.value_or(preset))));
  decimals_ = n && *n >= 0 && *n <= kMaxDecimals ? *n : kDefaultDecimals;
  rebuildVariables();
  if (const std::optional<double> value = readNumber(trim(p_.input.plainText())))
    show(display(*value));
  focusAndMark();
}

void Calculator::addToSums() {
  const std::optional<double> value = readNumber(trim(p_.input.plainText()));
  if (value) {
    ++count_;
    sum_ += *value;
    sumOfSquares_ += *value * *value;
  } else {
    show(kCalculatorError);
  }
  focusAndMark();
}

void Calculator::showCount() {
  show(U"n = " + intToText(count_));
  focusAndMark();
}

void Calculator::showSum() {
  show(std::isfinite(sum_) ? U"x = " + display(sum_) : kCalculatorError);
  focusAndMark();
}

void Calculator::showSumOfSquares() {
  show(std::isfinite(sumOfSquares_) ? U"y = " + display(sumOfSquares_) : kCalculatorError);
  focusAndMark();
}

void Calculator::startDesktopCalculator() {
  if (!p_.startDesktopCalculator || !p_.startDesktopCalculator())
    p_.dialogs.message(U"Calculator nicht gefunden");
  focusAndMark();
}

void Calculator::insertSquareRoot() {
  p_.input.replaceMarked(U"sqrt()");
  if (const std::optional<TextPos> pair = p_.input.find(U"()", TextPos{}, true))
    p_.input.setCaret(TextPos{pair->line, pair->column + 1});
}

void Calculator::insertSquare() {
  p_.input.replaceMarked(U"^2");
}

void Calculator::clearAll() {
  p_.variables.clear();
  count_ = 0;
  sum_ = 0;
  sumOfSquares_ = 0;
  rebuildVariables();
  show(U"0");
  focusAndMark();
}

void Calculator::toggleVariables() {
  variablesShown_ = !variablesShown_;
  rebuildVariables();
  focusAndMark();
}

}  // namespace korvale
