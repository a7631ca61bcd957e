// ShowOptions: the show's command-line words.
#include "app/show_options.h"

#include <cstdint>
#include <sstream>

bool parseWindowId(const std::string& text, unsigned long& id) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = text.substr(hex ? 2 : 0);
  const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
  if (digits.empty() || digits.size() > (hex ? 8u : 10u) || digits.find_first_not_of(allowed) != std::string::npos)
    return false;
  const uint64_t value = std::stoull(digits, nullptr, hex ? 16 : 10);
  if (value == 0 || value > UINT32_MAX) return false;
  id = static_cast<unsigned long>(value);
  return true;
}

bool ShowOptions::parse(const std::string& commandLine, const char* xscreensaverWindow) {
  std::istringstream in(commandLine);
  for (std::string word; in >> word;) {
    if (word == "-root" || word == "--root") {
      place = ShowInWindow;
      windowId = 0;
      if (xscreensaverWindow && *xscreensaverWindow && !parseWindowId(xscreensaverWindow, windowId)) {
        error = std::string("XSCREENSAVER_WINDOW=") + xscreensaverWindow + " is not a window id";
        return false;
      }
    } else if (word == "-window-id" || word == "--window-id") {
      std::string id;
      if (!(in >> id) || !parseWindowId(id, windowId)) {
        error = word + " needs a window id (decimal or 0x hexadecimal)";
        return false;
      }
      place = ShowInWindow;
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
