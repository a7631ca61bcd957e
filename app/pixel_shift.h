// Pixel shift: every overlay item glides a few pixels to a new place about
// once a minute, so that on OLED and plasma screens no edge of the calendar,
// the clock, the readout or the greeting stays lit on the same pixels for
// hours. The path is a function of the show's tick alone: a fixed
// low-discrepancy sequence of places, spread evenly over the square of the
// reach, the same in every run, so screenshots and tests can rely on it.
#pragma once

#include <cstdint>

class SceneNode;

// Time between two moves (a power of two, so the path goes on smoothly when
// the 32-bit tick wraps) and the length of one glide, in ms.
const uint32_t pixelShiftPeriod = 65536;
const uint32_t pixelShiftGlide = 1500;

// The place at tick, x and y each from -1 to 1 of the reach: (0, 0), the
// layout as it is placed, until the first glide; a glide eases in and out.
void pixelShiftAt(uint32_t tick, double shift[2]);

// The reach in pixels for an overlay area of this size: 1.5 percent of its
// shorter side, never more than 24 pixels.
double pixelShiftReach(double areaWidth, double areaHeight);

// Offset curve of an overlay item under the overlay root: moves it by this
// frame's shift, in pixels of the display's overlay area, converted to scene
// units at the item's eye depth (the track's p1), so items at every depth
// move alike and a window of any size gets its own reach.
void pixelShiftCurve(int32_t userValue);

// Gives the node the curve as a cue of its own, beside its other tracks.
void startPixelShift(SceneNode* node, double eyeDepth);
