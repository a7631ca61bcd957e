// DialogControls: what both settings dialogs do with their controls, written
// once over the table of fields. A toolkit builds one control for each of
// `fields` (the table in dialog order) and gives three calls for the i-th:
// read its value, show a value, enable or grey it out. A control's value is
// 1 while its check box, or the first button of its radio pair, is on and 0
// otherwise; a list's is its row (-1 for none).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/settings_field.h"
#include "app/settings_file.h"

class DialogControls {
 public:
  DialogControls(void* dialog, int (*read)(void* dialog, size_t field),
                 void (*show)(void* dialog, size_t field, int value),
                 void (*enable)(void* dialog, size_t field, bool on));

  // The record as the controls show it; what no control shows comes from
  // base.
  Settings choices(const Settings& base) const;
  // Shows record in the controls.
  void fill(const Settings& record) const;
  // Greys out the choices that mean nothing with the others as shown.
  void updateAvailability() const;

  const std::vector<const SettingsField*> fields;

 private:
  void* dialog;
  int (*read)(void* dialog, size_t field);
  void (*show)(void* dialog, size_t field, int value);
  void (*enable)(void* dialog, size_t field, bool on);
};

// What a dialog says above its choices when the file cannot be rewritten as
// it stands, before the user decides: OK replaces it, unless it is no file
// at all. path may be empty where there is no room for it.
std::string unsoundFileWarning(const SettingsFile& file, const std::string& path);
