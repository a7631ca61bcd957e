// ArchiveCache: archives shared by the name they were asked for, counted, and
// destroyed when the count returns to 0; the next request reads the file anew.
#include "archive/archive_cache.h"

ArchiveCache::ArchiveCache() : basePath("0") {}

// Archives still held at exit are freed; their GL textures are left alone,
// since the GL context is gone by then.
ArchiveCache::~ArchiveCache() {
  for (Archive* a : archives) delete a;
}

void ArchiveCache::setBasePath(const char* path) { basePath = path; }

Archive* ArchiveCache::open(const char* archiveName) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == archiveName) {
      ++refs[i];
      return archives[i];
    }
  }
  // A base path starting with '0' means "none": the name is relative to the
  // working folder. Otherwise the path is glued on as it stands.
  const std::string fileName = (!basePath.empty() && basePath[0] == '0') ? std::string(archiveName)
                                                                          : basePath + archiveName;
  Archive* archive = new Archive(fileName);
  archives.push_back(archive);
  names.push_back(archiveName);
  refs.push_back(1);
  return archive;
}

ArchiveEntry ArchiveCache::entry(const char* archiveName, const char* entryName) {
  return open(archiveName)->entry(entryName);
}

uint32_t ArchiveCache::acquireTexture(const char* archiveName, const char* entryName) {
  return open(archiveName)->acquireTexture(entryName);
}

void ArchiveCache::releaseTexture(const char* archiveName, uint32_t textureName) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == archiveName) {
      archives[i]->releaseTexture(textureName);
      drop(i);
      return;
    }
  }
}

void ArchiveCache::release(const char* archiveName) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == archiveName) {
      drop(i);
      return;
    }
  }
}

void ArchiveCache::drop(size_t index) {
  if (--refs[index] > 0) return;
  delete archives[index];
  archives.erase(archives.begin() + index);
  names.erase(names.begin() + index);
  refs.erase(refs.begin() + index);
}
