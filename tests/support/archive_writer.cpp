// ArchiveWriter: archive bytes for tests (see archive_writer.h).
#include "support/archive_writer.h"

#include <gtest/gtest.h>

#include <cstdio>

void ArchiveWriter::putU32(std::vector<uint8_t>* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

ArchiveWriter& ArchiveWriter::add(const std::string& name, const std::vector<uint8_t>& data) {
  return addRaw(static_cast<uint8_t>(name.size()), name, static_cast<uint32_t>(data.size()), data);
}

ArchiveWriter& ArchiveWriter::add(const std::string& name, const std::string& data) {
  return add(name, std::vector<uint8_t>(data.begin(), data.end()));
}

ArchiveWriter& ArchiveWriter::addRaw(uint8_t nameLength, const std::string& nameBytes, uint32_t dataSize,
                                     const std::vector<uint8_t>& data) {
  records_.push_back(nameLength);
  records_.insert(records_.end(), nameBytes.begin(), nameBytes.end());
  putU32(&records_, dataSize);
  records_.insert(records_.end(), data.begin(), data.end());
  ++records_count_;
  return *this;
}

ArchiveWriter& ArchiveWriter::appendRaw(const std::vector<uint8_t>& bytes) {
  trailer_.insert(trailer_.end(), bytes.begin(), bytes.end());
  return *this;
}

ArchiveWriter& ArchiveWriter::setCount(int32_t count) {
  count_set_ = true;
  count_ = count;
  return *this;
}

std::vector<uint8_t> ArchiveWriter::bytes() const {
  std::vector<uint8_t> out;
  putU32(&out, static_cast<uint32_t>(count_set_ ? count_ : records_count_));
  out.insert(out.end(), records_.begin(), records_.end());
  out.insert(out.end(), trailer_.begin(), trailer_.end());
  return out;
}

void ArchiveWriter::writeFile(const std::string& path) const { writeBytes(path, bytes()); }

void ArchiveWriter::writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << "cannot write " << path;
  const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  ASSERT_EQ(written, bytes.size()) << "short write to " << path;
}
