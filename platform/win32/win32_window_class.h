// Window classes of this program's own windows (the dialog, the preview,
// the covers of other monitors), registered in one way.
#pragma once

#include <windows.h>

// Registers the class name for module's windows, with procedure, background
// and the class style; icon and cursor may be null. True when the class is
// there, an earlier registration of this process included.
bool registerWindowClass(HINSTANCE module, const char* name, WNDPROC procedure, HBRUSH background, UINT style,
                         HICON icon, HCURSOR cursor);
