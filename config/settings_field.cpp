// SettingsField: names, parsing and printing of the settings fields.
#include "config/settings_field.h"

#include <cctype>
#include <cstdio>

const SettingsField settingsFields[] = {
    {"showFps", FieldFlag, false, &Settings::showFps, nullptr, nullptr},
    {"showClock", FieldFlag, false, &Settings::showClock, nullptr, nullptr},
    {"analogClock", FieldFlag, false, &Settings::analogClock, nullptr, nullptr},
    {"clock24h", FieldFlag, false, &Settings::clock24h, nullptr, nullptr},
    {"largeClock", FieldFlag, false, &Settings::largeClock, nullptr, nullptr},
    {"showCalendar", FieldFlag, false, &Settings::showCalendar, nullptr, nullptr},
    {"russianCalendar", FieldFlag, false, &Settings::russianCalendar, nullptr, nullptr},
    {"reservedText2", FieldText, true, nullptr, nullptr, &Settings::reservedText2},
    {"reservedText1", FieldText, true, nullptr, nullptr, &Settings::reservedText1},
    {"quitOnMouseMove", FieldFlag, false, &Settings::quitOnMouseMove, nullptr, nullptr},
    {"reservedWord", FieldWord, true, nullptr, &Settings::reservedWord, nullptr},
    {"resolutionIndex", FieldResolution, false, nullptr, &Settings::resolutionIndex, nullptr},
};
const int settingsFieldCount = sizeof(settingsFields) / sizeof(settingsFields[0]);

namespace {

std::string lowered(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool parseFlag(const std::string& text, bool& out) {
  const std::string t = lowered(text);
  if (t == "1" || t == "true" || t == "on" || t == "yes") {
    out = true;
    return true;
  }
  if (t == "0" || t == "false" || t == "off" || t == "no") {
    out = false;
    return true;
  }
  return false;
}

bool parseRow(const std::string& text, uint32_t& out) {
  const std::string t = lowered(text);
  if (t == "desktop") {
    out = 0;
    return true;
  }
  if (!t.empty() && t.size() <= 2 && std::isdigit(static_cast<unsigned char>(t[0])) &&
      (t.size() == 1 || std::isdigit(static_cast<unsigned char>(t[1])))) {
    unsigned long v = std::stoul(t);
    if (v >= resolutionRowCount) return false;
    out = static_cast<uint32_t>(v);
    return true;
  }
  // A size: "1024x768" or "1024 x 768".
  std::string compact;
  for (char c : t)
    if (c != ' ') compact += c;
  for (uint32_t row = 1; row < resolutionRowCount; ++row) {
    if (compact == std::to_string(displayModeTable[row][0]) + "x" + std::to_string(displayModeTable[row][1])) {
      out = row;
      return true;
    }
  }
  return false;
}

}  // namespace

const SettingsField* findSettingsField(const std::string& name) {
  const std::string wanted = name == "resolution" ? "resolutionIndex" : name;
  for (int i = 0; i < settingsFieldCount; ++i)
    if (wanted == settingsFields[i].name) return &settingsFields[i];
  return nullptr;
}

std::string formatSettingsField(const Settings& record, const SettingsField& field) {
  switch (field.kind) {
    case FieldFlag:
      return record.*field.flag ? "true" : "false";
    case FieldResolution:
    case FieldWord:
      return std::to_string(record.*field.word);
    case FieldText:
    default: {
      std::string out;
      for (unsigned char c : record.*field.text) {
        if (c == '\\') {
          out += "\\\\";
        } else if (c >= 0x20 && c < 0x7f) {
          out += static_cast<char>(c);
        } else {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02x", c);
          out += hex;
        }
      }
      return out;
    }
  }
}

bool setSettingsField(Settings& record, const std::string& name, const std::string& value, std::string& error) {
  const SettingsField* field = findSettingsField(name);
  if (!field) {
    error = "unknown setting \"" + name + "\" (config --help lists them)";
    return false;
  }
  if (field->reserved) {
    error = "\"" + name + "\" is reserved; it is kept as the file holds it";
    return false;
  }
  if (field->kind == FieldFlag) {
    bool v;
    if (!parseFlag(value, v)) {
      error = "bad value \"" + value + "\" for " + name + ": expected 0, 1, true, false, on or off";
      return false;
    }
    record.*field->flag = v;
    return true;
  }
  uint32_t row;
  if (!parseRow(value, row)) {
    error = "bad value \"" + value + "\" for " + name +
            ": expected a row 0 to 9, \"desktop\" or a size such as 1024x768";
    return false;
  }
  record.*field->word = row;
  return true;
}

std::string resolutionLabel(uint32_t row) {
  if (row == 0 || row >= resolutionRowCount) return "Desktop";
  return std::to_string(displayModeTable[row][0]) + " x " + std::to_string(displayModeTable[row][1]);
}

ChoiceAvailability choiceAvailability(const Settings& record) {
  ChoiceAvailability a;
  a.clockStyle = record.showClock;
  a.hourFormat = record.showClock && !record.analogClock;
  a.russian = record.showCalendar;
  return a;
}
