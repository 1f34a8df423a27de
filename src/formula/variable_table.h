// The 26 formula variables A to Z. One table is shared by every part of the program that stores
// or evaluates variables, so callers hold a reference to the same instance.
#pragma once

#include <array>

namespace korvale {

class VariableTable {
 public:
  static constexpr int kCount = 26;

  // By letter, either case; anything but A-Z / a-z throws std::out_of_range (a character of a
  // text is taken whole: "Ł" is no "A").
  double get(char32_t letter) const { return values_[indexOfLetter(letter)]; }
  void set(char32_t letter, double value) { values_[indexOfLetter(letter)] = value; }

  // By number, A = 1 ... Z = 26; out of range throws std::out_of_range.
  double at(int number) const { return values_[indexOfNumber(number)]; }
  void setAt(int number, double value) { values_[indexOfNumber(number)] = value; }

  void clear() { values_.fill(0.0); }

  // The whole set at once, for callers that keep a set of their own and swap it in and out.
  const std::array<double, kCount>& values() const { return values_; }
  void setValues(const std::array<double, kCount>& values) { values_ = values; }

  friend bool operator==(const VariableTable&, const VariableTable&) = default;

 private:
  static int indexOfLetter(char32_t letter);
  static int indexOfNumber(int number);

  std::array<double, kCount> values_{};
};

}  // namespace korvale
