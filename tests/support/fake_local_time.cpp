// The time() double (fake_local_time.h). It replaces the C library's time()
// in the executable it is linked into, so the build adds it only to the
// clock and calendar tests, not to the shared support library.
#include "support/fake_local_time.h"

#include <cstdlib>
#include <ctime>

namespace fakeclock {
namespace {
bool active = false;
time_t chosen = 0;
}  // namespace

void set(int year, int month1, int day, int hour, int minute, int second) {
  setenv("TZ", "UTC0", 1);
  tzset();
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month1 - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  chosen = timegm(&t);
  active = true;
}

void advance(long seconds) { chosen += seconds; }

void useRealTime() { active = false; }

}  // namespace fakeclock

extern "C" time_t time(time_t* out) noexcept {
  time_t now;
  if (fakeclock::active) {
    now = fakeclock::chosen;
  } else {
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    now = ts.tv_sec;
  }
  if (out) *out = now;
  return now;
}
