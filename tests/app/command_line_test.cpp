// Command-line table: each screensaver command line to its run mode.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/show_options.h"

TEST(CommandLine, EachWordToItsMode) {
  struct Case {
    const char* text;
    RunMode mode;
    bool hasHandle;
    long long handle;
  } cases[] = {
      {"/s", RunScreensaver, false, 0},  {"/S", RunScreensaver, false, 0},
      {"-S", RunScreensaver, false, 0},  {"/sc", RunScreensaver, false, 0},
      {"/c:1234", RunConfigure, true, 1234}, {"/C", RunConfigure, false, 0},
      {"/c:12x", RunConfigure, false, 0},  {"/c:", RunConfigure, false, 0},
      {"/p 1234", RunPreview, true, 1234}, {"/P 1234", RunPreview, true, 1234},
      {"/p:1234", RunShow, false, 0},     {"/a", RunShow, false, 0},
      {"/", RunShow, false, 0},           {"", RunShow, false, 0},
      {"/p", RunPreview, false, 0},       {"  /c   77", RunConfigure, true, 77},
      // The host window options and the settings' options keep clear of s and c.
      {"-root", RunShow, false, 0},       {"-window-id 42", RunShow, true, 42},
      {"--window", RunShow, false, 0},    {"-fps", RunShow, false, 0},
      {"--showCalendar=0", RunShow, false, 0},
  };
  for (const Case& c : cases) {
    CommandLine line = parseCommandLine(c.text);
    EXPECT_EQ(line.mode, c.mode) << '"' << c.text << '"';
    EXPECT_EQ(line.hasHandle, c.hasHandle) << '"' << c.text << '"';
    if (c.hasHandle) {
      EXPECT_EQ(line.handle, c.handle) << '"' << c.text << '"';
    }
  }
}

TEST(ShowOptions, PlacesWindowIdsAndSettings) {
  struct Case {
    const char* text;
    const char* xscreensaverWindow;
    bool ok;
    ShowPlace place;
    unsigned long windowId;
    size_t settingArguments;
  } cases[] = {
      {"", nullptr, true, ShowFullScreen, 0, 0},
      {"/a", nullptr, true, ShowFullScreen, 0, 0},
      {"-root", nullptr, true, ShowInWindow, 0, 0},  // the root window
      {"--root", "4194312", true, ShowInWindow, 4194312, 0},
      {"-root", "0x400008", true, ShowInWindow, 0x400008, 0},
      {"-root", "", true, ShowInWindow, 0, 0},
      {"-root", "0x", false, ShowInWindow, 0, 0},
      {"-root", "12abc", false, ShowInWindow, 0, 0},
      {"-window-id 77", nullptr, true, ShowInWindow, 77, 0},
      {"--window-id 0XfFfFfFfF", nullptr, true, ShowInWindow, 0xFFFFFFFFul, 0},
      {"-window-id 4294967296", nullptr, false, ShowFullScreen, 0, 0},  // past 32 bits
      {"-window-id 0x100000000", nullptr, false, ShowFullScreen, 0, 0},
      {"-window-id 0", nullptr, false, ShowFullScreen, 0, 0},
      {"-window-id -5", nullptr, false, ShowFullScreen, 0, 0},
      {"-window-id", nullptr, false, ShowFullScreen, 0, 0},
      {"-window", nullptr, true, ShowInDesktopWindow, 0, 0},
      {"-fps --analogClock=0 --showFps", nullptr, true, ShowFullScreen, 0, 3},
  };
  for (const Case& c : cases) {
    ShowOptions o;
    EXPECT_EQ(o.parse(c.text, c.xscreensaverWindow), c.ok) << c.text;
    if (!c.ok) {
      EXPECT_FALSE(o.error.empty()) << c.text;
      continue;
    }
    EXPECT_EQ(o.place, c.place) << c.text;
    EXPECT_EQ(o.windowId, c.windowId) << c.text;
    EXPECT_EQ(o.settingArguments.size(), c.settingArguments) << c.text;
  }
  ShowOptions fps;
  fps.parse("-fps", nullptr);
  EXPECT_EQ(fps.settingArguments.at(0), "--showFps=1");
}
