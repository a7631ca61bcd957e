// Noise: seeded lattice value noise and its fractal sum, the raw material of
// the terrain, the snow texture and the tree variations.
#pragma once

#include <cstdint>

class Noise {
 public:
  explicit Noise(uint32_t seed) : seed(seed) {}
  // Smooth noise in [-1, 1] with features one unit apart; given a period,
  // it wraps every period units in x.
  double value(double x, double y, int period = 0) const;
  // Sum of octaves, each twice as fine and half as strong; about [-1, 1].
  double fractal(double x, double y, int octaves) const;

 private:
  double lattice(int32_t x, int32_t y) const;
  uint32_t seed;
};
