// Pixel shift: the glide path stays in its square, never jumps (the 32-bit
// tick's wrap included), spreads its places over the whole square within an
// hour, and its reach follows the overlay area's size.
#include "app/pixel_shift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

// The path sampled every 7 ms over a stretch of ticks (wrapping as the tick
// does): the largest value and the largest step between two samples.
struct PathWalk {
  double largest = 0, largestStep = 0;
  double low[2] = {1, 1}, high[2] = {-1, -1};
  bool binsHit[2][8] = {};
};

PathWalk walk(uint32_t from, uint32_t length) {
  PathWalk w;
  double last[2];
  pixelShiftAt(from, last);
  for (uint32_t t = 0; t <= length; t += 7) {
    double s[2];
    pixelShiftAt(from + t, s);
    for (int i = 0; i < 2; ++i) {
      w.largest = std::max(w.largest, std::fabs(s[i]));
      w.largestStep = std::max(w.largestStep, std::fabs(s[i] - last[i]));
      w.low[i] = std::min(w.low[i], s[i]);
      w.high[i] = std::max(w.high[i], s[i]);
      const int bin = static_cast<int>((s[i] + 1) * 4);
      w.binsHit[i][bin < 8 ? bin : 7] = true;
      last[i] = s[i];
    }
  }
  return w;
}

}  // namespace

TEST(PixelShiftTest, PathIsBoundedContinuousAndCoversItsSquare) {
  // A glide eases from one place to another at most 2 apart: its steepest
  // slope is 1.5 * 2 / glide per ms.
  const double steepest = 7 * 3.0 / pixelShiftGlide + 1e-9;
  const struct {
    const char* stretch;
    uint32_t from, length;
    bool coversSquare;
  } rows[] = {
      {"the first hour", 0, 3600000, true},
      {"an hour two days on", 2 * 86400000u, 3600000, true},
      {"across the tick's wrap", 0xFFFFFFFFu - 200000, 400000, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stretch);
    const PathWalk w = walk(row.from, row.length);
    EXPECT_LE(w.largest, 1.0);
    EXPECT_LE(w.largestStep, steepest);
    EXPECT_GT(w.largestStep, 0.0);  // it does move
    if (!row.coversSquare) continue;
    for (int i = 0; i < 2; ++i) {
      EXPECT_LT(w.low[i], -0.85);
      EXPECT_GT(w.high[i], 0.85);
      for (int bin = 0; bin < 8; ++bin) EXPECT_TRUE(w.binsHit[i][bin]) << "axis " << i << " eighth " << bin;
    }
  }
}

TEST(PixelShiftTest, StartsInPlaceHoldsThenGlides) {
  double s[2], next[2];
  pixelShiftAt(0, s);
  EXPECT_EQ(0.0, s[0]);
  EXPECT_EQ(0.0, s[1]);
  pixelShiftAt(pixelShiftPeriod - pixelShiftGlide, s);
  EXPECT_EQ(0.0, std::fabs(s[0]) + std::fabs(s[1]));
  // Each later place is held for the whole period but the glide, and the
  // next one stands well apart from it.
  for (uint32_t k = 1; k < 60; ++k) {
    pixelShiftAt(k * pixelShiftPeriod, s);
    pixelShiftAt((k + 1) * pixelShiftPeriod - pixelShiftGlide, next);
    EXPECT_EQ(s[0], next[0]);
    EXPECT_EQ(s[1], next[1]);
    pixelShiftAt((k + 1) * pixelShiftPeriod, next);
    EXPECT_GT(std::hypot(next[0] - s[0], next[1] - s[1]), 0.25) << "place " << k;
  }
}

TEST(PixelShiftTest, ReachIsAShareOfTheShorterSideUpTo24Pixels) {
  const struct {
    double width, height, reach;
  } rows[] = {
      {1024, 768, 11.52}, {1920, 1080, 16.2}, {3840, 2160, 24}, {400, 300, 4.5}, {300, 1000, 4.5}, {0, 0, 0},
  };
  for (const auto& row : rows) EXPECT_NEAR(row.reach, pixelShiftReach(row.width, row.height), 1e-9);
}
