#include "formula/preparation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/text.h"

namespace korvale {
namespace {

std::string prepared(std::string_view formula) {
  FormulaBuffer buffer;
  prepareFormula(formula, buffer);
  return std::string(buffer.view());
}

TEST(PrepareFormula, RewritesInOrder) {
  const struct {
    std::string formula;
    std::string prepared;
  } cases[] = {
      {" 1 + 2 ", "1+2"},
      {"sin(x)", "SIN(X)"},
      {"\t1", "\t1"},
      {"2pi", "23.14159265358979"},
      {"ppii", "P3.14159265358979I"},
      {"p i", "3.14159265358979"},  // the blank goes first
      {"spin", "S3.14159265358979N"},
      {"pIpI", "3.141592653589793.14159265358979"},
      {"(-x)", "((0-1)*X)"},
      {"(+x)", "((0+1)*X)"},
      {"((-", "(((0-1)*"},
      {"(-(+", "((0-1)*((0+1)*"},
      {"-x", "(-1)*X"},
      {"--x", "(-1)*-X"},
      {"-(-x)", "(-1)*((0-1)*X)"},
      {"+x", "X"},
      {"++x", "+X"},
      {"+-x", "-X"},
      {"-+x", "(-1)*+X"},
      {" + ", ""},
      {"", ""},
      {"äöü", "äöü"},  // only a-z change case
      {"éa", "éA"},
  };
  for (const auto& c : cases) EXPECT_EQ(prepared(c.formula), c.prepared) << c.formula;
}

TEST(PrepareFormula, SkipsAnyNumberOfBlanksAndKeeps159Characters) {
  EXPECT_EQ(prepared(std::string(1'000'000, ' ') + "1"), "1");
  EXPECT_EQ(prepared(std::string(200, '9')), std::string(159, '9'));
  EXPECT_EQ(prepared(std::string(20, 'p') + "i"), std::string(19, 'P') + "3.14159265358979");
}

// The rewriting steps spelled out on whole strings, to check the fixed-storage version.
std::string replaceAllSimply(const std::string& text, const std::string& from,
                             const std::string& to) {
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, from.size(), from) == 0) {
      result += to;
      i += from.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::string prepareSimply(const std::string& formula) {
  std::string text;
  for (char c : formula)
    if (c != ' ') text += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  text = replaceAllSimply(text, "PI", "3.14159265358979");
  text = replaceAllSimply(text, "(-", "((0-1)*");
  text = replaceAllSimply(text, "(+", "((0+1)*");
  if (!text.empty() && text[0] == '-') text = "(-1)*" + text.substr(1);
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  return text.substr(0, 159);
}

TEST(PrepareFormula, MatchesTheStepsDoneOnWholeStrings) {
  // Few distinct characters, so that the patterns meet often, also across the cut.
  const std::string alphabet = "pPiI(-+ (-1xa";
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    std::string formula;
    const std::size_t length = random() % 400;
    for (std::size_t i = 0; i < length; ++i) formula += alphabet[random() % alphabet.size()];
    ASSERT_EQ(prepared(formula), prepareSimply(formula)) << formula;
  }
}

}  // namespace
}  // namespace korvale
