// ConfigDialog: the settings dialog (GTK 3) that the configure mode opens.
#pragma once

#include <string>

// Shows the dialog for the settings file at path, filled with its values or
// the defaults. OK writes the file and closes, Cancel closes without
// writing. Returns the exit status: 0, or 1 when there is no display.
int runConfigDialog(int& argc, char**& argv, const std::string& path);
