// Clock face: the slot table and the hand angles of the clock.
#include "clock/clock_face.h"

namespace {

// Per slot kind, SlotHourTens24 (1) to SlotAmPm (8): the time field it
// follows, its place in lastShown and the axis of its digits' watchers.
const struct {
  int tm::*field;
  int32_t lastShownIndex;
  int32_t watcherAxis;
} slotRows[] = {
    {&tm::tm_hour, 0, SlotHourTens24},   // SlotHourTens24
    {&tm::tm_hour, 1, SlotHourUnits24},  // SlotHourUnits24
    {&tm::tm_min, 2, SlotMinuteTens},    // SlotMinuteTens
    {&tm::tm_min, 3, SlotMinuteUnits},   // SlotMinuteUnits
    {&tm::tm_sec, 4, SlotDot},           // SlotDot
    {&tm::tm_hour, 0, SlotHourTens24},   // SlotHourTens12
    {&tm::tm_hour, 1, SlotHourTens24},   // SlotHourUnits12
    {&tm::tm_hour, 5, SlotHourTens24},   // SlotAmPm
};

bool knownSlot(int32_t kind) { return kind >= SlotHourTens24 && kind <= SlotAmPm; }

}  // namespace

int32_t digitSlotValue(int32_t kind, const struct tm& now) {
  return knownSlot(kind) ? now.*slotRows[kind - 1].field : -1;
}

int32_t digitWatcherAxis(int32_t kind) { return knownSlot(kind) ? slotRows[kind - 1].watcherAxis : 0; }

int32_t lastShownIndex(int32_t kind) { return knownSlot(kind) ? slotRows[kind - 1].lastShownIndex : -1; }

// Hour on the 12-hour dial before 0 becomes 12: 13..23 fold to 1..11.
static int32_t twelveHour(int32_t hour) { return hour > 12 ? hour - 12 : hour; }

static std::string character(char c) { return std::string(1, c); }

std::string digitSlotEntry(int32_t kind, int32_t value) {
  switch (kind) {
    case SlotHourTens24: {
      const char c = static_cast<char>('0' + value / 10);
      // A leading zero shows only at midnight hour ("00").
      if (c == '0' && value != 0) return std::string();
      return character(c);
    }
    case SlotHourUnits24:
    case SlotMinuteUnits:
      return character(static_cast<char>('0' + value % 10));
    case SlotMinuteTens:
      return character(static_cast<char>('0' + value / 10));
    case SlotDot:
      return value % 2 != 0 ? std::string("dot") : std::string();
    case SlotHourTens12: {
      const int32_t h = twelveHour(value);
      const char c = h == 0 ? '1' : static_cast<char>('0' + (h / 10) % 10);
      if (c == '0') return std::string();
      return character(c);
    }
    case SlotHourUnits12: {
      const int32_t h = twelveHour(value);
      return character(h == 0 ? '2' : static_cast<char>('0' + h % 10));
    }
    case SlotAmPm:
      return value < 12 ? std::string("am") : std::string("pm");
    default:
      return std::string();
  }
}

int32_t digitWatchValue(int32_t watcherAxis, const struct tm& now) {
  // A watcher watches the field of the slot kind with its number.
  return watcherAxis >= SlotHourTens24 && watcherAxis <= SlotDot ? digitSlotValue(watcherAxis, now) : -1;
}

bool clockHandAngle(int32_t hand, const struct tm& now, double& angle) {
  switch (hand) {
    case SecondHand:
      angle = -6 * now.tm_sec;
      return true;
    case MinuteHand:
      angle = -6 * now.tm_min;
      return true;
    case HourHand:
      // Integer division: the hour hand steps one degree every two minutes.
      angle = -30 * now.tm_hour - now.tm_min / 2;
      return true;
    default:
      return false;
  }
}
