// The monitors the show's full-screen window does not fill: their covers
// (platform::coverOtherMonitors) and, in a show started for one of them, the
// window it draws in over its cover.
#pragma once

#include <windows.h>

// The class of the covers: the windows a monitor's show draws over.
extern const char monitorCoverClass[];

// Whether window is a monitor's cover, of this or another process.
bool isMonitorCover(HWND window);
// A top-most window of this process over cover's rectangle to draw in, black
// until drawn, never activated, with its size; null when it cannot be made.
HWND drawOverMonitorCover(HWND cover, int& width, int& height);
// Whether the cover this show draws over has gone.
bool monitorCoverGone();
