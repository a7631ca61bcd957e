// ArchiveReport: what an archive file holds and whether the show can use it:
// the container must be well formed, every mesh entry must parse, and every
// texture a mesh names must be an image entry of the same archive that
// decodes, or a valid procedural texture name.
//
// Entries named like files (with an extension, "ground.png") are images or
// other data; the others ("scena", "7") are mesh entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EntryReport {
  std::string name;
  uint32_t size;
  enum Kind { Mesh, Image, Other } kind;
  // Mesh: record count, triangles, texture names in record order.
  int meshCount;
  long long triangleCount;
  std::vector<std::string> textures;
  // Image: decoded size, and whether it decodes as packed RGBA as it stands.
  int width, height;
  bool rgba;
};

struct ArchiveReport {
  std::vector<EntryReport> entries;
  std::vector<std::string> problems;  // empty when the archive is sound
};

// Checks the archive held in data[0, size); never reads outside it.
ArchiveReport inspectArchive(const uint8_t* data, size_t size);
