// SettingsField: the fields of the settings record by name, as the settings
// program prints them and takes them from the command line, and the rules
// for which choices apply given the others.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"

enum SettingsFieldKind { FieldFlag, FieldResolution, FieldWord, FieldText };

struct SettingsField {
  const char* name;
  SettingsFieldKind kind;
  // Reserved fields are kept as the file holds them and are not set here.
  bool reserved;
  bool Settings::*flag;
  uint32_t Settings::*word;
  std::string Settings::*text;
};

// Every field of the record, in the record's order.
extern const SettingsField settingsFields[];
extern const int settingsFieldCount;

// The field of that name (or of the alias "resolution"); null when none.
const SettingsField* findSettingsField(const std::string& name);

// The field's value as --show prints it: true/false, a number, or a text
// with backslash escapes for anything but printable ASCII.
std::string formatSettingsField(const Settings& record, const SettingsField& field);

// Sets the named field from its command-line text. Booleans take
// 0/1/true/false/on/off/yes/no; the resolution takes a row number 0..9,
// "desktop" or a size like 1024x768. False with error set otherwise.
bool setSettingsField(Settings& record, const std::string& name, const std::string& value, std::string& error);

// "Desktop" for row 0, "1024 x 768" for the others.
std::string resolutionLabel(uint32_t row);
const uint32_t resolutionRowCount = 10;

// Which choices mean something with the others as they are; the dialog
// greys out the rest.
struct ChoiceAvailability {
  bool clockStyle;  // analog or digital, large or small: only with the clock
  bool hourFormat;  // 12 or 24 hours: only for the digital clock
  bool russian;     // only with the calendar
};
ChoiceAvailability choiceAvailability(const Settings& record);
