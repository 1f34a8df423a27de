#include "stats/function_graph.h"

#include <gtest/gtest.h>

#include <utility>

namespace korvale {
namespace {

constexpr int kSize = 428;

TEST(GraphFrame, PixelsAndBack) {
  const GraphFrame frame{5, kSize, kSize};
  EXPECT_EQ(frame.pixel(0, 0), (Point{214, 214}));
  EXPECT_EQ(frame.pixel(-5, 5), (Point{0, 0}));
  EXPECT_EQ(frame.pixel(5, -5), (Point{428, 428}));
  // Halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
  const GraphFrame small{1, 4, 4};
  EXPECT_EQ(small.pixel(-0.75, 0.75), (Point{0, 0}));
  EXPECT_EQ(small.pixel(-0.25, 0.25), (Point{2, 2}));
  EXPECT_EQ(small.pixel(0.25, -0.25), (Point{2, 2}));
  EXPECT_DOUBLE_EQ(frame.xAt(214), 0);
  EXPECT_DOUBLE_EQ(frame.yAt(0), 5);
  EXPECT_DOUBLE_EQ(frame.xAt(0), -5);
}

TEST(GraphFrame, HalfWidthOfALine) {
  VariableTable variables;
  variables.set('b', -3.4);
  const std::pair<Text, int> rows[] = {{U"x,5", 5},    {U"x,-7.5", 8}, {U"x,6.5", 6},
                                       {U"x", 10},     {U"x,0.4", 10}, {U"x,b", 3},
                                       {U"x,zz", 10},  {U"x,1E3", 10}, {U"x,10000000000", 10},
                                       {U"x, 2 5", 25}};
  for (const auto& [line, h] : rows) EXPECT_EQ(graphHalfWidth(line, variables), h) << toUtf8(line);
}

}  // namespace
}  // namespace korvale
