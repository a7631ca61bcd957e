// ArchiveCache: the one way to archive data. Opens each archive once, shares
// it by name, counts its users and frees it when the last one lets go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "archive/archive.h"
#include "archive/counted_table.h"

class ArchiveCache {
 public:
  ArchiveCache() = default;
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

  std::string basePath = "0";
  // Keyed by the name asked for, not the path read.
  CountedTable<Archive*> archives;

 private:
  // One user fewer for the archive in row; the last one destroys it.
  void drop(size_t row);
};

// The process's archives, shared by name; defined with the other objects
// whose construction order matters, in app/globals.cpp.
extern ArchiveCache archiveCache;
