// PakWriter: builds an archive file, a count followed by name/size/data
// records in the order they were added.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/little_endian.h"  // putLe: the byte order of every file the generator writes

class PakWriter {
 public:
  void add(const std::string& name, const std::vector<uint8_t>& data);
  std::vector<uint8_t> bytes() const;

  std::vector<std::string> names;
  std::vector<std::vector<uint8_t>> blobs;
};

// Writes bytes to path through path + ".tmp" and a rename, so a failed run
// never leaves a half-written file behind. Throws on failure.
void saveFile(const std::string& path, const std::vector<uint8_t>& bytes);
