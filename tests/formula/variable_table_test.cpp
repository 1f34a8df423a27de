#include "formula/variable_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvale {
namespace {

TEST(VariableTable, LettersAndNumbersNameTheSameEntries) {
  VariableTable table;
  for (int number = 1; number <= 26; ++number) EXPECT_EQ(table.at(number), 0);
  table.set('a', 1.5);
  table.set('Z', -2);
  table.setAt(24, 7);
  EXPECT_EQ(table.get('A'), 1.5);
  EXPECT_EQ(table.at(1), 1.5);
  EXPECT_EQ(table.get('z'), -2);
  EXPECT_EQ(table.at(26), -2);
  EXPECT_EQ(table.get('x'), 7);
  EXPECT_EQ(table.values()[23], 7);

  const VariableTable saved = table;
  table.clear();
  for (int number = 1; number <= 26; ++number) EXPECT_EQ(table.at(number), 0);
  table.setValues(saved.values());
  EXPECT_EQ(table, saved);
}

TEST(VariableTable, RejectsNamesOutsideTheAlphabet) {
  VariableTable table;
  for (char letter : {'@', '[', '`', '{', '0', ' ', '\xC4'}) {
    EXPECT_THROW(table.get(letter), std::out_of_range) << letter;
    EXPECT_THROW(table.set(letter, 1), std::out_of_range) << letter;
  }
  for (int number : {0, 27, -1}) {
    EXPECT_THROW(table.at(number), std::out_of_range) << number;
    EXPECT_THROW(table.setAt(number, 1), std::out_of_range) << number;
  }
  EXPECT_EQ(table, VariableTable{});
}

}  // namespace
}  // namespace korvale
