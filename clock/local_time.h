// Local time: the one reading of the calendar time that the clock and the
// calendar curves share. Every curve reads it anew on every call.
#pragma once

#include <ctime>

// time() into localClockValue, localtime() into localNow; returns localNow.
struct tm* readLocalTime();
