// Stand-in for a started program: writes its working folder and the
// screensaver variable into "started.txt" of that folder. When a file
// "delay" exists there it first sleeps that many milliseconds.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main() {
  char cwd[4096];
  if (!getcwd(cwd, sizeof cwd)) return 2;
  std::ifstream delay("delay");
  int ms = 0;
  if (delay >> ms) usleep(static_cast<useconds_t>(ms) * 1000);
  const char* allow = getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
  std::ofstream out("started.tmp");
  out << cwd << "\n" << (allow ? allow : "(unset)") << "\n";
  out.close();
  rename("started.tmp", "started.txt");
  return 0;
}
