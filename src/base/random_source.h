// The program's pseudo-random numbers. A run seeds them from the clock; tests and scenarios fix
// the seed, so that what a random operation wrote can be compared.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace korvale {

class RandomSource {
 public:
  // Starts a new sequence: from the fixed seed when one is set, else from the clock.
  void seedFromClock();
  // From now on every new sequence starts at `seed`.
  void fixSeed(std::uint32_t seed);
  // A whole number from 0 to n - 1 (n at least 1). The same seed gives the same numbers on
  // every platform.
  int below(int n);

 private:
  std::mt19937 engine_{5489u};
  std::optional<std::uint32_t> fixed_;
};

}  // namespace korvale
