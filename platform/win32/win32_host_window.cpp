// Windows: the host window modes belong to X11 screensaver daemons; the
// Windows screensaver runs full screen or paints the preview instead.
#include "platform/platform.h"

namespace platform {

bool watchHostWindow(unsigned long&, int&, int&) { return false; }

HostWindowChange pollHostWindow(int&, int&) { return HostUnchanged; }

bool hostWindowMapped() { return true; }

void endWithHostWindow() {}

bool primaryMonitorArea(int, int, int[4]) { return false; }

}  // namespace platform
