// Archive reader: lookups over archives built by ArchiveWriter, and the
// process ending with status 1 (and one line naming file and byte offset
// when malformed) on files it must not load.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "archive/archive.h"
#include "support/archive_writer.h"
#include "support/test_folder.h"

namespace {

std::vector<uint8_t> B(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string regexEscape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (std::strchr(".[]{}()\\*+?|^$", c)) out += '\\';
    out += c;
  }
  return out;
}

class ArchiveTest : public ::testing::Test {
 protected:
  std::string write(const ArchiveWriter& w, const std::string& name = "a.pak") {
    const std::string path = dir.file(name);
    w.writeFile(path);
    return path;
  }
  std::string writeBytes(const std::vector<uint8_t>& bytes, const std::string& name = "a.pak") {
    const std::string path = dir.file(name);
    ArchiveWriter::writeBytes(path, bytes);
    return path;
  }
  TestFolder dir;
};

TEST_F(ArchiveTest, ListsFollowFileOrder) {
  ArchiveWriter w;
  w.add("one", "1").add("two", "22").add("three", "333");
  Archive a(write(w));
  ASSERT_EQ(a.names, (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_TRUE(a.textures.names.empty());
  ASSERT_EQ(a.entries.size(), 3u);
  EXPECT_EQ(a.entries[2].size, 3u);
  EXPECT_EQ(std::memcmp(a.entries[2].data, "333", 3), 0);
  // Lookups hand out the archive's own buffer, the same one every time.
  EXPECT_EQ(a.entry("two").data, a.entries[1].data);
  EXPECT_EQ(a.entry("two").data, a.entry("two").data);
  EXPECT_EQ(a.entry("two").size, 2u);
}

TEST_F(ArchiveTest, CountZeroOrNegativeGivesEmptyArchive) {
  for (int32_t count : {0, -1, INT_MIN}) {
    ArchiveWriter w;
    w.add("x", "data").setCount(count);  // the record is there but not counted
    Archive a(write(w));
    EXPECT_TRUE(a.names.empty()) << count;
    EXPECT_EQ(a.entry("x").data, nullptr) << count;
    EXPECT_EQ(a.entry("").size, 0u) << count;
  }
}

TEST_F(ArchiveTest, EmptyNameAndEmptyData) {
  ArchiveWriter w;
  w.add("", "empty-name").add("nothing", "");
  Archive a(write(w));
  EXPECT_EQ(a.entry("").size, 10u);
  EXPECT_EQ(std::memcmp(a.entry("").data, "empty-name", 10), 0);
  const ArchiveEntry nothing = a.entry("nothing");
  EXPECT_NE(nothing.data, nullptr);
  EXPECT_EQ(nothing.size, 0u);
}

TEST_F(ArchiveTest, FirstOfDuplicatesWinsAndCaseMatters) {
  ArchiveWriter w;
  w.add("tex", "first").add("TEX", "upper").add("tex", "second");
  Archive a(write(w));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(a.entry("tex").data), a.entry("tex").size), "first");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(a.entry("TEX").data), a.entry("TEX").size), "upper");
  EXPECT_EQ(a.entry("Tex").data, nullptr);
  EXPECT_EQ(a.entry("tex ").data, nullptr);  // no trimming either
  EXPECT_EQ(a.names.size(), 3u);
}

TEST_F(ArchiveTest, ZeroByteInsideNameEndsIt) {
  ArchiveWriter w;
  w.add(std::string("ab\0cd", 5), "x").add("next", "yy");
  Archive a(write(w));
  EXPECT_EQ(a.names[0], "ab");
  EXPECT_EQ(a.entry("ab").size, 1u);
  EXPECT_EQ(a.entry("next").size, 2u);  // the rest of the record was still read
}

TEST_F(ArchiveTest, LongestNameAndTrailingBytes) {
  const std::string longest(127, 'n');
  ArchiveWriter w;
  w.add(longest, "v").appendRaw({0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  Archive a(write(w));
  EXPECT_EQ(a.entry(longest).size, 1u);
  EXPECT_EQ(a.names.size(), 1u);
}

TEST_F(ArchiveTest, MissingOrUnreadableFileExitsSilently) {
  EXPECT_EXIT(Archive{dir.file("absent.pak")}, ::testing::ExitedWithCode(1), "^$");
  EXPECT_EXIT(Archive{dir.path()}, ::testing::ExitedWithCode(1), "^$");  // a folder
}

// Each malformed file ends the process with one line naming it and the byte.
TEST_F(ArchiveTest, MalformedFileExitsWithOneLine) {
  struct Case {
    std::vector<uint8_t> bytes;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{}, "at byte 0: entry count needs 4 bytes, the file has 0"},
      {{2, 0}, "at byte 0: entry count needs 4 bytes, the file has 2"},
      {ArchiveWriter().add("a", "1").setCount(2).bytes(), "at byte 11: file ends after 1 of 2 entries"},
      {ArchiveWriter().addRaw(128, "", 0, {}).bytes(), "at byte 4: name length 128 is over 127"},
      {ArchiveWriter().addRaw(255, "", 0, {}).bytes(), "at byte 4: name length 255 is over 127"},
      {[] {
         std::vector<uint8_t> b = ArchiveWriter().add("abcdef", "").bytes();
         b.resize(8);
         return b;
       }(),
       "at byte 5: name of 6 bytes exceeds the 3 bytes left"},
      {[] {
         std::vector<uint8_t> b = ArchiveWriter().add("ab", "").bytes();
         b.resize(9);
         return b;
       }(),
       "at byte 7: data size needs 4 bytes, 2 bytes left"},
      {ArchiveWriter().addRaw(0, "", 99999, B("twelve bytes")).bytes(),
       "at byte 5: data size 99999 exceeds the 12 bytes left"},
      {ArchiveWriter().addRaw(0, "", 0xFFFFFFFFu, {}).bytes(), "at byte 5: data size 4294967295 exceeds the 0 bytes left"},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string path = writeBytes(cases[i].bytes, "bad" + std::to_string(i) + ".pak");
    const std::string line = "^" + regexEscape(path) + ": malformed archive " + cases[i].message + "\n$";
    EXPECT_EXIT(Archive{path}, ::testing::ExitedWithCode(1), line) << "case " << i;
  }
}

}  // namespace
