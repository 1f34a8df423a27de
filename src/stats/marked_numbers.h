// The statistics of marked numbers (F4): count, minimum, maximum, range, sum, mean and spread
// of every field in the marked text, written below the marked range.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"

namespace korvale {

// How the marked text is read: the separator and header choice as the last command that read a
// table left them. Without a separator each line is one field.
struct MarkedTextReading {
  std::optional<char32_t> separator;
  bool headerAndMargin = false;
};

struct MarkedNumbers {
  int count = 0;
  double minimum = 0;
  double maximum = 0;
  double sum = 0;
  double mean = 0;
  double spread = 0;  // population standard deviation

  bool operator==(const MarkedNumbers&) const = default;
};

// Every field counts; one that holds no number counts as the missing-value marker. Nothing when
// the lines hold no field.
std::optional<MarkedNumbers> summariseMarkedNumbers(const std::vector<Text>& lines,
                                                    const MarkedTextReading& reading);

// The lines written below the marked range, between two rules.
std::vector<Text> markedNumbersLines(const MarkedNumbers& numbers);

}  // namespace korvale
