// SettingsField: the table of settings and the rules for reading, printing
// and setting a field by name.
#include "app/settings_field.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "app/frame_pacer.h"

// clang-format off
const SettingsField settingsFields[] = {
    // name, kind, store, filePlace, member (flag, word, text), default, max,
    // section, dialogPlace, control, label, choices, firstChoiceOn, needs, needsOff
    {"showFps", FieldFlag, StoredField, 7, &Settings::showFps, nullptr, nullptr, 0, 1,
     "Show", 8, CheckControl, "Show _frames per second", {}, false, nullptr, nullptr},
    {"showClock", FieldFlag, StoredField, 8, &Settings::showClock, nullptr, nullptr, 1, 1,
     "Clock", 1, CheckControl, "Show the cloc_k", {}, false, nullptr, nullptr},
    {"analogClock", FieldFlag, StoredField, 9, &Settings::analogClock, nullptr, nullptr, 0, 1,
     "Clock", 2, RadioPairControl, "Face", {"_Analog", "_Digital"}, true, &Settings::showClock, nullptr},
    {"clock24h", FieldFlag, StoredField, 10, &Settings::clock24h, nullptr, nullptr, 0, 1,
     "Clock", 3, RadioPairControl, "Hours", {"_12 hours", "_24 hours"}, false, &Settings::showClock,
     &Settings::analogClock},
    {"largeClock", FieldFlag, StoredField, 11, &Settings::largeClock, nullptr, nullptr, 1, 1,
     "Clock", 4, RadioPairControl, "Size", {"_Large", "_Small"}, true, &Settings::showClock, nullptr},
    {"showCalendar", FieldFlag, StoredField, 12, &Settings::showCalendar, nullptr, nullptr, 1, 1,
     "Calendar", 5, CheckControl, "Show the cal_endar", {}, false, nullptr, nullptr},
    {"russianCalendar", FieldFlag, StoredField, 13, &Settings::russianCalendar, nullptr, nullptr, 0, 1,
     "Calendar", 6, CheckControl, "Russ_ian calendar", {}, false, &Settings::showCalendar, nullptr},
    {"reservedText2", FieldText, ReservedField, 2, nullptr, nullptr, &Settings::reservedText2, 0, 0,
     nullptr, 0, NoControl, "second reserved text", {}, false, nullptr, nullptr},
    {"reservedText1", FieldText, ReservedField, 1, nullptr, nullptr, &Settings::reservedText1, 0, 0,
     nullptr, 0, NoControl, "first reserved text", {}, false, nullptr, nullptr},
    {"quitOnMouseMove", FieldFlag, StoredField, 3, &Settings::quitOnMouseMove, nullptr, nullptr, 0, 1,
     "Show", 9, CheckControl, "_Quit when the mouse moves", {}, false, nullptr, nullptr},
    {"reservedWord", FieldWord, ReservedField, 4, nullptr, &Settings::reservedWord, nullptr, 0, 0xFFFFFFFFu,
     nullptr, 0, NoControl, "reserved word", {}, false, nullptr, nullptr},
    {"resolutionIndex", FieldResolution, StoredField, 5, nullptr, &Settings::resolutionIndex, nullptr, 0,
     resolutionRowCount - 1, "Show", 7, ListControl, "_Resolution", {}, false, nullptr, nullptr},
    {"maxFps", FieldWord, RunTimeField, 0, nullptr, &Settings::maxFps, nullptr, FramePacer::rendererDefault,
     FramePacer::maxRate, nullptr, 0, NoControl,
     "Frames a second at most, 0: no cap", {}, false, nullptr, nullptr},
    {"frameClock", FieldWord, RunTimeField, 0, nullptr, &Settings::frameClock, nullptr, 0, 1000, nullptr, 0,
     NoControl, "Fixed ms a frame, 0: real clock", {}, false, nullptr,
     nullptr},
    {"pixelShift", FieldFlag, RunTimeField, 0, &Settings::pixelShift, nullptr, nullptr, 1, 1,
     nullptr, 0, NoControl, "Shift the overlays against burn-in", {}, false, nullptr,
     nullptr},
};
// clang-format on
const int settingsFieldCount = sizeof(settingsFields) / sizeof(settingsFields[0]);

namespace {

std::vector<const SettingsField*> fieldsBy(int SettingsField::*place) {
  std::vector<const SettingsField*> out;
  for (int i = 0; i < settingsFieldCount; ++i)
    if (settingsFields[i].*place > 0) out.push_back(&settingsFields[i]);
  std::sort(out.begin(), out.end(),
            [place](const SettingsField* a, const SettingsField* b) { return a->*place < b->*place; });
  return out;
}

std::string lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool parseFlag(const std::string& text, bool& out) {
  // The first four mean off, the others on.
  static const std::string words[] = {"0", "false", "off", "no", "1", "true", "on", "yes"};
  const std::string* word = std::find(std::begin(words), std::end(words), lowered(text));
  if (word == std::end(words)) return false;
  out = word - words >= 4;
  return true;
}

// Decimal digits only, no sign, at most max.
bool parseNumber(const std::string& text, uint32_t max, uint32_t& out) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const uint64_t v = std::stoull(text);
  if (v > max) return false;
  out = static_cast<uint32_t>(v);
  return true;
}

