// Plasma: the grid, the contour colours, and bit-identity with the plain
// six-sines-per-pixel formula written out here.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "dyntex/plasma_generator.h"

namespace {

// The wave value n of pixel (x, y), straight from the formula.
uint8_t contour(int32_t t, int32_t w, int32_t h, int x, int y) {
  const double sx = 6.28 / w;
  const double sy = 6.28 / h;
  const double s1 = std::sin(x * sx + t * (-0.00012));
  const double s2 = std::sin(x * (sx + sx) + t * (-0.00024));
  const double s3 = std::sin(sx * 4.0 * x + t * (-0.0048));
  const double s4 = std::sin(y * sy + t * (-0.00012));
  const double s5 = std::sin(y * (sy + sy) + t * (-0.00024));
  const double s6 = std::sin(sy * 4.0 * y + t * (-0.0048));
  const double sum = ((((s1 + s2) + s3) + s4) + s5) + s6;
  return static_cast<uint8_t>(static_cast<int16_t>(sum * 21.0 + 128.0));
}

void referencePlasma(int32_t t, int32_t w, int32_t h, uint8_t* pixels, const uint8_t* c) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t n = contour(t, w, h, x, y);
      uint8_t* p = pixels + (y * w + x) * 4;
      const uint8_t k = static_cast<uint8_t>(n - 120);
      const bool opaque = !(static_cast<int8_t>(n) <= 120 || n == 127);
      p[0] = static_cast<uint8_t>(c[0] + k);
      p[1] = static_cast<uint8_t>(c[1] + k);
      p[2] = static_cast<uint8_t>(c[2] + k);
      p[3] = opaque ? 255 : 0;
      if (x == w - 1 || x % 16 == 0 || y % 16 == 0 || y == h - 1) {
        p[1] = 127;
        p[3] = 255;
      }
    }
  }
}

bool onGrid(int x, int y, int w, int h) { return x == w - 1 || x % 16 == 0 || y % 16 == 0 || y == h - 1; }

}  // namespace

TEST(PlasmaGenerator, GridIsGreenAndOpaqueAtTimeZero) {
  const int w = 64, h = 64;
  std::vector<uint8_t> image(w * h * 4, 0xAB);
  uint8_t colour[3] = {40, 90, 160};
  plasmaGenerator(0, w, h, image.data(), colour);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &image[(y * w + x) * 4];
      if (onGrid(x, y, w, h)) {
        EXPECT_EQ(p[1], 127) << x << "," << y;
        EXPECT_EQ(p[3], 255) << x << "," << y;
      } else {
        // Off the grid: green is the base plus k, alpha only 0 or 255.
        EXPECT_TRUE(p[3] == 0 || p[3] == 255) << x << "," << y;
        EXPECT_EQ(static_cast<uint8_t>(p[1] - 90), static_cast<uint8_t>(p[0] - 40)) << x << "," << y;
      }
    }
  }
}

// n = 126 is the top of the opaque band; 250 + 6 wraps to 0.
TEST(PlasmaGenerator, ContourColourWrapsModulo256) {
  uint8_t colour[3] = {250, 0, 0};
  const int w = 64, h = 64;
  std::vector<uint8_t> image(w * h * 4);
  int seen126 = 0, seen127 = 0;
  for (int32_t t = 0; t < 20000 && (seen126 == 0 || seen127 == 0); t += 250) {
    plasmaGenerator(t, w, h, image.data(), colour);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (onGrid(x, y, w, h)) continue;
        const uint8_t* p = &image[(y * w + x) * 4];
        const uint8_t n = contour(t, w, h, x, y);
        if (n == 126) {
          ++seen126;
          EXPECT_EQ(p[0], 0);
          EXPECT_EQ(p[1], 6);
          EXPECT_EQ(p[2], 6);
          EXPECT_EQ(p[3], 255);
        } else if (n == 127) {  // just above the band: transparent again
          ++seen127;
          EXPECT_EQ(p[0], 1);
          EXPECT_EQ(p[3], 0);
        }
      }
    }
  }
  EXPECT_GT(seen126, 0);
  EXPECT_GT(seen127, 0);
}

// The per-call row and column sums give exactly the per-pixel formula.
TEST(PlasmaGenerator, BitIdenticalToThePerPixelFormula) {
  struct Size {
    int w, h;
  } sizes[] = {{64, 64}, {2, 2}, {37, 19}, {256, 128}, {17, 1024}};
  const int32_t ticks[] = {0, 1, 999, 123456, 86400000, -98765, INT32_MAX, INT32_MIN};
  uint8_t colour[3] = {13, 200, 255};
  for (const Size& s : sizes) {
    for (int32_t t : ticks) {
      std::vector<uint8_t> got(s.w * s.h * 4), want(s.w * s.h * 4);
      plasmaGenerator(t, s.w, s.h, got.data(), colour);
      referencePlasma(t, s.w, s.h, want.data(), colour);
      ASSERT_EQ(got, want) << s.w << "x" << s.h << " at " << t;
    }
  }
}

// The image moves with time; it would be a still picture if t were dropped.
TEST(PlasmaGenerator, ImageChangesWithTime) {
  uint8_t colour[3] = {0, 0, 0};
  std::vector<uint8_t> a(64 * 64 * 4), b(64 * 64 * 4);
  plasmaGenerator(0, 64, 64, a.data(), colour);
  plasmaGenerator(500, 64, 64, b.data(), colour);
  EXPECT_NE(a, b);
}
