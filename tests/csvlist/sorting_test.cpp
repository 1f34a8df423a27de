#include "csvlist/sorting.h"

#include <gtest/gtest.h>

#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(Sorting, Keys) {
  EXPECT_EQ(sortKey(U"a ; b;c", 2, ';', 10), U"b;10");
  EXPECT_EQ(sortKey(U"a;b;", 3, ';', 3), U";3");
  EXPECT_EQ(sortKey(U"a; b ", 2, ';', 1), U" b ;1");  // the remainder is not trimmed
  EXPECT_EQ(sortKey(U"a\tb", 1, '\t', 0), U"a\t0");
}

TEST(Sorting, Lines) {
  struct Row {
    const char* label;
    Lines in;
    int column;
    bool headerOnTop;
    Lines expected;
  } rows[] = {
      {"capitals, then lower case, then umlauts",
       {U"Name;", U"bert;", U"Anna;", U"Zoe;", U"ärger;", U"Ärger;", U"zora;", U"Otto;"},
       1,
       true,
       {U"Name;", U"Anna;", U"Otto;", U"Zoe;", U"bert;", U"zora;", U"Ärger;", U"ärger;"}},
      {"header sorted in", {U"Name;", U"Zoe;", U"Anna;"}, 1, false, {U"Anna;", U"Name;", U"Zoe;"}},
      {"numbers, a value that is no number last",
       {U"Wert;", U"10;", U"9;", U"a;", U"100;", U"9.5;", U"-1;"},
       1,
       true,
       {U"Wert;", U"-1;", U"9;", U"9.5;", U"10;", U"100;", U"a;"}},
      {"a numeric sort with the header sorted in",
       {U"Wert;", U"3;", U"1;"},
       1,
       false,
       {U"1;", U"3;", U"Wert;"}},
      {"the second key decides the kind of sort",
       {U"H;", U"a;", U"5;", U"3;"},
       1,
       true,
       {U"H;", U"3;", U"5;", U"a;"}},
      {"by the second column",
       {U"Nr;Ort;", U"1; Graz;", U"2;Bonn;", U"3;"},
       2,
       true,
       {U"Nr;Ort;", U"3;", U"2;Bonn;", U"1; Graz;"}},
      {"equal numbers in the order of the exchanges",
       {U"N;T;", U"1;A;", U"1;B;", U"1;C;"},
       1,
       true,
       {U"N;T;", U"1;C;", U"1;B;", U"1;A;"}},
      {"equal numbers among others",
       {U"N;T;", U"2;A;", U"1;B;", U"2;C;", U"1;D;"},
       1,
       true,
       {U"N;T;", U"1;D;", U"1;B;", U"2;A;", U"2;C;"}},
      {"one record", {U"Name;", U"x;"}, 1, true, {U"Name;", U"x;"}},
      {"one line", {U"x;"}, 1, false, {U"x;"}},
      {"nothing", {}, 1, false, {}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(sortLines(r.in, r.column, ';', r.headerOnTop), r.expected) << r.label;
}

TEST(Sorting, EqualTextsFollowTheTextOfTheirLineNumber) {
  // Lines 2 and 10 hold the same value: key "a;10" sorts before "a;2".
  Lines lines = {U"V;L;"};
  for (int i = 1; i <= 11; ++i)
    lines.push_back(Text(i == 2 || i == 10 ? U"a" : U"b") + U";" + fromUtf8(std::to_string(i)) +
                    U";");
  const Lines sorted = sortLines(lines, 1, ';', true);
  std::vector<std::string> order;
  for (std::size_t i = 1; i < sorted.size(); ++i) order.push_back(toUtf8(sorted[i].substr(2)));
  EXPECT_EQ(order, (std::vector<std::string>{"10;", "2;", "1;", "11;", "3;", "4;", "5;", "6;", "7;",
                                             "8;", "9;"}));
}

}  // namespace
}  // namespace korvale
