// Entry: the screensaver command line, its four run modes and the show's
// start-up and shut-down.
#pragma once

#include <string>

// Runs the mode the command line names; returns the process exit status.
// instance is the Windows instance handle (null elsewhere).
int appMain(const std::string& commandLine, void* instance);
