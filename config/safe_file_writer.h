// SafeFileWriter: replaces a file so that a reader sees either the old
// contents or the new, never a part: the bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file is renamed
// over the old one.
#pragma once

#include <string>

class SafeFileWriter {
 public:
  // Called with the temporary file's path once it holds every byte, just
  // before the rename; returning false stops there, as a crash would (the
  // temporary file is left behind and the old file untouched). For tests.
  typedef bool (*BeforeRename)(const std::string& tempPath);

  explicit SafeFileWriter(BeforeRename beforeRename = nullptr) : beforeRename(beforeRename) {}

  // Writes bytes to path. False with error set when anything failed; the
  // old file is then as it was.
  bool write(const std::string& path, const std::string& bytes);

  std::string error;

 private:
  BeforeRename beforeRename;
};
