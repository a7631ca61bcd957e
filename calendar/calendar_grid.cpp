// Calendar grid: month lengths, weekdays and the 42-cell layout of a page.
#include "calendar/calendar_grid.h"

const char* const dayNameTable[32] = {"null", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                      "11",   "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
                                      "22",   "23", "24", "25", "26", "27", "28", "29", "30", "31"};

const char* const monthNameTable[12] = {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m10", "m11", "m12"};

int32_t daysInMonth(int32_t month, int32_t yearsSince1900) {
  static const int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 0 || month > 11) return 0;
  if (month != 1) return lengths[month];
  // Leap years: every fourth, except centuries not divisible by 400 (2100
  // has no 29 February, 2000 had one), in step with dayOfWeek.
  const int64_t year = static_cast<int64_t>(yearsSince1900) + 1900;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return leap ? 29 : 28;
}

int32_t dayOfWeek(int32_t day, int32_t month, int32_t yearsSince1900) {
  const int32_t a = (13 - month) / 12;  // 1 for January and February
  const int32_t y = yearsSince1900 + 1900 - a;
  const int32_t m = month + 1 + 12 * a - 2;
  return (day + y + y / 4 - y / 100 + y / 400 + (31 * m) / 12 + 7000) % 7;
}

int32_t firstWeekdayOfMonth(int32_t month, int32_t yearsSince1900) { return dayOfWeek(1, month, yearsSince1900); }

void fillGrid(const struct tm& now, WeekStart weekStart, CalendarDate& date, int32_t grid[calendarCellCount]) {
  // Cells before day 1: its weekday counted from the week's first day.
  const int32_t first = (firstWeekdayOfMonth(now.tm_mon, now.tm_year) + 7 - weekStart) % 7;
  const int32_t days = daysInMonth(now.tm_mon, now.tm_year);
  date.day = now.tm_mday;
  date.month = now.tm_mon;
  for (int32_t i = 0; i < calendarCellCount; ++i) grid[i] = (i < first || i >= first + days) ? 0 : i - first + 1;
}
