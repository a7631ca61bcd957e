// The POSIX calls that the unit tests use for scratch folders and the time
// zone, for the Windows build of those tests (force-included there).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

char* mkdtemp(char* pattern);
int setenv(const char* name, const char* value, int overwrite);
int unsetenv(const char* name);

#ifdef __cplusplus
}
#endif
