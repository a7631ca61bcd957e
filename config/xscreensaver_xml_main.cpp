// Build tool: writes the xscreensaver settings page to the file named.
#include <cstdio>
#include <fstream>

#include "config/xscreensaver_xml.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvel_xscreensaver_xml OUTPUT.xml\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  writeXscreensaverXml(out);
  out.close();
  if (!out) {
    std::fprintf(stderr, "orvel_xscreensaver_xml: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
