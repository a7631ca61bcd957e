// Test double for the calendar time: the test executable defines time()
// itself, so the clock and calendar curves read a time the test chooses.
// Until set(), time() answers the real time. set() also makes the local
// zone UTC, so the broken-down time is exactly the one given.
#pragma once

namespace fakeclock {

void set(int year, int month1, int day, int hour, int minute, int second);
// Moves the chosen time on by whole seconds.
void advance(long seconds);
void useRealTime();

}  // namespace fakeclock
