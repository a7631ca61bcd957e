// SettingsHelp: the settings as the two programs' --help lists them, made
// from the settings table: one aligned line per field with its option, what
// it does and its default, and notes on the values the options take.
#pragma once

#include <string>

#include "app/settings_field.h"

// The lines of the fields of one store (stored fields in the dialog's
// order, run-time ones in the table's), each "  PREFIXname=VALUES  what
// it does  default D". prefix is "--" for the show, "" for config --set.
std::string settingsHelpLines(SettingsFieldStore store, const std::string& prefix);

// One more line in the same two first columns: an option of the program's
// own ("-window-id ID") and what it does.
std::string settingsHelpRow(const std::string& option, const std::string& what);

// What 0|1 and SIZE stand for, wrapped to the width of the lines above.
std::string settingsHelpNotes();
