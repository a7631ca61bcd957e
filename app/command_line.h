// CommandLine: the command line that Windows gives a screensaver, read into
// one of the four run modes and an optional window handle.
#pragma once

#include <string>

enum RunMode { RunScreensaver, RunConfigure, RunPreview, RunShow };

struct CommandLine {
  RunMode mode;
  bool hasHandle;
  long long handle;  // parent window of the preview mode, owner of the settings dialog
};

CommandLine parseCommandLine(const std::string& text);
