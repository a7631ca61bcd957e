// Local time: the one reading of the calendar time that the clock and the
// calendar curves share. Every curve reads it anew on every call.
#pragma once

#include <ctime>

// The calendar time last read and its broken-down local form (in the C
// library's shared buffer; null until the first read or when the time cannot
// be converted).
extern time_t localClockValue;
extern struct tm* localNow;

// time() into localClockValue, localtime() into localNow; returns localNow.
struct tm* readLocalTime();
