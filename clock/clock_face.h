// Clock face: what each hand and digit slot of the clock shows at a given
// broken-down time. Pure functions; the clock curves call them right after
// reading the local time.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// Slot kinds (the `axis` of a slot's track):
//   1 hour tens, 24-hour     2 hour units, 24-hour
//   3 minute tens            4 minute units
//   5 blinking dot           6 hour tens, 12-hour
//   7 hour units, 12-hour    8 am/pm sign
bool isDigitSlotKind(int32_t kind);

// The time field a slot follows: tm_hour, tm_min or tm_sec. -1 for other kinds.
int32_t digitSlotValue(int32_t kind, const struct tm& now);

// The "clock.pak" entry a new digit of the slot shows for value V; empty when
// the digit node gets no meshes (a blank hour tens, an even second).
std::string digitSlotEntry(int32_t kind, int32_t value);

// The `axis` of the watcher track of a slot's digits: 1, 2 hours, 3, 4
// minutes, 5 seconds. 0 for other kinds.
int32_t digitWatcherAxis(int32_t kind);

// The time field a watcher compares with its digit's value; -1 for watcher
// axes outside 1..5 (such a watcher never retires its digit).
int32_t digitWatchValue(int32_t watcherAxis, const struct tm& now);

// Index into lastShown of the slot position a kind fills (the 12- and
// 24-hour kinds of one position share it); -1 for other kinds.
int32_t lastShownIndex(int32_t kind);
const int32_t lastShownCount = 6;

// Hand angle in degrees about z (negative turns clockwise): 1 second hand,
// 2 minute hand, 3 hour hand. False for other hand numbers.
bool clockHandAngle(int32_t hand, const struct tm& now, double& angle);
