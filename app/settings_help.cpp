// SettingsHelp: --help's lines of the settings.
#include "app/settings_help.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "app/frame_pacer.h"

namespace {

std::string lowerFirst(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
  return s;
}

// What the values of a field look like on the command line.
std::string valuePlaceholder(const SettingsField& f) {
  if (f.kind == FieldFlag) return "0|1";
  if (f.kind == FieldResolution) return "SIZE";
  return "0.." + std::to_string(f.maxValue);
}

// What the field does, in the dialog's words: a choice of two says which
// value means which ("Clock face: 1 analog, 0 digital").
std::string description(const SettingsField& f) {
  std::string label = plainLabel(f.label);
  if (f.kind == FieldResolution) return label + " of the full-screen show";
  if (f.control != RadioPairControl) return label;
  const char* on = f.choices[f.firstChoiceOn ? 0 : 1];
  const char* off = f.choices[f.firstChoiceOn ? 1 : 0];
  return std::string(f.section) + " " + lowerFirst(label) + ": 1 " + lowerFirst(plainLabel(on)) + ", 0 " +
         lowerFirst(plainLabel(off));
}

std::string defaultText(const SettingsField& f) {
  if (f.kind == FieldResolution && f.defaultValue == 0) return "desktop";
  // The pace follows the renderer: every frame costs CPU on software GL.
  if (f.defaultValue == FramePacer::rendererDefault) return "60, CPU GL 30";
  return std::to_string(f.defaultValue);
}

std::string padded(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

// The option column is as wide as the show's widest option, so that its
// lists and its own options line up; the description column as wide as the
// widest description.
size_t optionWidth() {
  size_t width = 0;
  for (int i = 0; i < settingsFieldCount; ++i) {
    const SettingsField& f = settingsFields[i];
    if (f.store != ReservedField)
      width = std::max(width, 2 + settingsFieldOptionName(f).size() + 1 + valuePlaceholder(f).size());
  }
  return width;
}

size_t descriptionWidth() {
  size_t width = 0;
  for (int i = 0; i < settingsFieldCount; ++i)
    if (settingsFields[i].store != ReservedField) width = std::max(width, description(settingsFields[i]).size());
  return width;
}

}  // namespace

std::string settingsHelpRow(const std::string& option, const std::string& what) {
  return "  " + padded(option, optionWidth()) + "  " + what + "\n";
}

std::string settingsHelpLines(SettingsFieldStore store, const std::string& prefix) {
  std::vector<const SettingsField*> fields;
  if (store == StoredField) {
    for (const SettingsField* f : settingsFieldsInDialogOrder())
      if (f->store == StoredField) fields.push_back(f);
  } else {
    for (int i = 0; i < settingsFieldCount; ++i)
      if (settingsFields[i].store == store) fields.push_back(&settingsFields[i]);
  }
  std::string out;
  for (const SettingsField* f : fields) {
    const std::string option = prefix + settingsFieldOptionName(*f) + "=" + valuePlaceholder(*f);
    out += settingsHelpRow(option, padded(description(*f), descriptionWidth()) + "  default " + defaultText(*f));
  }
  return out;
}

std::string settingsHelpNotes() {
  const std::string text = "0|1 also takes true/false, on/off or yes/no. SIZE is desktop (the screen's own mode) or " +
                           resolutionSizes() + " (or the row 0 to 9 of that list).";
  // Wrapped at word breaks to 79 columns.
  std::string out, line;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > 79) {
      out += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  return out + line + "\n";
}
