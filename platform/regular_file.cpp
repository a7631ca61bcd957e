// RegularFile: the size check and the read loop of readRegularFile.
#include "platform/regular_file.h"

#include <algorithm>

platform::FileReadResult readWholeFile(const RegularFile& file, uint64_t maxBytes, std::string& bytes,
                                       std::string& problem) {
  bytes.clear();
  problem.clear();  // success is told by no problem being said
  if (file.size > maxBytes) {
    problem = "it is " + std::to_string(file.size) + " bytes long, more than " + std::to_string(maxBytes);
    return platform::FileUnreadable;
  }
  // Read to the end, never more than one byte past maxBytes, so a file that
  // grew meanwhile is noticed rather than cut.
  size_t got = 0;
  bytes.resize(static_cast<size_t>(std::min<uint64_t>(maxBytes + 1, file.size + 1)));
  for (;;) {
    if (got == bytes.size()) {
      if (got > maxBytes) break;
      bytes.resize(static_cast<size_t>(std::min<uint64_t>(maxBytes + 1, 2 * static_cast<uint64_t>(got) + 4096)));
    }
    const int64_t n = file.read(file.handle, &bytes[got], bytes.size() - got, problem);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  if (problem.empty() && got > maxBytes) problem = "it grew past " + std::to_string(maxBytes) + " bytes";
  if (problem.empty()) return platform::FileRead;
  bytes.clear();
  return platform::FileUnreadable;
}
