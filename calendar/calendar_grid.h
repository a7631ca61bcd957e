// Calendar grid: the date arithmetic behind a calendar page. Pure functions
// of a broken-down time, so any month of any year is a plain unit test.
#pragma once

#include <cstdint>
#include <ctime>

// Day of the month (1..31) and month (0..11) a grid was built for.
struct CalendarDate {
  int32_t day;
  int32_t month;
};

// Six weeks of seven cells; a cell holds its day number, or 0 when empty.
const int32_t calendarCellCount = 42;

// Entry names of "calendar.pak": index 0 "null" (empty cell), 1..31 the day
// numbers; months 0..11 are "m1".."m12".
extern const char* const dayNameTable[32];
extern const char* const monthNameTable[12];

// Gregorian lengths; month 0..11, year as years since 1900. A month outside
// 0..11 has no days.
int32_t daysInMonth(int32_t month, int32_t yearsSince1900);
// 0 = Sunday .. 6 = Saturday.
int32_t dayOfWeek(int32_t day, int32_t month, int32_t yearsSince1900);
int32_t firstWeekdayOfMonth(int32_t month, int32_t yearsSince1900);

enum WeekStart { WeekFromSunday = 0, WeekFromMonday = 1 };

// Fill the 42 cells for the month of `now`, weeks starting on weekStart, and
// give today's day and month.
void fillGrid(const struct tm& now, WeekStart weekStart, CalendarDate& date, int32_t grid[calendarCellCount]);
