// SettingsField: the one description of every setting. The settings file's
// byte layout, config --show and --set, both settings dialogs and the show's
// command-line options all walk settingsFields; nothing else lists them.
//
// Adding a setting:
// - a member of Settings (app/settings.h);
// - a row below. `store` says where it lives: StoredField (in the file, set
//   by the dialogs, config --set and the show's options), ReservedField (in
//   the file, kept as stored, set by nobody) or RunTimeField (not in the
//   file: an option of the show only, such as a frame cap; give it
//   filePlace 0 and no dialog place). A stored field needs a filePlace,
//   and appending one changes the file's layout, so a new stored field
//   means a new format number;
// - for the dialogs, a section, a dialogPlace and the labels; a field with
//   dialogPlace 0 has no control.
// The show takes every non-reserved field as --name=VALUE
// (applySettingsOption); config --set takes the stored ones as name=VALUE.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/settings.h"

enum SettingsFieldKind {
  FieldFlag,        // one byte in the file; 0/1, true/false, on/off, yes/no
  FieldResolution,  // a row of displayModeTable; a number, "desktop" or a size
  FieldWord,        // an unsigned 32-bit number up to maxValue
  FieldText,        // a length and that many bytes
};

enum SettingsFieldStore { StoredField, ReservedField, RunTimeField };

// How a dialog shows a field.
enum SettingsFieldControl {
  NoControl,
  CheckControl,      // a check box with `label`
  RadioPairControl,  // `label`, then two buttons `choices`; the first means on when firstChoiceOn
  ListControl,       // `label` and a drop-down list (the resolution rows)
};

struct SettingsField {
  const char* name;  // in the file's tools and on command lines
  SettingsFieldKind kind;
  SettingsFieldStore store;
  int filePlace;  // 1 = first field after the format number; 0 = not in the file
  // The member of Settings it lives in; the one matching kind is set.
  bool Settings::*flag;
  uint32_t Settings::*word;
  std::string Settings::*text;
  uint32_t defaultValue;  // texts default to empty
  uint32_t maxValue;      // FieldWord: the largest value the options take
  // The dialogs. Labels mark their mnemonic with '_'; for the fields
  // without a control, label is how messages name the field.
  const char* section;
  int dialogPlace;  // order within the dialog; 0 = not shown
  SettingsFieldControl control;
  const char* label;
  const char* choices[2];
  bool firstChoiceOn;
  // The choice means something only while `needs` is on and `needsOff` is
  // off; the dialogs grey it out otherwise and indent it under `needs`.
  bool Settings::*needs;
  bool Settings::*needsOff;
};

// Every field, in the record's order (the order config --show prints).
extern const SettingsField settingsFields[];
extern const int settingsFieldCount;

// The fields with a non-zero place (filePlace or dialogPlace), by that place.
std::vector<const SettingsField*> settingsFieldsInFileOrder();
std::vector<const SettingsField*> settingsFieldsInDialogOrder();

// The field of that name (or of the alias "resolution"); null when none.
const SettingsField* findSettingsField(const std::string& name);

// The name options and messages give a field: "resolution" for the
// resolution row, which the file's tools call resolutionIndex.
std::string settingsFieldOptionName(const SettingsField& field);

void resetSettingsField(Settings& record, const SettingsField& field);

// The field's value as --show prints it: true/false, a number, or a text
// with backslash escapes for anything but printable ASCII.
std::string formatSettingsField(const Settings& record, const SettingsField& field);

// Sets a stored field from its text, as config --set takes it. Booleans
// take 0/1/true/false/on/off/yes/no; the resolution a row number 0..9,
// "desktop" or a size like 1024x768; words a decimal number up to maxValue.
// False with error set otherwise, the record unchanged.
bool setSettingsField(Settings& record, const std::string& name, const std::string& value, std::string& error);

// A command-line option of the show: "--name=VALUE", or "--name" alone for
// a flag (on). Stored and run-time fields are taken, reserved ones refused.
enum SettingsOptionResult { NotASettingsOption, SettingsOptionTaken, SettingsOptionRefused };
SettingsOptionResult applySettingsOption(Settings& record, const std::string& argument, std::string& error);

// What a field's value may be, in words ("0, 1, true, false, ...").
std::string settingsValueHelp(const SettingsField& field);

// The sizes of the resolution rows: "640x480, 800x600, ... or 1600x1200".
std::string resolutionSizes();

// A label without its mnemonic mark.
std::string plainLabel(const char* label);

// "Desktop" for row 0, "1024 x 768" for the others.
std::string resolutionLabel(uint32_t row);
const uint32_t resolutionRowCount = 10;

// Whether the choice means something with the others as they are.
bool settingsFieldAvailable(const Settings& record, const SettingsField& field);
