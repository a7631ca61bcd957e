// Test archives for the show: a temporary folder holding "main.pak",
// "clock.pak", "calendar.pak" and "utils.pak" (any subset) with every entry
// the scene loads, each a tagged mesh entry, and archiveCache pointed at it.
// Header-only, shared by the scene, snow, clock, calendar and app tests.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/globals.h"
#include "archive/archive_cache.h"
#include "scene/mesh.h"
#include "scene/scene_node.h"
#include "support/archive_writer.h"
#include "support/mesh_bytes.h"
#include "support/test_folder.h"

namespace showarchives {

// A mesh entry of one mesh without triangles whose texture name is
// "tag:" + the entry's name, so a test can tell from a node's mesh which
// entry it loaded. No image of that name exists: the texture is 0.
inline std::vector<uint8_t> taggedMeshEntry(const std::string& entryName) {
  return MeshBytes().mesh("tag:" + entryName, 0).bytes();
}

// The entry a node loaded (its first mesh's tag); "" for a node without
// meshes.
inline std::string entryShown(const SceneNode* node) {
  if (node->meshes.empty() || !node->meshes[0]->textureName) return std::string();
  const std::string tag = node->meshes[0]->textureName;
  return tag.compare(0, 4, "tag:") == 0 ? tag.substr(4) : tag;
}

inline std::vector<std::string> entriesOf(const std::string& archive) {
  std::vector<std::string> names;
  if (archive == "main.pak") {
    names = {"scena", "sn", "nn"};
  } else if (archive == "clock.pak") {
    names = {"ciferblat", "sec", "min", "chas", "podlozka", "podlozka_am", "dot", "am", "pm"};
    for (char c = '0'; c <= '9'; ++c) names.push_back(std::string(1, c));
  } else if (archive == "calendar.pak") {
    names = {"fon", "fon_rus", "day", "day_rus", "null", "sel"};
    for (int m = 1; m <= 12; ++m) names.push_back("m" + std::to_string(m));
    for (int d = 1; d <= 31; ++d) names.push_back(std::to_string(d));
  } else if (archive == "utils.pak") {
    names = {"fps"};
    for (char c = '0'; c <= '9'; ++c) names.push_back(std::string(1, c));
  }
  return names;
}

// Writes the named archives into a fresh folder and makes it the base path
// until the folder goes.
class Folder {
 public:
  explicit Folder(const std::vector<std::string>& archives = {"main.pak", "clock.pak", "calendar.pak", "utils.pak"}) {
    for (const std::string& a : archives) {
      ArchiveWriter w;
      for (const std::string& e : entriesOf(a)) w.add(e, taggedMeshEntry(e));
      w.writeFile(scratch.file(a));
    }
    archiveCache.setBasePath((scratch.path() + "/").c_str());
  }
  ~Folder() { archiveCache.setBasePath(""); }

  TestFolder scratch;
};

// True while archiveCache holds the archive open.
inline bool isOpen(const char* archive) { return archiveCache.archives.find(archive) >= 0; }

}  // namespace showarchives
