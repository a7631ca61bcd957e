// SettingsFile: the one reader and writer of the settings file, used by the
// show and by the settings program. It keeps the reserved texts exactly as
// stored (zero bytes included) and tells a sound file from a foreign or
// damaged one, so that the settings program overwrites nothing unasked.
// The byte layout comes from the field table (app/settings_field.h).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "app/settings.h"

enum SettingsFileState {
  SettingsFileMissing,     // no file (or an empty one): the defaults
  SettingsFileValid,       // format 1, every field, nothing after them
  SettingsFileForeign,     // another format number
  SettingsFileDamaged,     // format 1 but short, or with bytes after the last field
  SettingsFileUnreadable,  // exists but cannot be read (permissions, not a regular file, too large)
};

class SettingsFile {
 public:
  // Files larger than this are not settings files of any format we write.
  static const uint64_t maxFileSize = 16u << 20;

  // Reads the file at path: opened without blocking, regular files only.
  // record then holds the values the show takes from it: the defaults for
  // every field the file does not hold in full.
  void load(const std::string& path);
  // The same for a stream (up to maxFileSize bytes) or bytes in memory.
  void read(std::istream& in);
  void decode(const std::string& bytes);

  // Format 1, exactly the layout decode takes.
  static std::string encode(const Settings& record);

  // True when writing would lose nothing the file held that we understand.
  bool safeToRewrite() const { return state == SettingsFileMissing || state == SettingsFileValid; }

  SettingsFileState state = SettingsFileMissing;
  std::string problem;  // why the file is not valid, in words
  Settings record;
};
