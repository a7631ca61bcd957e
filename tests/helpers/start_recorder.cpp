// Stand-in for a started program: writes its working folder and the
// screensaver variable into "started.txt" of that folder. When a file
// "delay" exists there it first sleeps that many milliseconds; when a file
// "hold" exists, it first waits until a file "release" appears (two minutes
// at most), so a test can see it still running.
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
  if (access("hold", F_OK) == 0)
    for (int i = 0; i < 2400 && access("release", F_OK) != 0; ++i) usleep(50000);
  const char* allow = getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
  std::ofstream out("started.tmp");
  out << cwd << "\n" << (allow ? allow : "(unset)") << "\n";
  out.close();
  rename("started.tmp", "started.txt");
  return 0;
}
