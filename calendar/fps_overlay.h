// Frame-rate overlay: counts frames and, every 5 seconds of its track's
// clock, hangs the mean frame rate of that period under the "fps" label as
// up to three digit nodes that expire after 5 seconds.
#pragma once

#include <cstdint>

// Frames counted since the last readout, the readout frame included.
extern int32_t fpsFrameCount;

// One digit of a readout: its character and its x under the anchor.
struct FpsDigit {
  char digit;
  double x;
};

// The digits that show n frames in 5 seconds (n / 5 frames per second), in
// creation order: units always, tens when n > 49, hundreds when n > 499.
// Returns their number; rates of 1000 and more show their last three digits.
int32_t fpsDigitPlaces(int32_t frames, FpsDigit digits[3]);

// Endless track of the fps anchor.
void fpsCurve(int32_t userValue);
