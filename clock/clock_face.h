// Clock face: what each hand and digit slot of the clock shows at a given
// broken-down time. Pure functions; the clock curves call them right after
// reading the local time.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// Slot kinds: the `axis` of a digit slot's track.
enum ClockSlotKind {
  SlotHourTens24 = 1,
  SlotHourUnits24 = 2,
  SlotMinuteTens = 3,
  SlotMinuteUnits = 4,
  SlotDot = 5,  // blinks with the seconds
  SlotHourTens12 = 6,
  SlotHourUnits12 = 7,
  SlotAmPm = 8,
};

// Hands: the `axis` of a hand's track.
enum ClockHand { SecondHand = 1, MinuteHand = 2, HourHand = 3 };

// The digital clock's form: the `axis` of its builder's track.
enum ClockForm { TwelveHourClock = 0, TwentyFourHourClock = 1 };

// The time field a slot follows: tm_hour, tm_min or tm_sec. -1 for other kinds.
int32_t digitSlotValue(int32_t kind, const struct tm& now);

// The "clock.pak" entry a new digit of the slot shows for value V; empty when
// the digit node gets no meshes (a blank hour tens, an even second).
std::string digitSlotEntry(int32_t kind, int32_t value);

// The `axis` of the watcher track of a slot's digits: the 24-hour kind that
// follows the same field (SlotHourTens24 for every hour slot and the am/pm
// sign, SlotDot for the seconds). 0 for other kinds.
int32_t digitWatcherAxis(int32_t kind);

// The time field a watcher compares with its digit's value; -1 for watcher
// axes outside SlotHourTens24..SlotDot (such a watcher never retires its
// digit).
int32_t digitWatchValue(int32_t watcherAxis, const struct tm& now);

// Index into lastShown of the slot position a kind fills (the 12- and
// 24-hour kinds of one position share it); -1 for other kinds.
int32_t lastShownIndex(int32_t kind);
const int32_t lastShownCount = 6;

// Hand angle in degrees about z (negative turns clockwise). False for other
// hand numbers.
bool clockHandAngle(int32_t hand, const struct tm& now, double& angle);
