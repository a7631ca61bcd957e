// SettingsFile: the settings file as the settings program sees it. Unlike the
// show, which only needs the options, this keeps the reserved texts exactly
// as stored (zero bytes included) and tells a sound file from a foreign or
// damaged one, so that nothing the user has is overwritten unasked.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"

enum SettingsFileState {
  SettingsFileMissing,     // no file (or an empty one): the defaults
  SettingsFileValid,       // format 1, every field, nothing after them
  SettingsFileForeign,     // another format number
  SettingsFileDamaged,     // format 1 but short, or with bytes after the last field
  SettingsFileUnreadable,  // exists but cannot be read (permissions, a folder, too large)
};

class SettingsFile {
 public:
  // Files larger than this are not settings files of any format we write.
  static const uint64_t maxFileSize = 16u << 20;

  // Reads the file at path. record then holds the values the show would
  // take from it (the defaults for every field the file does not hold in
  // full), with the reserved texts byte for byte.
  void load(const std::string& path);
  // The same for bytes already in memory.
  void decode(const std::string& bytes);

  // Format 1 exactly as the show reads it.
  static std::string encode(const Settings& record);
  // Writes record to path through SafeFileWriter. False with error set.
  static bool save(const std::string& path, const Settings& record, std::string& error);

  // True when writing would lose nothing the file held that we understand.
  bool safeToRewrite() const { return state == SettingsFileMissing || state == SettingsFileValid; }

  SettingsFileState state = SettingsFileMissing;
  std::string problem;  // why the file is not valid, in words
  Settings record;
};
