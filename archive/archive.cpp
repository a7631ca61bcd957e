// Archive: loading and lookup. The file is read whole once, checked record by
// record, and each entry's data is put into a buffer of its own (so that a
// reader running past the end of one entry is caught by the sanitizers rather
// than silently reading the next). A malformed file ends the process with a
// one-line reason; a missing or unreadable one ends it silently.
#include "archive/archive.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "archive/archive_parser.h"

namespace {

// Reads the whole file; false when it can't be opened, isn't a regular file
// (a folder reports a bogus size) or can't be read in full.
bool readWholeFile(const std::string& fileName, std::unique_ptr<uint8_t[]>* bytes, size_t* size) {
  FILE* f = std::fopen(fileName.c_str(), "rb");
  if (!f) return false;
  bool ok = false;
  struct stat info;
  if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
      static_cast<uint64_t>(info.st_size) <= SIZE_MAX) {
    const size_t n = static_cast<size_t>(info.st_size);
    bytes->reset(new (std::nothrow) uint8_t[n ? n : 1]);
    // A short read (the file cut while we read it) counts as unreadable.
    if (*bytes && std::fread(bytes->get(), 1, n, f) == n) {
      *size = n;
      ok = true;
    }
  }
  std::fclose(f);
  return ok;
}

void freeEntries(std::vector<ArchiveEntry>* entries) {
  for (ArchiveEntry& e : *entries) delete[] e.data;
  entries->clear();
}

}  // namespace

Archive::Archive(const std::string& fileName) {
  std::unique_ptr<uint8_t[]> file;
  size_t fileSize = 0;
  if (!readWholeFile(fileName, &file, &fileSize)) std::exit(1);

  std::vector<ArchiveRecordInfo> records;
  std::string error;
  size_t errorOffset = 0;
  if (!parseArchive(file.get(), fileSize, &records, &error, &errorOffset)) {
    file.reset();  // nothing may be left behind for the leak checker at exit
    const std::string line =
        fileName + ": malformed archive at byte " + std::to_string(errorOffset) + ": " + error + "\n";
    std::fputs(line.c_str(), stderr);
    std::exit(1);
  }

  this->fileName = fileName;
  textures.assign(records.size(), 0);
  brokenImages.assign(records.size(), false);
  textureRefs.assign(records.size(), 0);
  names.reserve(records.size());
  entries.reserve(records.size());
  for (const ArchiveRecordInfo& r : records) {
    // new[] of 0 still gives a distinct non-null pointer, as an empty entry must have.
    uint8_t* buffer = new (std::nothrow) uint8_t[r.size];
    if (!buffer) {
      file.reset();
      freeEntries(&entries);
      std::exit(1);
    }
    std::memcpy(buffer, file.get() + r.dataOffset, r.size);
    entries.push_back(ArchiveEntry{buffer, r.size});
    names.push_back(r.name);
  }
}

Archive::~Archive() { freeEntries(&entries); }

ArchiveEntry Archive::entry(const std::string& name) const {
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return entries[i];
  }
  return ArchiveEntry{nullptr, 0};
}
