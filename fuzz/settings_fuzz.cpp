// Fuzz entry for settings files: the show's reader and the settings
// program's reader must take any bytes without reading past them, agree on
// every option, and a file the settings program calls sound must survive a
// rewrite with its texts byte for byte (flags may come back as 0 or 1).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/settings.h"
#include "config/settings_file.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 16)) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  std::istringstream in(bytes, std::ios::in | std::ios::binary);
  Settings shown;
  shown.readSettings(in);
  check(shown.displayWidth() >= 0 && shown.displayHeight() >= 0);

  SettingsFile file;
  file.decode(bytes);
  const Settings& kept = file.record;
  check(kept.showFps == shown.showFps && kept.showClock == shown.showClock &&
        kept.analogClock == shown.analogClock && kept.clock24h == shown.clock24h &&
        kept.largeClock == shown.largeClock && kept.showCalendar == shown.showCalendar &&
        kept.russianCalendar == shown.russianCalendar && kept.quitOnMouseMove == shown.quitOnMouseMove &&
        kept.reservedWord == shown.reservedWord && kept.resolutionIndex == shown.resolutionIndex);
  if (file.state == SettingsFileValid) {
    // Rewriting keeps the texts byte for byte and reads back the same.
    const std::string written = SettingsFile::encode(kept);
    check(written.size() == bytes.size());
    SettingsFile again;
    again.decode(written);
    check(again.state == SettingsFileValid && again.record.reservedText1 == kept.reservedText1 &&
          again.record.reservedText2 == kept.reservedText2 && SettingsFile::encode(again.record) == written);
  }
  return 0;
}
