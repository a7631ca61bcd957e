// Settings: the record, its defaults and the display mode table.
#include "app/settings.h"

#include <algorithm>

#include "app/settings_field.h"
#include "app/settings_file.h"
#include "platform/platform.h"

const int displayModeTable[10][3] = {
    {0, 0, 0},       {640, 480, 32},  {800, 600, 32},   {1024, 768, 32},  {1152, 864, 32},
    {1280, 800, 32}, {1280, 960, 32}, {1280, 1024, 32}, {1400, 1050, 32}, {1600, 1200, 32},
};

std::string settingsFileName() { return std::string(1, platform::pathSeparator) + "quorvant_Orvel Kite_cfg"; }

std::string settingsFilePath() { return platform::commonAppDataFolder() + settingsFileName(); }

void Settings::resetToDefaults() {
  for (int i = 0; i < settingsFieldCount; ++i) resetSettingsField(*this, settingsFields[i]);
}

void Settings::readSettings(std::istream& in) {
  SettingsFile file;
  file.read(in);
  *this = file.record;
  // The show keeps a text only up to its first zero byte.
  for (std::string* text : {&reservedText1, &reservedText2}) text->erase(std::min(text->find('\0'), text->size()));
}
