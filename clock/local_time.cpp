// Local time: time() and localtime() into the shared values.
#include "clock/local_time.h"

#include "app/globals.h"

struct tm* readLocalTime() {
  localClockValue = time(nullptr);
  localNow = localtime(&localClockValue);
  return localNow;
}
