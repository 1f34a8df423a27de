// Turns the text a user typed into the formula buffer that the tokenizer consumes: blanks out,
// upper case, PI spelled out, leading and bracketed signs rewritten, cut to the buffer size.
#pragma once

#include <array>
#include <string_view>

namespace korvale {

struct FormulaBuffer {
  static constexpr int kCapacity = 159;

  std::array<char, kCapacity> chars{};
  int length = 0;

  std::string_view view() const { return {chars.data(), static_cast<std::size_t>(length)}; }
};

// Works in fixed storage: only as much of the formula is read as can reach the buffer, so the
// cost is bounded by the buffer size plus the blanks skipped.
void prepareFormula(std::string_view formula, FormulaBuffer& buffer);

}  // namespace korvale
