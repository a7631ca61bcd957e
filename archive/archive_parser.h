// Checked reading of the archive container: walks the records of an archive
// held in memory and reports, without exiting, where and why a malformed one
// goes wrong. The Archive loader, the fuzzer and the inspector tool share it,
// so every byte the program takes from an archive file has passed this check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/little_endian.h"  // readLittleEndian32: the container's and the mesh entries' numbers

struct ArchiveRecordInfo {
  std::string name;     // as lookups know it: the stored bytes up to a zero byte
  uint8_t nameLength;   // the stored name length byte
  size_t recordOffset;  // where the record's name length byte lies
  size_t dataOffset;    // where its data begins
  uint32_t size;        // its data size
};

// Reads the entry count and the records of the archive in data[0, size).
// On success fills records (when given) in file order and returns true;
// bytes after the last counted record are ignored. On failure returns false
// with a short reason in error and the byte offset of the faulty field in
// errorOffset (both optional). Never reads outside the buffer and never
// reserves more records than the bytes could hold.
bool parseArchive(const uint8_t* data, size_t size, std::vector<ArchiveRecordInfo>* records, std::string* error,
                  size_t* errorOffset);
