// Entry: the screensaver command line, its four run modes and the show's
// start-up and shut-down.
#pragma once

#include <string>

enum RunMode { RunScreensaver, RunConfigure, RunPreview, RunShow };

struct CommandLine {
  RunMode mode;
  bool hasHandle;
  long long handle;  // parent window of the preview mode
};

CommandLine parseCommandLine(const std::string& text);

// Runs the mode the command line names; returns the process exit status.
// instance is the Windows instance handle (null elsewhere).
int appMain(const std::string& commandLine, void* instance);

int runScreensaver();
int runConfigure();
// The show: full screen, or where its options say (ShowOptions).
int runShow(const std::string& commandLine);
