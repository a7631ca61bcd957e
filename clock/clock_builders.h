// Clock builders: one-shot track callbacks of the clock anchor that hang the
// analog or digital clock's parts under it on the first frame it renders.
// Geometry comes from "clock.pak"; the parts move by clock/clock_motion.h.
#pragma once

#include <cstdint>

// Dial and three hands; moves the anchor in from the corner.
void buildAnalogClock(int32_t userValue);
// Plate and digit slots; the track's `axis` is the form: 0 12-hour, 1 24-hour.
void buildDigitalClock(int32_t userValue);
