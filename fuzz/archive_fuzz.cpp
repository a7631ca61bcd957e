// Fuzz entry for the archive reader: any bytes either parse into records
// that lie inside the input, or fail with a reason and an offset inside it.
// Inputs that parse are also loaded from a file by Archive, and every record
// is looked up, so the loader's copies run under the sanitizers too.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/archive_parser.h"

namespace {

std::string scratchFile;

void removeScratch() { std::remove(scratchFile.c_str()); }

// The loader reads files, so each parsed input is written to one scratch
// file, in memory-backed /dev/shm where there is one (ten times faster).
const std::string& scratch() {
  if (scratchFile.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    for (std::string folder : {std::string("/dev/shm"), std::string(tmp && *tmp ? tmp : "/tmp")}) {
      std::string pattern = folder + "/orvel-archive-fuzz-XXXXXX";
      std::vector<char> buffer(pattern.begin(), pattern.end());
      buffer.push_back('\0');
      const int fd = mkstemp(buffer.data());
      if (fd < 0) continue;
      close(fd);
      scratchFile = buffer.data();
      std::atexit(removeScratch);
      break;
    }
    if (scratchFile.empty()) std::abort();
  }
  return scratchFile;
}

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<ArchiveRecordInfo> records;
  std::string error;
  size_t errorOffset = size + 1;
  if (!parseArchive(data, size, &records, &error, &errorOffset)) {
    check(!error.empty() && errorOffset <= size);
    return 0;
  }
  size_t end = 4;
  for (const ArchiveRecordInfo& r : records) {
    check(r.recordOffset == end && r.nameLength <= 127 && r.name.size() <= r.nameLength);
    check(r.dataOffset == r.recordOffset + 1 + r.nameLength + 4 && r.size <= size - r.dataOffset);
    end = r.dataOffset + r.size;
  }

  FILE* f = std::fopen(scratch().c_str(), "wb");
  if (!f) return 0;
  const bool written = std::fwrite(data, 1, size, f) == size;
  std::fclose(f);
  if (!written) return 0;
  Archive archive(scratch());
  check(archive.entries.size() == records.size() && archive.names.size() == records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    const ArchiveEntry e = archive.entry(records[i].name);
    check(e.data != nullptr);
    // The first record of that name wins; its bytes are the file's.
    size_t first = 0;
    while (records[first].name != records[i].name) ++first;
    check(e.size == records[first].size && std::memcmp(e.data, data + records[first].dataOffset, e.size) == 0);
  }
  return 0;
}
