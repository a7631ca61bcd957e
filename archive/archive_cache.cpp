// ArchiveCache: archives shared by the name they were asked for, counted, and
// destroyed when the count returns to 0; the next request reads the file anew.
#include "archive/archive_cache.h"

// Archives still held at exit are freed; their GL textures are left alone,
// since the GL context is gone by then.
ArchiveCache::~ArchiveCache() {
  for (Archive* a : archives.objects) delete a;
}

void ArchiveCache::setBasePath(const char* path) { basePath = path; }

Archive* ArchiveCache::open(const char* archiveName) {
  const int held = archives.acquire(archiveName);
  if (held >= 0) return archives.objects[held];
  // A base path starting with '0' means "none": the name is relative to the
  // working folder. Otherwise the path is glued on as it stands.
  const std::string fileName = (!basePath.empty() && basePath[0] == '0') ? std::string(archiveName)
                                                                          : basePath + archiveName;
  Archive* archive = new Archive(fileName);
  archives.add(archiveName, archive);
  return archive;
}

ArchiveEntry ArchiveCache::entry(const char* archiveName, const char* entryName) {
  return open(archiveName)->entry(entryName);
}

uint32_t ArchiveCache::acquireTexture(const char* archiveName, const char* entryName) {
  return open(archiveName)->acquireTexture(entryName);
}

void ArchiveCache::releaseTexture(const char* archiveName, uint32_t textureName) {
  const int row = archives.find(archiveName);
  if (row < 0) return;
  archives.objects[row]->releaseTexture(textureName);
  drop(row);
}

void ArchiveCache::release(const char* archiveName) {
  const int row = archives.find(archiveName);
  if (row >= 0) drop(row);
}

void ArchiveCache::drop(size_t row) {
  Archive* last = nullptr;
  if (archives.drop(row, &last)) delete last;
}