bool parseRow(const std::string& text, uint32_t& out) {
  std::string t = lowered(text);
  if (t == "desktop") {
    out = 0;
    return true;
  }
  if (parseNumber(t, resolutionRowCount - 1, out)) return true;
  // A size: "1024x768" or "1024 x 768".
  t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
  for (uint32_t row = 1; row < resolutionRowCount; ++row) {
    if (t == std::to_string(displayModeTable[row][0]) + "x" + std::to_string(displayModeTable[row][1])) {
      out = row;
      return true;
    }
  }
  return false;
}

// Sets a non-reserved field from its text. The parsers set their result
// only on success, so a refused value leaves the record as it was.
bool takeValue(Settings& record, const SettingsField& field, const std::string& value, std::string& error) {
  const bool ok = field.kind == FieldFlag         ? parseFlag(value, record.*field.flag)
                  : field.kind == FieldResolution ? parseRow(value, record.*field.word)
                  : field.kind == FieldWord       ? parseNumber(value, field.maxValue, record.*field.word)
                                                  : false;
  if (!ok)
    error =
        "bad value \"" + value + "\" for " + settingsFieldOptionName(field) + ": expected " + settingsValueHelp(field);
  return ok;
}

}  // namespace

std::vector<const SettingsField*> settingsFieldsInFileOrder() { return fieldsBy(&SettingsField::filePlace); }

std::vector<const SettingsField*> settingsFieldsInDialogOrder() { return fieldsBy(&SettingsField::dialogPlace); }

// "max-fps" for "maxFps": the way X11 programs spell their options.
static std::string undashed(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '-' && i + 1 < name.size() && i > 0)
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(name[++i])));
    else
      out += name[i];
  }
  return out;
}

const SettingsField* findSettingsField(const std::string& name) {
  const std::string wanted = undashed(name);
  for (int i = 0; i < settingsFieldCount; ++i)
    if (wanted == settingsFields[i].name || wanted == settingsFieldOptionName(settingsFields[i]))
      return &settingsFields[i];
  return nullptr;
}

std::string settingsFieldOptionName(const SettingsField& field) {
  return field.kind == FieldResolution ? "resolution" : field.name;
}

void resetSettingsField(Settings& record, const SettingsField& field) {
  if (field.kind == FieldFlag)
    record.*field.flag = field.defaultValue != 0;
  else if (field.kind == FieldText)
    (record.*field.text).clear();
  else
    record.*field.word = field.defaultValue;
}

std::string formatSettingsField(const Settings& record, const SettingsField& field) {
  if (field.kind == FieldFlag) return record.*field.flag ? "true" : "false";
  if (field.kind != FieldText) return std::to_string(record.*field.word);
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

bool setSettingsField(Settings& record, const std::string& name, const std::string& value, std::string& error) {
  const SettingsField* field = findSettingsField(name);
  if (!field || field->store == RunTimeField) {
    error = "unknown setting \"" + name + "\" (config --help lists them)";
    return false;
  }
  if (field->store == ReservedField) {
    error = "\"" + name + "\" is reserved; it is kept as the file holds it";
    return false;
  }
  return takeValue(record, *field, value, error);
}

SettingsOptionResult applySettingsOption(Settings& record, const std::string& argument, std::string& error) {
  if (argument.compare(0, 2, "--") != 0) return NotASettingsOption;
  const size_t eq = argument.find('=');
  const std::string name = argument.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
  const SettingsField* field = findSettingsField(name);
  if (!field || field->store == ReservedField) return NotASettingsOption;
  if (eq == std::string::npos && field->kind != FieldFlag) {
    error = "--" + name + " needs a value: --" + name + "=" + settingsValueHelp(*field);
    return SettingsOptionRefused;
  }
  const std::string value = eq == std::string::npos ? "1" : argument.substr(eq + 1);
  return takeValue(record, *field, value, error) ? SettingsOptionTaken : SettingsOptionRefused;
}

std::string settingsValueHelp(const SettingsField& field) {
  switch (field.kind) {
    case FieldFlag:
      return "0, 1, true, false, on, off, yes or no";
    case FieldResolution:
      return "desktop, " + resolutionSizes() + " (or the row 0 to 9 of that list)";
    case FieldWord:
      return "a number from 0 to " + std::to_string(field.maxValue);
    case FieldText:
    default:
      return "a text";
  }
}

std::string resolutionSizes() {
  std::string out;
  for (uint32_t row = 1; row < resolutionRowCount; ++row) {
    out += row == 1 ? "" : row + 1 == resolutionRowCount ? " or " : ", ";
    out += std::to_string(displayModeTable[row][0]) + "x" + std::to_string(displayModeTable[row][1]);
  }
  return out;
}

std::string plainLabel(const char* label) {
  std::string out = label ? label : "";
  out.erase(std::remove(out.begin(), out.end(), '_'), out.end());
  return out;
}

std::string resolutionLabel(uint32_t row) {
  if (row == 0 || row >= resolutionRowCount) return "Desktop";
  return std::to_string(displayModeTable[row][0]) + " x " + std::to_string(displayModeTable[row][1]);
}

bool settingsFieldAvailable(const Settings& record, const SettingsField& field) {
  return (!field.needs || record.*field.needs) && (!field.needsOff || !(record.*field.needsOff));
}
