// Window classes of this program's own windows (the dialog, the preview,
// the covers of other monitors), registered in one way.
#pragma once

#include <windows.h>

// Registers the class name for module's windows, with procedure, background
// and the class style; icon and cursor may be null. True when the class is
// there, an earlier registration of this process included.
bool registerWindowClass(HINSTANCE module, const char* name, WNDPROC procedure, HBRUSH background, UINT style,
                         HICON icon, HCURSOR cursor);

// A black top-most pop-up over a monitor's rectangle, of the class name with
// procedure (registered here), shown without taking the focus and kept out
// of the task bar and Alt+Tab: a monitor's cover, or the window a monitor's
// show draws in. Null when it cannot be made.
HWND showMonitorWindow(const char* className, WNDPROC procedure, int left, int top, int width, int height);
// What every such window answers alike: no cursor, no activation by a
// click (the keyboard stays with the show on the primary monitor), no close
// on request (only its program removes it). True, with result, for those
// messages.
bool answerMonitorWindow(UINT message, LRESULT& result);

// The class of the black windows over the monitors the full-screen show does
// not fill: the only host windows a show on Windows draws over.
extern const char monitorCoverClass[];
