// Frame-rate readout digits: the places shown for n frames in 5 seconds.
#include <gtest/gtest.h>

#include <string>

#include "calendar/fps_overlay.h"

namespace {

// The readout as it reads on screen, left to right.
std::string readout(int32_t frames) {
  FpsDigit d[maxFpsDigits];
  const int32_t n = fpsDigitPlaces(frames, d);
  std::string s;
  for (int32_t i = n - 1; i >= 0; --i) s += d[i].digit;
  return s;
}

}  // namespace

TEST(FpsDigits, ReadoutsAtThePlaceBoundaries) {
  EXPECT_EQ("12", readout(60));
  EXPECT_EQ("9", readout(49));
  EXPECT_EQ("10", readout(50));
  EXPECT_EQ("100", readout(500));
  EXPECT_EQ("99", readout(499));
  EXPECT_EQ("0", readout(1));
  EXPECT_EQ("0", readout(0));
  EXPECT_EQ("999", readout(4999));
  // Four digits from 1000 fps: once the readout showed "234" for 1234.
  EXPECT_EQ("1000", readout(5000));
  EXPECT_EQ("1234", readout(6170));
  EXPECT_EQ("9999", readout(49999));
  EXPECT_EQ("9999", readout(2000000000));
}

TEST(FpsDigits, PlacesAndOrder) {
  FpsDigit d[maxFpsDigits];
  ASSERT_EQ(3, fpsDigitPlaces(615, d));
  // Units first, then tens, then hundreds.
  EXPECT_EQ('3', d[0].digit);
  EXPECT_DOUBLE_EQ(3.3, d[0].x);
  EXPECT_EQ('2', d[1].digit);
  EXPECT_DOUBLE_EQ(1.9, d[1].x);
  EXPECT_EQ('1', d[2].digit);
  EXPECT_DOUBLE_EQ(0.5, d[2].x);
  // Four digits shift one place right, the thousands where the hundreds were.
  ASSERT_EQ(4, fpsDigitPlaces(6170, d));
  EXPECT_DOUBLE_EQ(4.7, d[0].x);
  EXPECT_DOUBLE_EQ(3.3, d[1].x);
  EXPECT_DOUBLE_EQ(1.9, d[2].x);
  EXPECT_EQ('1', d[3].digit);
  EXPECT_DOUBLE_EQ(0.5, d[3].x);
  ASSERT_EQ(1, fpsDigitPlaces(-3, d));  // never a character below '0'
  EXPECT_EQ('0', d[0].digit);
}
