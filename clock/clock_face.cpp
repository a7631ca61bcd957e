// Clock face: the slot table and the hand angles of the clock.
#include "clock/clock_face.h"

int32_t digitSlotValue(int32_t kind, const struct tm& now) {
  switch (kind) {
    case SlotHourTens24: case SlotHourUnits24: case SlotHourTens12: case SlotHourUnits12: case SlotAmPm:
      return now.tm_hour;
    case SlotMinuteTens: case SlotMinuteUnits:
      return now.tm_min;
    case SlotDot:
      return now.tm_sec;
    default:
      return -1;
  }
}

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

int32_t digitWatcherAxis(int32_t kind) {
  switch (kind) {
    case SlotHourTens24: case SlotHourTens12: case SlotHourUnits12: case SlotAmPm:
      return SlotHourTens24;
    case SlotHourUnits24: case SlotMinuteTens: case SlotMinuteUnits: case SlotDot:
      return kind;
    default:
      return 0;
  }
}

int32_t digitWatchValue(int32_t watcherAxis, const struct tm& now) {
  // A watcher watches the field of the slot kind with its number.
  return watcherAxis >= SlotHourTens24 && watcherAxis <= SlotDot ? digitSlotValue(watcherAxis, now) : -1;
}

int32_t lastShownIndex(int32_t kind) {
  switch (kind) {
    case SlotHourTens24: case SlotHourTens12:
      return 0;
    case SlotHourUnits24: case SlotHourUnits12:
      return 1;
    case SlotMinuteTens:
      return 2;
    case SlotMinuteUnits:
      return 3;
    case SlotDot:
      return 4;
    case SlotAmPm:
      return 5;
    default:
      return -1;
  }
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
