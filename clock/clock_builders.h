// Clock builders: one-shot track callbacks of the clock anchor that hang the
// analog or digital clock's parts under it on the first frame it renders.
// Geometry comes from "clock.pak"; the parts move by clock/clock_motion.h.
#pragma once

#include <cstdint>

// The builders hang the parts around the anchor's origin (the dial's centre,
// the plate's origin) and leave the anchor where the scene set-up put it, so
// the clock stands in its place from the frame that builds it.

// Dial and three hands.
void buildAnalogClock(int32_t userValue);
// Plate and digit slots; the track's `axis` is the form: 0 12-hour, 1 24-hour.
void buildDigitalClock(int32_t userValue);

// How far the clock's art reaches right of and below its anchor: the dial's
// radius, or the right and bottom edges of the plate of that form
// (ClockForm).
void clockReach(bool analog, int32_t form, double& right, double& down);
