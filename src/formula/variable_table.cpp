#include "formula/variable_table.h"

#include <stdexcept>
#include <string>

#include "base/text.h"

namespace korvale {

int VariableTable::indexOfLetter(char32_t letter) {
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  throw std::out_of_range("no formula variable named '" + toUtf8(Text(1, letter)) + "'");
}

int VariableTable::indexOfNumber(int number) {
  if (number < 1 || number > kCount)
    throw std::out_of_range("formula variable number " + std::to_string(number) + " outside 1..26");
  return number - 1;
}

}  // namespace korvale
