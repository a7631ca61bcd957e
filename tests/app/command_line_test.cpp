// Command-line table: each screensaver command line to its run mode.
#include <gtest/gtest.h>

#include "app/entry.h"

TEST(CommandLine, EachWordToItsMode) {
  struct Case {
    const char* text;
    RunMode mode;
    bool hasHandle;
    long long handle;
  } cases[] = {
      {"/s", RunScreensaver, false, 0},  {"/S", RunScreensaver, false, 0},
      {"-S", RunScreensaver, false, 0},  {"/sc", RunScreensaver, false, 0},
      {"/c:1234", RunConfigure, false, 0}, {"/C", RunConfigure, false, 0},
      {"/p 1234", RunPreview, true, 1234}, {"/P 1234", RunPreview, true, 1234},
      {"/p:1234", RunShow, false, 0},     {"/a", RunShow, false, 0},
      {"/", RunShow, false, 0},           {"", RunShow, false, 0},
      {"/p", RunPreview, false, 0},       {"  /c   77", RunConfigure, true, 77},
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
