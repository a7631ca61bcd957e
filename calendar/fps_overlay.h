// Frame-rate overlay: counts frames and, every 5 seconds of its track's
// clock, hangs the mean frame rate of that period beside the "fps" label as
// up to four digit nodes that expire after 5 seconds.
#pragma once

#include <cstdint>

// One digit of a readout: its character and its x under the anchor.
struct FpsDigit {
  char digit;
  double x;
};

const int32_t maxFpsDigits = 4;

// Frames since the last readout, the readout frame included.
extern int32_t fpsFrameCount;

// The digits that show n frames in 5 seconds (n / 5 frames per second), in
// creation order: units always, tens when n > 49, hundreds when n > 499,
// thousands when n > 4999. A four-digit rate moves the readout one place to
// the right, so that it stays clear of the label; rates over 9999 read 9999.
// Returns their number.
int32_t fpsDigitPlaces(int32_t frames, FpsDigit digits[maxFpsDigits]);

// How far the label reaches left of and above the anchor (the digits stand
// right of it, no higher).
const double fpsReachLeft = 4.9;
const double fpsReachUp = 2.3;

// Endless track of the fps anchor.
void fpsCurve(int32_t userValue);
