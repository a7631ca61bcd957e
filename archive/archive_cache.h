// ArchiveCache: the one way to archive data. Opens each archive once, shares
// it by name, counts its users and frees it when the last one lets go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive.h"

class ArchiveCache {
 public:
  ArchiveCache();
  ~ArchiveCache();
  ArchiveCache(const ArchiveCache&) = delete;
  ArchiveCache& operator=(const ArchiveCache&) = delete;

  // The folder put in front of archive names; "0" means none.
  void setBasePath(const char* path);
  Archive* open(const char* archiveName);
  ArchiveEntry entry(const char* archiveName, const char* entryName);
  uint32_t acquireTexture(const char* archiveName, const char* entryName);
  void releaseTexture(const char* archiveName, uint32_t textureName);
  void release(const char* archiveName);

  std::string basePath;
  std::vector<Archive*> archives;
  std::vector<std::string> names;
  std::vector<int32_t> refs;

 private:
  // Drops one reference of the archive at index; destroys it at 0.
  void drop(size_t index);
};
