// ConfigDialog: the settings dialog (GTK 3 or Win32) that the configure mode opens.
#pragma once

#include <string>

// Shows the dialog for the settings file at path, filled with its values or
// the defaults. OK writes the file and closes, Cancel closes without
// writing. ownerWindow (0 for none) is the window that asked for it: on
// Windows the dialog is owned by it, modal to it and centred over it, and a
// dialog already open is brought to the front instead of a second one.
// Returns the exit status: 0, or 1 when there is no display.
int runConfigDialog(int& argc, char**& argv, const std::string& path, long long ownerWindow);

// How the screensaver's configure mode starts the dialog on this platform,
// for --help: after the program's name, the arguments and what they mean
// (empty where the dialog has no owner window to name).
extern const char configDialogForm[];
