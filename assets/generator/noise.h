// Noise: seeded lattice value noise and its fractal sum, the raw material of
// the terrain, the snow texture and the tree variations.
#pragma once

#include <cstdint>

class Noise {
 public:
  explicit Noise(uint32_t seed) : seed(seed) {}
  // Smooth noise in [-1, 1] with features one unit apart.
  double value(double x, double y) const;
  // Sum of octaves, each twice as fine and gain times as strong; about [-1, 1].
  double fractal(double x, double y, int octaves, double gain = 0.5) const;
  // Noise that wraps every period units in x (period an integer).
  double periodic(double x, double y, int period) const;

 private:
  double lattice(int32_t x, int32_t y) const;
  uint32_t seed;
};
