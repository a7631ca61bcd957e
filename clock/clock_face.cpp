// Clock face: the slot table and the hand angles of the clock.
#include "clock/clock_face.h"

bool isDigitSlotKind(int32_t kind) { return kind >= 1 && kind <= 8; }

int32_t digitSlotValue(int32_t kind, const struct tm& now) {
  switch (kind) {
    case 1: case 2: case 6: case 7: case 8:
      return now.tm_hour;
    case 3: case 4:
      return now.tm_min;
    case 5:
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
    case 1: {
      const char c = static_cast<char>('0' + value / 10);
      // A leading zero shows only at midnight hour ("00").
      if (c == '0' && value != 0) return std::string();
      return character(c);
    }
    case 2:
    case 4:
      return character(static_cast<char>('0' + value % 10));
    case 3:
      return character(static_cast<char>('0' + value / 10));
    case 5:
      return value % 2 != 0 ? std::string("dot") : std::string();
    case 6: {
      const int32_t h = twelveHour(value);
      const char c = h == 0 ? '1' : static_cast<char>('0' + (h / 10) % 10);
      if (c == '0') return std::string();
      return character(c);
    }
    case 7: {
      const int32_t h = twelveHour(value);
      return character(h == 0 ? '2' : static_cast<char>('0' + h % 10));
    }
    case 8:
      return value < 12 ? std::string("am") : std::string("pm");
    default:
      return std::string();
  }
}

int32_t digitWatcherAxis(int32_t kind) {
  switch (kind) {
    case 1: case 6: case 7: case 8:
      return 1;
    case 2: case 3: case 4: case 5:
      return kind;
    default:
      return 0;
  }
}

int32_t digitWatchValue(int32_t watcherAxis, const struct tm& now) {
  // Watchers 1 to 5 watch the field of the slot kind with the same number.
  return watcherAxis >= 1 && watcherAxis <= 5 ? digitSlotValue(watcherAxis, now) : -1;
}

int32_t lastShownIndex(int32_t kind) {
  switch (kind) {
    case 1: case 6:
      return 0;  // hour tens
    case 2: case 7:
      return 1;  // hour units
    case 3:
      return 2;  // minute tens
    case 4:
      return 3;  // minute units
    case 5:
      return 4;  // dot
    case 8:
      return 5;  // am/pm
    default:
      return -1;
  }
}

bool clockHandAngle(int32_t hand, const struct tm& now, double& angle) {
  switch (hand) {
    case 1:
      angle = -6 * now.tm_sec;
      return true;
    case 2:
      angle = -6 * now.tm_min;
      return true;
    case 3:
      // Integer division: the hour hand steps one degree every two minutes.
      angle = -30 * now.tm_hour - now.tm_min / 2;
      return true;
    default:
      return false;
  }
}
