// Local time: time() and localtime() into the shared values.
#include "clock/local_time.h"

time_t localClockValue = 0;
struct tm* localNow = nullptr;

struct tm* readLocalTime() {
  localClockValue = time(nullptr);
  localNow = localtime(&localClockValue);
  return localNow;
}
