// SafeFileWriter: replaces a file so that a reader sees either the old
// contents or the new, never a part: the bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file is renamed
// over the old one. A symbolic link at the path is kept: the file it points
// to is written, and made when it does not exist yet.
#pragma once

#include <string>

class SafeFileWriter {
 public:
  // Called with the temporary file's path once it holds every byte, just
  // before the rename; returning false stops there, as a crash would (the
  // temporary file is left behind and the old file untouched). For tests.
  typedef bool (*BeforeRename)(const std::string& tempPath);

  explicit SafeFileWriter(BeforeRename beforeRename = nullptr) : beforeRename(beforeRename) {}

  // Writes bytes to path. False with error set when anything failed (or
  // something other than a regular file is there); the old file is then as
  // it was.
  bool write(const std::string& path, const std::string& bytes, std::string& error);

  // The file a write to path replaces: path itself, or the end of the chain
  // of symbolic links that starts there, whether or not that file exists.
  // Empty, with error set, when the links go round or their end lies in a
  // folder that does not exist.
  static std::string target(const std::string& path, std::string& error);

 private:
  BeforeRename beforeRename;
};
