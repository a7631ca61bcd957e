// Linux entry point: the command line without the program name is argv[1..]
// joined with single spaces, as the Windows GUI entry would receive it.
#include <string>

#include "app/entry.h"

int main(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return appMain(line, nullptr);
}
