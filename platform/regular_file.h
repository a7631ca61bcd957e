// RegularFile: a regular file that the platform has opened, read whole the
// same way on every platform. The platform opens it, checks that it is a
// regular file and gives its size and a plain read call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/platform.h"

struct RegularFile {
  void* handle;   // the platform's own: a file descriptor's address, a HANDLE
  uint64_t size;  // as the file system tells it
  // Up to want bytes into `into`: how many (0 at the end), or -1 with
  // problem said.
  int64_t (*read)(void* handle, char* into, size_t want, std::string& problem);
};

// The whole file into bytes: FileRead, or FileUnreadable with the problem
// said and bytes empty when it is larger than maxBytes, grows past it while
// being read, or cannot be read.
platform::FileReadResult readWholeFile(const RegularFile& file, uint64_t maxBytes, std::string& bytes,
                                       std::string& problem);
