// A broken install: an archive, or an entry the scene needs, that is missing
// or malformed. Nothing sound can be shown, and drawing on would read
// outside the data, so the show ends; this is the one way it does.
#pragma once

#include <string>

// Prints line (when not empty) on standard error and ends the process with
// status 1. A missing archive passes no line: it ends the show silently.
[[noreturn]] void exitBrokenInstall(const std::string& line);
