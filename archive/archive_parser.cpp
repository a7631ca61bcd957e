// Checked reading of the archive container (see archive_parser.h).
#include "archive/archive_parser.h"

#include <cstring>

namespace {

// Smallest record: a zero name length byte and a four-byte data size.
const size_t kMinRecordSize = 5;

bool fail(std::string* error, size_t* errorOffset, size_t offset, const std::string& reason) {
  if (error) *error = reason;
  if (errorOffset) *errorOffset = offset;
  return false;
}

std::string bytesLeft(size_t n) { return std::to_string(n) + (n == 1 ? " byte left" : " bytes left"); }

}  // namespace

bool parseArchive(const uint8_t* data, size_t size, std::vector<ArchiveRecordInfo>* records, std::string* error,
                  size_t* errorOffset) {
  if (records) records->clear();
  if (size < 4) return fail(error, errorOffset, 0, "entry count needs 4 bytes, the file has " + std::to_string(size));
  const int32_t count = static_cast<int32_t>(readLittleEndian32(data));
  if (records && count > 0) {
    // A lying count must not make us reserve memory the file cannot back.
    const size_t possible = (size - 4) / kMinRecordSize;
    records->reserve(static_cast<size_t>(count) < possible ? static_cast<size_t>(count) : possible);
  }

  size_t pos = 4;
  for (int32_t i = 0; i < count; ++i) {
    const size_t recordOffset = pos;
    if (pos == size) {
      return fail(error, errorOffset, pos,
                  "file ends after " + std::to_string(i) + " of " + std::to_string(count) + " entries");
    }
    const uint8_t nameLength = data[pos];
    if (nameLength > 127) {
      return fail(error, errorOffset, pos, "name length " + std::to_string(nameLength) + " is over 127");
    }
    ++pos;
    if (nameLength > size - pos) {
      return fail(error, errorOffset, pos,
                  "name of " + std::to_string(nameLength) + " bytes exceeds the " + bytesLeft(size - pos));
    }
    const char* name = reinterpret_cast<const char*>(data + pos);
    const void* zero = std::memchr(name, 0, nameLength);
    const size_t shownLength = zero ? static_cast<size_t>(static_cast<const char*>(zero) - name) : nameLength;
    pos += nameLength;
    if (size - pos < 4) {
      return fail(error, errorOffset, pos, "data size needs 4 bytes, " + bytesLeft(size - pos));
    }
    const uint32_t dataSize = readLittleEndian32(data + pos);
    if (dataSize > size - pos - 4) {
      return fail(error, errorOffset, pos,
                  "data size " + std::to_string(dataSize) + " exceeds the " + bytesLeft(size - pos - 4));
    }
    pos += 4;
    if (records)
      records->push_back(ArchiveRecordInfo{std::string(name, shownLength), nameLength, recordOffset, pos, dataSize});
    pos += dataSize;
  }
  return true;
}
