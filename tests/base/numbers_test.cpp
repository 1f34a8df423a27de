#include "base/numbers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace korvale {
namespace {

TEST(Numbers, ReadNumber) {
  struct Case {
    Text text;
    std::optional<double> value;
  } cases[] = {
      {U"1", 1.0},        {U"-2.5", -2.5}, {U"+.5", 0.5}, {U"3.", 3.0},   {U"1e3", 1000.0},
      {U"1.5E-2", 0.015}, {U"2,5", {}},    {U" 1", {}},   {U"1 ", {}},    {U"", {}},
      {U".", {}},         {U"1e", {}},     {U"abc", {}},  {U"1e400", {}}, {U"-", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(readNumber(c.text), c.value) << toUtf8(c.text);
}

TEST(Numbers, ReadWholeNumber) {
  struct Case {
    Text text;
    std::optional<int> value;
  } cases[] = {
      {U"12", 12},         {U"  -7", -7},
      {U"+3", 3},          {U"$1F", 31},
      {U"0x10", 16},       {U"0X1f", 31},
      {U"2.5", {}},        {U"2,5", {}},
      {U"", {}},           {U"1 ", {}},
      {U"a", {}},          {U"A", {}},
      {U"$", {}},          {U"2147483647", 2147483647},
      {U"2147483648", {}}, {U"-2147483648", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(readWholeNumber(c.text), c.value) << toUtf8(c.text);
}

TEST(Numbers, LocaleDoesNotChangeTheDecimalPoint) {
  // The Qt application takes over the user's locale; numbers must not follow it.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(readNumber(U"2.5"), 2.5);
  EXPECT_EQ(readNumber(U"2,5"), std::nullopt);
  EXPECT_EQ(formatFixed(2.5, 2), U"2.50");
  std::setlocale(LC_ALL, "C");
}

TEST(Numbers, FormatFixed) {
  EXPECT_EQ(formatFixed(2.345, 2), U"2.35");
  EXPECT_EQ(formatFixed(2.5, 0), U"2");  // the runtime rounds halves to even
  EXPECT_EQ(formatFixed(-0.001, 2), U"-0.00");
  EXPECT_EQ(formatFixed(3.14159, 8, 3), U"   3.142");
  EXPECT_EQ(formatFixed(1e300, 2).size(), 304u);
}

}  // namespace
}  // namespace korvale
