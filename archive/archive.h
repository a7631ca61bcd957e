// Archive: one archive file read whole into memory; entries are handed out
// in place as {pointer, size} and stay valid until the archive is destroyed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/counted_table.h"

// The largest archive file read; far more than any of ours (the largest is
// about 12 MiB).
const uint64_t maxArchiveBytes = 1u << 30;

struct ArchiveEntry {
  const uint8_t* data;
  uint32_t size;
};

class Archive {
 public:
  // Reads the file whole; ends the process with status 1 when it can't be
  // read (silently) or is malformed (one line on standard error).
  explicit Archive(const std::string& fileName);
  ~Archive();
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  ArchiveEntry entry(const std::string& name) const;
  uint32_t acquireTexture(const std::string& name);
  void releaseTexture(uint32_t textureName);

  // GL textures of image entries, by entry name, while they have users.
  CountedTable<uint32_t> textures;
  std::vector<ArchiveEntry> entries;
  std::vector<std::string> names;
  // Entries that did not decode as images: tried once, reported once.
  std::vector<bool> brokenImages;
  std::string fileName;
};

// Makes a GL texture from the image in entry and leaves it bound; 0, with
// nothing made and the reason in error, when the bytes do not decode.
uint32_t makeEntryTexture(const ArchiveEntry& entry, std::string* error);
// Makes a GL texture of width x height RGBA pixels, as every texture of the
// show is made (linear filtering, modulated by the lighting), and leaves it
// bound.
uint32_t makeRgbaTexture(int32_t width, int32_t height, const void* pixels);
