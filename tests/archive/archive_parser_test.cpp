// Checked archive parsing: record positions of well-formed archives, lying
// counts that must not reserve memory, and the seed corpus of the fuzzer.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "archive/archive_parser.h"
#include "support/archive_writer.h"

namespace {

TEST(ArchiveParser, RecordsWithOffsets) {
  const std::vector<uint8_t> bytes = ArchiveWriter().add("ab", "xyz").add(std::string("c\0d", 3), "").bytes();
  std::vector<ArchiveRecordInfo> records;
  std::string error = "untouched";
  ASSERT_TRUE(parseArchive(bytes.data(), bytes.size(), &records, &error, nullptr));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].name, "ab");
  EXPECT_EQ(records[0].recordOffset, 4u);
  EXPECT_EQ(records[0].dataOffset, 11u);
  EXPECT_EQ(records[0].size, 3u);
  EXPECT_EQ(records[1].name, "c");
  EXPECT_EQ(records[1].nameLength, 3);
  EXPECT_EQ(records[1].recordOffset, 14u);
  EXPECT_EQ(records[1].dataOffset, 22u);
  EXPECT_EQ(records[1].size, 0u);
  EXPECT_EQ(error, "untouched");
}

TEST(ArchiveParser, LyingCountReservesNoMoreThanTheBytesHold) {
  const std::vector<uint8_t> bytes = ArchiveWriter().add("a", "1").setCount(INT_MAX).bytes();
  std::vector<ArchiveRecordInfo> records;
  std::string error;
  size_t offset = 0;
  EXPECT_FALSE(parseArchive(bytes.data(), bytes.size(), &records, &error, &offset));
  EXPECT_EQ(error, "file ends after 1 of 2147483647 entries");
  EXPECT_EQ(offset, bytes.size());
  EXPECT_LE(records.capacity(), bytes.size());
}

TEST(ArchiveParser, NullOutputsAndTinyBuffers) {
  const uint8_t empty[4] = {0, 0, 0, 0};
  EXPECT_TRUE(parseArchive(empty, 4, nullptr, nullptr, nullptr));
  EXPECT_FALSE(parseArchive(empty, 3, nullptr, nullptr, nullptr));
  EXPECT_FALSE(parseArchive(nullptr, 0, nullptr, nullptr, nullptr));
}

// Seeds for the archive fuzzer: the shapes the reader must accept and each
// kind of damage it must reject. (The name makes the fuzz test run after it.)
TEST(FuzzSeeds, archive_fuzz) {
  const std::filesystem::path folder = std::filesystem::path(ORVEL_BINARY_DIR) / "fuzz-corpus" / "archive_fuzz";
  std::filesystem::create_directories(folder);
  std::vector<std::vector<uint8_t>> seeds = {
      ArchiveWriter().bytes(),
      ArchiveWriter().add("sn", "mesh").add("", "").add("snow.png", std::string(40, 'p')).bytes(),
      ArchiveWriter().add("a", "1").add("a", "2").add("A", "3").appendRaw({1, 2, 3}).bytes(),
      ArchiveWriter().add(std::string("x\0y", 3), "z").bytes(),
      ArchiveWriter().add(std::string(127, 'n'), "long").bytes(),
      ArchiveWriter().add("a", "1").setCount(-5).bytes(),
      ArchiveWriter().add("a", "1").setCount(3).bytes(),
      ArchiveWriter().addRaw(200, "", 0, {}).bytes(),
      ArchiveWriter().addRaw(9, "abc", 0, {}).bytes(),
      ArchiveWriter().addRaw(1, "q", 99999, {1, 2, 3}).bytes(),
      {1, 0},
  };
  for (size_t i = 0; i < seeds.size(); ++i) {
    ArchiveWriter::writeBytes((folder / ("seed" + std::to_string(i))).string(), seeds[i]);
  }
  EXPECT_TRUE(std::filesystem::exists(folder / "seed0"));
}

}  // namespace
