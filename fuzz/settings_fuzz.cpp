// Fuzz entry for settings files: the one reader takes any bytes without
// reading past them (the sanitizers watch), keeps no more text than the
// file holds, and a file it calls sound survives a rewrite with its
// reserved bytes byte for byte (flags may come back as 0 or 1).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/settings_file.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 16)) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  SettingsFile file;
  file.decode(bytes);
  const Settings& kept = file.record;
  check(kept.reservedText1.size() + kept.reservedText2.size() <= size);
  check(kept.displayWidth() >= 0 && kept.displayHeight() >= 0);

  // The show's view is the same record with its texts cut at a zero byte.
  std::istringstream in(bytes, std::ios::in | std::ios::binary);
  Settings shown;
  shown.readSettings(in);
  check(shown.reservedText1 == kept.reservedText1.substr(0, kept.reservedText1.find('\0')));
  shown.reservedText1 = kept.reservedText1;
  shown.reservedText2 = kept.reservedText2;
  check(SettingsFile::encode(shown) == SettingsFile::encode(kept));

  if (file.state == SettingsFileValid) {
    const std::string written = SettingsFile::encode(kept);
    check(written.size() == bytes.size());
    SettingsFile again;
    again.decode(written);
    check(again.state == SettingsFileValid && again.record.reservedText1 == kept.reservedText1 &&
          again.record.reservedText2 == kept.reservedText2 && again.record.reservedWord == kept.reservedWord &&
          SettingsFile::encode(again.record) == written);
    // Every byte but the flags' is the file's own.
    for (size_t i = 0; i < size; ++i) check(written[i] == bytes[i] || (written[i] == 1 && bytes[i] != 0));
  }
  return 0;
}
