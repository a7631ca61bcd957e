// The settings program's command line, for scripts and administrators:
// print the settings, set named fields, reset to the defaults.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command line args (without the program name) against the
// settings file at path (--file overrides it). Returns the exit status: 0
// done, 1 the file could not be read or written, 2 a usage error, an unknown
// name or a bad value. On any error the file is left as it was. --help names
// the program programName and shows the dialog's command-line form of this
// platform (dialogForm, as the dialog's unit gives it).
int runConfigCommand(const std::vector<std::string>& args, const std::string& path, std::ostream& out,
                     std::ostream& err, const std::string& programName = "config", const char* dialogForm = "");

// Everything the settings program says on standard error goes through here:
// "config: text" as one line on err. Returns status, for `return
// configReport(...)`.
int configReport(std::ostream& err, int status, const std::string& text);

class Settings;
// Writes record to path through SafeFileWriter, holding the file's
// SettingsLock while it does (the dialogs' OK). False with error set; the
// old file is then as it was.
bool saveSettings(const std::string& path, const Settings& record, std::string& error);
