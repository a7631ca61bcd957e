// Calendar grid: month lengths, weekdays and the two week layouts for the
// months whose shape is easy to get wrong.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "calendar/calendar_grid.h"

namespace {

struct tm dateOf(int year, int month1, int day) {
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month1 - 1;
  t.tm_mday = day;
  t.tm_hour = 12;
  return t;
}

// Cells as text: "." for an empty cell, else the day, rows split by "|".
std::string layout(const int32_t grid[42]) {
  std::string s;
  for (int i = 0; i < 42; ++i) {
    if (i && i % 7 == 0) s += "|";
    else if (i) s += " ";
    s += grid[i] ? std::to_string(grid[i]) : ".";
  }
  return s;
}

// First and last cell index holding a day; checks the days run 1..N
// without gaps in between.
void expectRun(const int32_t grid[42], int first, int days) {
  for (int i = 0; i < 42; ++i) {
    const int want = (i >= first && i < first + days) ? i - first + 1 : 0;
    ASSERT_EQ(want, grid[i]) << "cell " << i << ": " << layout(grid);
  }
}

}  // namespace

TEST(DaysInMonth, GregorianLeapYears) {
  EXPECT_EQ(28, daysInMonth(1, 2026 - 1900));
  EXPECT_EQ(29, daysInMonth(1, 2024 - 1900));
  EXPECT_EQ(29, daysInMonth(1, 2000 - 1900));  // divisible by 400
  EXPECT_EQ(28, daysInMonth(1, 2100 - 1900));  // century, not by 400
  EXPECT_EQ(28, daysInMonth(1, 1900 - 1900));
  EXPECT_EQ(29, daysInMonth(1, 2400 - 1900));
}

TEST(DaysInMonth, OtherMonthsAndOutOfRange) {
  const int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 0; m < 12; ++m) {
    if (m != 1) {
      EXPECT_EQ(lengths[m], daysInMonth(m, 2100 - 1900)) << m;
    }
  }
  EXPECT_EQ(0, daysInMonth(12, 126));
  EXPECT_EQ(0, daysInMonth(-1, 126));
}

TEST(DayOfWeek, AgreesWithTheCLibrary) {
  // Every first of the month from 1970 to 2199 against mktime's weekday.
  for (int year = 1970; year < 2200; ++year) {
    for (int month = 0; month < 12; ++month) {
      struct tm t = dateOf(year, month + 1, 1);
      time_t when = timegm(&t);
      struct tm back;
      gmtime_r(&when, &back);
      ASSERT_EQ(back.tm_wday, firstWeekdayOfMonth(month, year - 1900)) << year << "-" << month + 1;
    }
  }
  EXPECT_EQ(0, dayOfWeek(1, 1, 2026 - 1900));   // 1 Feb 2026: Sunday
  EXPECT_EQ(2, dayOfWeek(1, 11, 2026 - 1900));  // 1 Dec 2026: Tuesday
  EXPECT_EQ(1, dayOfWeek(1, 2, 2100 - 1900));   // 1 Mar 2100 follows 28 Feb (Sunday)
}

TEST(CalendarGrid, February2026BothWeekStarts) {
  int32_t grid[42];
  CalendarDate date{-1, -1};
  fillGrid(dateOf(2026, 2, 14), WeekFromSunday, date, grid);
  EXPECT_EQ(14, date.day);
  EXPECT_EQ(1, date.month);
  expectRun(grid, 0, 28);  // cells 28..41 empty

  fillGrid(dateOf(2026, 2, 14), WeekFromMonday, date, grid);
  expectRun(grid, 6, 28);  // cells 0..5 empty, 6..33 the days
}

TEST(CalendarGrid, December2026BothWeekStarts) {
  int32_t grid[42];
  CalendarDate date;
  fillGrid(dateOf(2026, 12, 31), WeekFromSunday, date, grid);
  expectRun(grid, 2, 31);
  EXPECT_EQ(31, date.day);
  EXPECT_EQ(11, date.month);
  fillGrid(dateOf(2026, 12, 31), WeekFromMonday, date, grid);
  expectRun(grid, 1, 31);
}

TEST(CalendarGrid, ThirtyOneDaysFromSaturdayReachTheSixthRow) {
  // August 2026 starts on a Saturday.
  ASSERT_EQ(6, firstWeekdayOfMonth(7, 2026 - 1900));
  int32_t grid[42];
  CalendarDate date;
  fillGrid(dateOf(2026, 8, 1), WeekFromSunday, date, grid);
  EXPECT_EQ(30, grid[35]);
  EXPECT_EQ(31, grid[36]);
  expectRun(grid, 6, 31);
  // Monday first the same month starts in column 5 and ends in row 5.
  fillGrid(dateOf(2026, 8, 1), WeekFromMonday, date, grid);
  expectRun(grid, 5, 31);
}

TEST(CalendarGrid, LeapFebruariesAndCenturies) {
  int32_t grid[42];
  CalendarDate date;
  fillGrid(dateOf(2024, 2, 29), WeekFromSunday, date, grid);  // Thursday first
  expectRun(grid, 4, 29);
  fillGrid(dateOf(2100, 2, 28), WeekFromSunday, date, grid);  // Monday first, 28 days
  expectRun(grid, 1, 28);
  fillGrid(dateOf(2000, 2, 29), WeekFromMonday, date, grid);  // Tuesday first, 29 days
  expectRun(grid, 1, 29);
}

TEST(CalendarGrid, MondayFirstMonthStartingOnSunday) {
  // March 2026 starts on a Sunday: the last column of the first row.
  int32_t grid[42];
  CalendarDate date;
  fillGrid(dateOf(2026, 3, 1), WeekFromMonday, date, grid);
  expectRun(grid, 6, 31);
  EXPECT_EQ(31, grid[36]);
}

TEST(CalendarNames, Tables) {
  EXPECT_STREQ("null", dayNameTable[0]);
  EXPECT_STREQ("1", dayNameTable[1]);
  EXPECT_STREQ("31", dayNameTable[31]);
  EXPECT_STREQ("m1", monthNameTable[0]);
  EXPECT_STREQ("m12", monthNameTable[11]);
}
