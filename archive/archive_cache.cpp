// ArchiveCache: shared, reference-counted archives (to be completed).
#include "archive/archive_cache.h"

ArchiveCache::ArchiveCache() : basePath("0") {}

ArchiveCache::~ArchiveCache() {}

void ArchiveCache::setBasePath(const char* path) { basePath = path; }
