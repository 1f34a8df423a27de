#include "calculator/calculator_text.h"

#include "base/numbers.h"
#include "base/text_routines.h"

namespace korvale {

namespace {

bool onlyZeros(const Text& number) {
  return number.find_first_not_of(U"-0.") == Text::npos;
}

// Every part between the commas, empty ones included.
std::vector<Text> splitAtCommas(const Text& text) {
  std::vector<Text> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(U',', start);
    parts.push_back(text.substr(start, comma == Text::npos ? Text::npos : comma - start));
    if (comma == Text::npos) return parts;
    start = comma + 1;
  }
}

Text withoutTrailingZeros(Text number) {
  if (number.find(U'.') == Text::npos) return number;
  while (number.back() == U'0') number.pop_back();
  if (number.back() == U'.') number.pop_back();
  return number;
}

}  // namespace

Text displayNumber(double value, int decimals) {
  Text number = formatFixed(value, decimals);
  if (!number.empty() && number.front() == U'-' && onlyZeros(number)) number.erase(0, 1);
  return number;
}

Text resultText(double value, int decimals) {
  return withoutTrailingZeros(displayNumber(value, decimals));
}

Text substitutionText(double value) {
  return withoutTrailingZeros(displayNumber(value, 16));
}

Text substituteVariables(const Text& text, const VariableTable& variables) {
  Text result = text;
  for (char32_t letter = U'A'; letter <= U'Z'; ++letter) {
    if (result.find_first_of(Text{letter, static_cast<char32_t>(letter - U'A' + U'a')}) ==
        Text::npos)
      continue;
    const double value = variables.get(static_cast<char>(letter));
    result =
        replaceAll(result, Text(1, letter), substitutionText(value), CaseMode::IgnoreAscii).text;
  }
  return result;
}

std::optional<Text> shortArgument(const Text& text) {
  const std::size_t open = text.find(U'(');
  if (open == Text::npos) return std::nullopt;
  const std::size_t close = text.find(U')', open + 1);
  if (close == Text::npos) return std::nullopt;
  return text.substr(open + 1, close - open - 1);
}

std::optional<std::vector<Text>> longArguments(const Text& text) {
  const std::size_t open = text.find(U'(');
  if (open == Text::npos || text.size() < open + 2 || text.back() != U')') return std::nullopt;
  std::vector<Text> parts = splitAtCommas(text.substr(open + 1, text.size() - open - 2));
  for (Text& part : parts) part = trim(part);
  return parts;
}

NumberList readNumberList(const Text& text) {
  NumberList list;
  const std::vector<Text> parts = splitAtCommas(text);
  list.parts = static_cast<int>(parts.size());
  list.valid = list.parts <= kMaxArguments;
  for (std::size_t i = 0; list.valid && i < parts.size(); ++i) {
    const std::optional<double> number = readNumber(trim(parts[i]));
    if (number)
      list.numbers.push_back(*number);
    else
      list.valid = false;
  }
  if (!list.valid) list.numbers.clear();
  return list;
}

Text joinArguments(const std::vector<Text>& texts, const VariableTable& variables) {
  Text joined;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) joined += U',';
    joined += substituteVariables(texts[i], variables);
  }
  return joined;
}

}  // namespace korvale
