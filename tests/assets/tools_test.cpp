// The generator and the inspector as programs: the same sources give the
// same bytes, and the inspector passes sound archives and fails broken ones
// (a cut container, a mesh entry that runs past its end, a texture that
// resolves to nothing, a bad procedural name, a folder or a FIFO).
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generated_archive.h"
#include "support/archive_writer.h"
#include "support/mesh_bytes.h"

namespace {

namespace fs = std::filesystem;

std::string tool(const char* name) { return std::string(ORVEL_BINARY_DIR) + "/assets/" + name; }

int run(const std::string& command) {
  int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A mesh entry of one record with the given texture and triangle count.
std::vector<uint8_t> meshEntry(const std::string& texture, int32_t triangles) {
  return MeshBytes().mesh(texture, triangles).bytes();
}

class InspectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(tool("orvel_inspect"))) GTEST_SKIP() << "the inspector is not built here";
    dir = fs::temp_directory_path() / ("orvel_inspect_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    if (!dir.empty()) fs::remove_all(dir);
  }
  int inspect(const ArchiveWriter& w) {
    std::string path = (dir / "test.pak").string();
    w.writeFile(path);
    return run("'" + tool("orvel_inspect") + "' '" + path + "'");
  }
  fs::path dir;
};

}  // namespace

TEST_F(InspectorTest, PassesTheGeneratedArchives) {
  for (const char* name : {"main.pak", "utils.pak", "clock.pak", "calendar.pak"}) {
    if (!fs::exists(distPath(name))) GTEST_SKIP() << "no generated archives in this build";
    EXPECT_EQ(run("'" + tool("orvel_inspect") + "' '" + distPath(name) + "'"), 0) << name;
  }
}

TEST_F(InspectorTest, FailsArchivesTheShowCouldNotUse) {
  // A sound archive for reference: a mesh on a procedural texture.
  EXPECT_EQ(inspect(ArchiveWriter().add("fire", meshEntry("_#Fire64x64", 2))), 0);
  // The same archive with its last record cut short.
  {
    ArchiveWriter w;
    w.add("fire", meshEntry("_#Fire64x64", 2));
    std::vector<uint8_t> bytes = w.bytes();
    bytes.resize(bytes.size() - 10);
    std::string path = (dir / "cut.pak").string();
    ArchiveWriter::writeBytes(path, bytes);
    EXPECT_EQ(run("'" + tool("orvel_inspect") + "' '" + path + "'"), 1);
  }
  // A mesh record claiming more triangles than the entry holds.
  std::vector<uint8_t> overlong = meshEntry("_#Fire64x64", 2);
  overlong[1 + 4 + 4 + 12 + 140] = 3;
  EXPECT_EQ(inspect(ArchiveWriter().add("fire", overlong)), 1);
  // Textures that resolve to nothing.
  EXPECT_EQ(inspect(ArchiveWriter().add("tree", meshEntry("bark.png", 1))), 1);
  EXPECT_EQ(inspect(ArchiveWriter().add("glow", meshEntry("_#Glow64x64", 1))), 1);
  // An image entry that does not decode.
  EXPECT_EQ(
      inspect(ArchiveWriter().add("bark.png", std::string("not a picture")).add("tree", meshEntry("bark.png", 1))), 1);
  // No archive at all: a folder, and a FIFO that must not block the read.
  std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(run("'" + tool("orvel_inspect") + "' '" + dir.string() + "' '" + fifo + "'"), 1);
}

TEST(Generator, SameSourcesGiveTheSameBytes) {
  if (!fs::exists(tool("orvel_assets")) || !fs::exists(distPath("main.pak")))
    GTEST_SKIP() << "the generator is not built here";
  fs::path dir = fs::temp_directory_path() / ("orvel_assets_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  ASSERT_EQ(run("'" + tool("orvel_assets") + "' '" + dir.string() + "'"), 0);
  for (const char* name : {"main.pak", "utils.pak", "clock.pak", "calendar.pak", "preview.ppk"})
    EXPECT_TRUE(readFile((dir / name).string()) == readFile(distPath(name))) << name << " differs between runs";
  fs::remove_all(dir);
}
