// ArchiveWriter: builds archive files for tests, well-formed or deliberately
// broken. Entries are kept in order; bytes() lays them out as the reader
// expects, writeFile() stores them.
//
//   ArchiveWriter w;
//   w.add("sn", meshBytes).add("snow.png", png);
//   w.writeFile(dir + "/main.pak");
//
// Raw control for malformed cases: setCount() stores any entry count,
// addRaw() a record whose length byte and data size may lie about the bytes
// that follow, appendRaw() bytes after the records, and bytes() can be cut.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ArchiveWriter {
 public:
  ArchiveWriter& add(const std::string& name, const std::vector<uint8_t>& data);
  ArchiveWriter& add(const std::string& name, const std::string& data);
  // A record written field by field: the stored length byte, the name bytes,
  // the stored data size and the data bytes, none checked against the others.
  ArchiveWriter& addRaw(uint8_t nameLength, const std::string& nameBytes, uint32_t dataSize,
                        const std::vector<uint8_t>& data);
  // Bytes written after the records.
  ArchiveWriter& appendRaw(const std::vector<uint8_t>& bytes);
  // The stored entry count; by default the number of records added.
  ArchiveWriter& setCount(int32_t count);

  std::vector<uint8_t> bytes() const;
  // Writes bytes() to path; fails the running test when it can't.
  void writeFile(const std::string& path) const;

  static void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
  static void putU32(std::vector<uint8_t>* out, uint32_t value);

 private:
  std::vector<uint8_t> records_;
  std::vector<uint8_t> trailer_;
  int32_t records_count_ = 0;
  bool count_set_ = false;
  int32_t count_ = 0;
};
