#include "formula/variable_table.h"

#include <stdexcept>
#include <string>

namespace korvale {

int VariableTable::indexOfLetter(char letter) {
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  throw std::out_of_range(std::string("no formula variable named '") + letter + "'");
}

int VariableTable::indexOfNumber(int number) {
  if (number < 1 || number > kCount)
    throw std::out_of_range("formula variable number " + std::to_string(number) + " outside 1..26");
  return number - 1;
}

}  // namespace korvale
