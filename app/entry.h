// Entry: the screensaver command line, its four run modes and the show's
// start-up and shut-down.
#pragma once

#include <string>

#include "app/command_line.h"

// Runs the mode the command line names; returns the process exit status.
// instance is the Windows instance handle (null elsewhere).
int appMain(const std::string& commandLine, void* instance);

int runScreensaver();
int runConfigure(const CommandLine& line);
// The show: full screen, or where its options say (ShowOptions).
int runShow(const std::string& commandLine);
