// ShowOptions: the show's command-line words.
#include "app/show_options.h"

#include <cctype>
#include <cstdint>
#include <sstream>

bool parseWindowId(const std::string& text, unsigned long& id) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const size_t start = hex ? 2 : 0;
  if (text.size() <= start || text.size() - start > (hex ? 8u : 10u)) return false;
  uint64_t value = 0;
  for (size_t i = start; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (hex ? !std::isxdigit(c) : !std::isdigit(c)) return false;
    const int digit = std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
  }
  if (value == 0 || value > UINT32_MAX) return false;
  id = static_cast<unsigned long>(value);
  return true;
}

bool ShowOptions::parse(const std::string& commandLine, const char* xscreensaverWindow) {
  std::istringstream in(commandLine);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "-root" || word == "--root") {
      place = ShowInWindow;
      windowId = 0;
      if (xscreensaverWindow && *xscreensaverWindow && !parseWindowId(xscreensaverWindow, windowId)) {
        error = std::string("XSCREENSAVER_WINDOW=") + xscreensaverWindow + " is not a window id";
        return false;
      }
    } else if (word == "-window-id" || word == "--window-id") {
      if (i + 1 >= words.size() || !parseWindowId(words[i + 1], windowId)) {
        error = word + " needs a window id (decimal or 0x hexadecimal)";
        return false;
      }
      place = ShowInWindow;
      ++i;
    } else if (word == "-window" || word == "--window") {
      place = ShowInDesktopWindow;
    } else if (word == "-fps") {
      settingArguments.push_back("--showFps=1");
    } else if (word == "-help" || word == "--help" || word == "-h") {
      help = true;
    } else if (word.size() > 2 && word[0] == '-' && word[1] == '-') {
      settingArguments.push_back(word);
    }
    // Any other word runs the show, as the screensaver's command line has
    // always allowed ("/a", a stray handle).
  }
  return true;
}
