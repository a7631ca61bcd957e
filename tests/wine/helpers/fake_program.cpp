// Stand-in for "Orvel Kite.exe" and "config.exe" in the Wine tests of the
// screensaver's run modes: records how it was started (command line,
// current folder, SDL_VIDEO_ALLOW_SCREENSAVER) into "<name>.started" beside
// itself, stays until the test creates "<name>.release" beside it (two
// minutes at most), then appends "ended" and exits with 0, or with 1 when
// "<name>.fail" is there too. So a caller that waits for it is seen waiting,
// and one that does not is seen returning. Each run appends its record, so
// a caller that starts it again is seen doing so.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  char module[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string record = std::string(module) + ".started";
  char cwd[MAX_PATH] = {0};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  const char* allow = std::getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
  FILE* f = std::fopen(record.c_str(), "ab");
  if (!f) return 3;
  std::fprintf(f, "args=[%s]\ncwd=%s\nallow=%s\n", commandLine ? commandLine : "", cwd, allow ? allow : "(unset)");
  std::fclose(f);
  const std::string release = std::string(module) + ".release";
  for (int i = 0; i < 2400 && GetFileAttributesA(release.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  f = std::fopen(record.c_str(), "ab");
  if (!f) return 3;
  std::fprintf(f, "ended\n");
  std::fclose(f);
  return GetFileAttributesA((std::string(module) + ".fail").c_str()) == INVALID_FILE_ATTRIBUTES ? 0 : 1;
}
