// Mesh entry checking: a table of entries, well-formed and broken, with the
// records found or the exact reason given; and the fuzzer's seed corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/mesh_bytes.h"
#include "scene/mesh_entry.h"
#include "support/archive_writer.h"

namespace {

MeshSpec spec(const std::string& texture, int32_t triangles) {
  MeshSpec s;
  s.texture = texture;
  s.triangles = triangles;
  return s;
}

std::vector<uint8_t> cut(std::vector<uint8_t> bytes, size_t drop) {
  bytes.resize(bytes.size() - drop);
  return bytes;
}

}  // namespace

TEST(MeshEntry, WellFormedEntries) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::vector<int32_t> triangles;
    std::vector<uint32_t> offsets;
  } cases[] = {
      {"short header", MeshBytes().mesh("a.png", 2).bytes(), {2}, {5}},
      {"marker 255", MeshBytes().longHeader().mesh("a.png", 1).mesh("_#Fire64x64", 0).bytes(), {1, 0},
       {9, 9 + 4 + 6 + 145 + 192}},
      {"marker 254 is short", MeshBytes().marker(254).mesh("", 1).bytes(), {1}, {5}},
      {"no meshes", MeshBytes().bytes(), {}, {}},
      {"negative count", MeshBytes().count(-3).bytes(), {}, {}},
      {"count below records", MeshBytes().count(1).mesh("a", 1).mesh("b", 1).bytes(), {1}, {5}},
      {"trailing bytes", MeshBytes().mesh("a", 0).trailer(17).bytes(), {0}, {5}},
  };
  for (const Case& c : cases) {
    std::vector<MeshRecordInfo> meshes;
    std::string error = "stale";
    ASSERT_TRUE(parseMeshEntry(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()), &meshes, &error))
        << c.what << ": " << error;
    EXPECT_TRUE(error.empty()) << c.what;
    ASSERT_EQ(meshes.size(), c.triangles.size()) << c.what;
    for (size_t i = 0; i < meshes.size(); ++i) {
      EXPECT_EQ(meshes[i].triangleCount, c.triangles[i]) << c.what;
      EXPECT_EQ(meshes[i].offset, c.offsets[i]) << c.what;
    }
  }
}

TEST(MeshEntry, RecordWithoutTrianglesIsExactly150PlusName) {
  // 4 + L + 80 + 60 + 4 + 1 bytes, with L = 6 for "a.png\0".
  const std::vector<uint8_t> bytes = MeshBytes().mesh("a.png", 0).bytes();
  EXPECT_EQ(bytes.size(), 5u + 4 + 6 + 80 + 60 + 4 + 1);
  std::vector<MeshRecordInfo> meshes;
  EXPECT_TRUE(parseMeshEntry(bytes.data(), static_cast<uint32_t>(bytes.size()), &meshes, nullptr));
  EXPECT_EQ(meshes.at(0).textureName, "a.png");
  const std::vector<uint8_t> shorter = cut(bytes, 1);
  EXPECT_FALSE(parseMeshEntry(shorter.data(), static_cast<uint32_t>(shorter.size()), nullptr, nullptr));
}

TEST(MeshEntry, NameStopsAtItsZeroByteWithinTheField) {
  MeshSpec s = spec(std::string("tex.png\0junk", 12), 0);
  s.terminate = false;  // a 12-byte field with the zero byte at 7
  std::vector<uint8_t> bytes = MeshBytes().mesh(s).bytes();
  std::vector<MeshRecordInfo> meshes;
  ASSERT_TRUE(parseMeshEntry(bytes.data(), static_cast<uint32_t>(bytes.size()), &meshes, nullptr));
  EXPECT_EQ(meshes[0].textureName, "tex.png");
}

TEST(MeshEntry, MalformedEntriesAndTheirReasons) {
  MeshSpec noZero = spec("abc", 0);
  noZero.terminate = false;
  MeshSpec emptyField = spec("", 0);
  emptyField.nameSize = 0;
  emptyField.terminate = false;
  MeshSpec negativeName = spec("a", 0);
  negativeName.nameSize = -2;
  MeshSpec hugeName = spec("a", 0);
  hugeName.nameSize = 0x7fffffff;
  MeshSpec negativeTriangles = spec("a", 0);
  negativeTriangles.storedTriangles = -1;
  MeshSpec hugeTriangles = spec("a", 0);
  hugeTriangles.storedTriangles = 0x7fffffff;

  const std::vector<uint8_t> two = MeshBytes().mesh("a", 1).mesh("b", 2).bytes();
  const uint32_t twoCut = static_cast<uint32_t>(two.size() - 1);
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::string error;
  } cases[] = {
      {"empty", {}, "the entry header runs past the end of the 0-byte entry"},
      {"count cut", {0, 1, 0}, "the entry header runs past the end of the 3-byte entry"},
      {"long header cut", {255, 0, 0, 0, 0, 1, 0, 0}, "the entry header runs past the end of the 8-byte entry"},
      {"count above records", MeshBytes().count(2).mesh("a", 0).bytes(),
       "record 2 runs past the end of the 156-byte entry"},
      {"second record cut", cut(two, 1),
       "record 2 runs past the end of the " + std::to_string(twoCut) + "-byte entry"},
      {"name without zero", MeshBytes().mesh(noZero).bytes(), "record 1 has a texture name without its zero byte"},
      {"empty name field", MeshBytes().mesh(emptyField).bytes(), "record 1 has a texture name without its zero byte"},
      {"negative name size", MeshBytes().mesh(negativeName).bytes(), "record 1 has a negative name size (-2)"},
      {"name past end", MeshBytes().mesh(hugeName).bytes(), "record 1 runs past the end of the 156-byte entry"},
      {"negative triangles", MeshBytes().mesh(negativeTriangles).bytes(),
       "record 1 has a negative triangle count (-1)"},
      {"triangles past end", MeshBytes().mesh(hugeTriangles).bytes(),
       "record 1 runs past the end of the 156-byte entry"},
      {"huge count, one record", MeshBytes().count(0x7fffffff).mesh("a", 0).bytes(),
       "record 2 runs past the end of the 156-byte entry"},
  };
  for (const Case& c : cases) {
    std::vector<MeshRecordInfo> meshes(3);
    std::string error;
    EXPECT_FALSE(parseMeshEntry(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()), &meshes, &error)) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
  }
  EXPECT_FALSE(parseMeshEntry(nullptr, 10, nullptr, nullptr));
}

TEST(FuzzSeeds, mesh_entry_fuzz) {
  const std::filesystem::path folder = std::filesystem::path(ORVEL_BINARY_DIR) / "fuzz-corpus" / "mesh_entry_fuzz";
  std::filesystem::create_directories(folder);
  MeshSpec noZero = spec("abc", 0);
  noZero.terminate = false;
  const std::vector<std::vector<uint8_t>> seeds = {
      MeshBytes().bytes(),
      MeshBytes().mesh("snow.png", 1).bytes(),
      MeshBytes().longHeader().mesh("a.png", 2).mesh("_#Plasma64x64,1,2,3", 1, 1, 1).trailer(3).bytes(),
      MeshBytes().count(3).mesh("a", 0).bytes(),
      MeshBytes().mesh(noZero).bytes(),
      {255, 1, 2},
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    ArchiveWriter::writeBytes((folder / ("seed" + std::to_string(i))).string(), seeds[i]);
  EXPECT_TRUE(std::filesystem::exists(folder / "seed0"));
}
