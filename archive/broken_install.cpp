// Broken install: the one line and the exit status.
#include "archive/broken_install.h"

#include <cstdio>
#include <cstdlib>

void exitBrokenInstall(const std::string& line) {
  if (!line.empty()) std::fputs((line + "\n").c_str(), stderr);
  std::exit(1);
}
