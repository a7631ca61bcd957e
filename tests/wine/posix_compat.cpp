// mkdtemp, setenv and unsetenv on the C runtime of Windows (see the header).
#include "posix_compat.h"

#include <direct.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

extern "C" char* mkdtemp(char* pattern) {
  size_t n = strlen(pattern);
  if (n < 6 || strcmp(pattern + n - 6, "XXXXXX") != 0) {
    errno = EINVAL;
    return nullptr;
  }
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned v = GetTickCount() ^ (GetCurrentProcessId() << 12) ^ (++counter * 2654435761u);
    for (int i = 0; i < 6; ++i, v /= 36) pattern[n - 6 + i] = "abcdefghijklmnopqrstuvwxyz0123456789"[v % 36];
    if (_mkdir(pattern) == 0) return pattern;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

extern "C" int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && getenv(name)) return 0;
  return _putenv_s(name, value) == 0 ? 0 : -1;
}

extern "C" int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }
