// German dictionary order for the name list: case ignored, umlauts beside their base letters
// ("Özdemir" between "Oswald" and "Otto"), as the system's collation for German sorts them.
#pragma once

#include <memory>
#include <vector>

#include "base/text.h"

namespace korvale {

class GermanCollator {
 public:
  GermanCollator();
  ~GermanCollator();
  GermanCollator(const GermanCollator&) = delete;
  GermanCollator& operator=(const GermanCollator&) = delete;

  // Negative, zero or positive as `a` sorts before, with or after `b`.
  int compare(const Text& a, const Text& b) const;
  // Ascending; lines that compare equal keep their order.
  void sort(std::vector<Text>& lines) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace korvale
