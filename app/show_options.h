// ShowOptions: the show's own command-line words, the way X11 screensaver
// daemons start a display mode: where to draw (-root, -window-id ID,
// -window) and settings that override the file for one run (--name=VALUE,
// -fps). Words whose second character picks another run mode never get
// here.
#pragma once

#include <string>
#include <vector>

enum ShowPlace { ShowFullScreen, ShowInWindow, ShowInDesktopWindow };

class ShowOptions {
 public:
  // Takes the whole command line. xscreensaverWindow is the daemon's
  // XSCREENSAVER_WINDOW (null when unset), which -root draws into. False
  // with error set on a bad window id or a setting option without a name.
  bool parse(const std::string& commandLine, const char* xscreensaverWindow);

  ShowPlace place = ShowFullScreen;
  unsigned long windowId = 0;  // ShowInWindow: 0 is the root window
  bool help = false;
  // "--name=VALUE" and "--name" words, in their order, for the settings.
  std::vector<std::string> settingArguments;
  std::string error;
};

// A window id as hosts write it: decimal or 0x hexadecimal, 1 to 2^32 - 1.
bool parseWindowId(const std::string& text, unsigned long& id);
