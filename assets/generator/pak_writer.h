// PakWriter: builds an archive file, a count followed by name/size/data
// records in the order they were added.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PakWriter {
 public:
  void add(const std::string& name, const std::vector<uint8_t>& data);
  bool has(const std::string& name) const;
  std::vector<uint8_t> bytes() const;
  // Writes the file through a temporary one, so a failed run never leaves a
  // half-written archive behind. Throws on failure.
  void save(const std::string& path) const;

  std::vector<std::string> names;
  std::vector<std::vector<uint8_t>> blobs;
};

// Writes bytes to path (through path + ".tmp" and a rename).
void saveFile(const std::string& path, const std::vector<uint8_t>& bytes);
