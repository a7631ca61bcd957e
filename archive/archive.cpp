// Archive: loading and lookup. The file is read whole once, checked record by
// record, and each entry's data is put into a buffer of its own (so that a
// reader running past the end of one entry is caught by the sanitizers rather
// than silently reading the next). A malformed file ends the process with a
// one-line reason; a missing or unreadable one ends it silently.
#include "archive/archive.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "archive/archive_parser.h"
#include "archive/broken_install.h"
#include "platform/platform.h"

namespace {

void freeEntries(std::vector<ArchiveEntry>* entries) {
  for (ArchiveEntry& e : *entries) delete[] e.data;
  entries->clear();
}

}  // namespace

Archive::Archive(const std::string& fileName) {
  // Anything but a regular file (a folder, a device, a FIFO that would
  // block the read for ever) is an archive that cannot be opened.
  std::string file, problem;
  if (platform::readRegularFile(fileName, maxArchiveBytes, file, problem) != platform::FileRead) exitBrokenInstall("");
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file.data());

  std::vector<ArchiveRecordInfo> records;
  std::string error;
  size_t errorOffset = 0;
  if (!parseArchive(bytes, file.size(), &records, &error, &errorOffset)) {
    std::string().swap(file);  // nothing may be left behind for the leak checker at exit
    exitBrokenInstall(fileName + ": malformed archive at byte " + std::to_string(errorOffset) + ": " + error);
  }

  this->fileName = fileName;
  brokenImages.assign(records.size(), false);
  names.reserve(records.size());
  entries.reserve(records.size());
  for (const ArchiveRecordInfo& r : records) {
    // new[] of 0 still gives a distinct non-null pointer, as an empty entry must have.
    uint8_t* buffer = new (std::nothrow) uint8_t[r.size];
    if (!buffer) {
      std::string().swap(file);
      freeEntries(&entries);
      exitBrokenInstall("");
    }
    std::memcpy(buffer, bytes + r.dataOffset, r.size);
    entries.push_back(ArchiveEntry{buffer, r.size});
    names.push_back(r.name);
  }
}

Archive::~Archive() { freeEntries(&entries); }

ArchiveEntry Archive::entry(const std::string& name) const {
  const int i = indexOf(names, name);
  return i < 0 ? ArchiveEntry{nullptr, 0} : entries[i];
}
