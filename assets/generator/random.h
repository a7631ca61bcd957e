// Random: the generator's own seeded number source (splitmix64), so that the
// same sources always give the same archives, whatever the C library does.
#pragma once

#include <cstdint>

class Random {
 public:
  explicit Random(uint64_t seed) : state(seed) {}

  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
  double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  int below(int n) { return static_cast<int>(uniform() * n); }

  uint64_t state;
};
