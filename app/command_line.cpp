// CommandLine: the screensaver command line read into its run mode.
#include "app/command_line.h"

#include <sstream>

CommandLine parseCommandLine(const std::string& text) {
  std::istringstream in(text);
  std::string word;
  CommandLine line{RunShow, false, 0};
  in >> word;
  long long handle;
  if (in >> handle) {
    line.hasHandle = true;
    line.handle = handle;
  }
  // Only the second character decides the first two modes, so /s, -S and
  // /c:1234 all match; the s test comes first, so /sc is the screensaver run.
  char second = word.size() >= 2 ? word[1] : '\0';
  if (second == 's' || second == 'S') {
    line.mode = RunScreensaver;
  } else if (second == 'c' || second == 'C') {
    line.mode = RunConfigure;
    // Screen Saver Settings names the window to own the dialog as /c:HWND.
    if (word.size() > 3 && word[2] == ':') {
      std::istringstream digits(word.substr(3));
      long long handle;
      if (digits >> handle && digits.peek() == EOF) {
        line.hasHandle = true;
        line.handle = handle;
      }
    }
  } else if (word == "/p" || word == "/P") {
    line.mode = RunPreview;
  }
  return line;
}
