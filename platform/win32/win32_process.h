// Starting a program and keeping its process handle, for the callers that
// wait for it or watch it.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// A job whose processes all end when its last handle closes, which the
// system does for a process however that process ends; null when the system
// gives none.
HANDLE endWithCallerJob();

// Starts the program at path in workingFolder with argument as the rest of
// its command line (none when empty), inside job when one is given. Returns
// its process handle, for the caller to close, or null when it could not be
// started.
HANDLE startProcess(const std::string& path, const std::string& workingFolder, const std::string& argument, HANDLE job);

// Starts the show at path drawing into window ("-window-id" with the
// window's handle, then options), as startProcess does.
HANDLE startShowInWindow(const std::string& path, const std::string& workingFolder, HWND window,
                         const std::string& options, HANDLE job);

}  // namespace platform
