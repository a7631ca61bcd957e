// Value noise on an integer lattice, smoothed with a quintic fade.
#include "assets/generator/noise.h"

#include <cmath>

double Noise::lattice(int32_t x, int32_t y) const {
  uint32_t h = seed * 0x27d4eb2du ^ static_cast<uint32_t>(x) * 0x85ebca6bu ^ static_cast<uint32_t>(y) * 0xc2b2ae35u;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return (h & 0xffffff) / double(0x7fffff) - 1.0;
}

static double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double Noise::value(double x, double y, int period) const {
  double fx = std::floor(x), fy = std::floor(y);
  int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  auto wrap = [period](int32_t i) { return period ? ((i % period) + period) % period : i; };
  double u = fade(x - fx), v = fade(y - fy);
  double a = lattice(wrap(ix), iy), b = lattice(wrap(ix + 1), iy);
  double c = lattice(wrap(ix), iy + 1), d = lattice(wrap(ix + 1), iy + 1);
  return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
}

double Noise::fractal(double x, double y, int octaves) const {
  double sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * value(x, y);
    norm += amp;
    amp *= 0.5;
    // Rotate a little between octaves so the lattice does not show.
    double nx = x * 1.6 - y * 1.2 + 17.3, ny = x * 1.2 + y * 1.6 - 5.1;
    x = nx;
    y = ny;
  }
  return sum / norm;
}
