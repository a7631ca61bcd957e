// Clock motion: the track callbacks that make the clock show the local
// time. They poll the time on every call: the hands are turned every frame,
// a digit slot adds a new digit node when its value changes, and every digit
// retires itself as soon as its value is out of date.
#pragma once

#include <cstdint>

#include "clock/clock_face.h"

// Value each clock slot position showed last (index: lastShownIndex), so
// that a slot rebuilds only on a change; -1 at start.
extern int32_t lastShown[lastShownCount];

// Hand node track; `axis` 1 second, 2 minute, 3 hour hand.
void clockHandCurve(int32_t userValue);
// Slot node track; `axis` is the slot kind (clock/clock_face.h).
void digitSlotCurve(int32_t userValue);
// Digit node track; `axis` the watcher kind, `param` the value shown.
void digitWatchCurve(int32_t userValue);
