// The POSIX calls that the unit tests use for scratch folders and the time
// zone, and the reentrant broken-down time calls, for the Windows build of those tests (force-included there).
#pragma once

#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

char* mkdtemp(char* pattern);
int setenv(const char* name, const char* value, int overwrite);
int unsetenv(const char* name);

static inline time_t timegm(struct tm* t) { return _mkgmtime(t); }
static inline struct tm* gmtime_r(const time_t* when, struct tm* out) { return gmtime_s(out, when) ? 0 : out; }
static inline struct tm* localtime_r(const time_t* when, struct tm* out) {
  return localtime_s(out, when) ? 0 : out;
}

#ifdef __cplusplus
}
#endif
