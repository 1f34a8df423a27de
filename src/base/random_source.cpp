#include "base/random_source.h"

#include <chrono>

namespace korvale {

void RandomSource::seedFromClock() {
  if (fixed_) {
    engine_.seed(*fixed_);
    return;
  }
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  engine_.seed(static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void RandomSource::fixSeed(std::uint32_t seed) {
  fixed_ = seed;
  engine_.seed(seed);
}

int RandomSource::below(int n) {
  if (n <= 1) return 0;
  // Scaling the 32-bit draw instead of a library distribution keeps the numbers the same
  // whichever standard library the program was built with.
  const std::uint64_t draw = engine_();
  return static_cast<int>((draw * static_cast<std::uint64_t>(n)) >> 32);
}

}  // namespace korvale
