// DialogControls: the dialogs' controls to and from the settings record.
#include "config/dialog_controls.h"

DialogControls::DialogControls(void* dialog, int (*read)(void*, size_t), void (*show)(void*, size_t, int),
                               void (*enable)(void*, size_t, bool))
    : fields(settingsFieldsInDialogOrder()), dialog(dialog), read(read), show(show), enable(enable) {}

Settings DialogControls::choices(const Settings& base) const {
  Settings r = base;
  for (size_t i = 0; i < fields.size(); ++i) {
    const SettingsField& f = *fields[i];
    const int value = read(dialog, i);
    if (f.control == CheckControl) r.*f.flag = value != 0;
    if (f.control == RadioPairControl) r.*f.flag = (value != 0) == f.firstChoiceOn;
    // An index past the list reads as the desktop; it is kept unless the
    // user picks another row.
    if (f.control == ListControl && !(value == 0 && base.*f.word >= resolutionRowCount))
      r.*f.word = value < 0 ? 0 : static_cast<uint32_t>(value);
  }
  return r;
}

void DialogControls::fill(const Settings& record) const {
  for (size_t i = 0; i < fields.size(); ++i) {
    const SettingsField& f = *fields[i];
    if (f.control == CheckControl) show(dialog, i, record.*f.flag);
    if (f.control == RadioPairControl) show(dialog, i, record.*f.flag == f.firstChoiceOn);
    if (f.control == ListControl)
      show(dialog, i, record.*f.word < resolutionRowCount ? static_cast<int>(record.*f.word) : 0);
  }
}

void DialogControls::updateAvailability() const {
  const Settings shown = choices(Settings());
  for (size_t i = 0; i < fields.size(); ++i) enable(dialog, i, settingsFieldAvailable(shown, *fields[i]));
}

std::string unsoundFileWarning(const SettingsFile& file, const std::string& path) {
  return "The settings file " + (path.empty() ? "" : path + " ") + "could not be used: " + file.problem +
         (file.state == SettingsFileUnreadable ? ". Remove or rename it to save the choices below."
                                                : ". OK replaces it with the choices below.");
}
