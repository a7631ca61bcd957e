// Archive cache: composing file names from the base path, sharing archives by
// the requested name, counting users and reading the file again after the
// last one let go.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "app/globals.h"
#include "archive/archive_cache.h"
#include "support/archive_writer.h"
#include "support/gl_recorder.h"
#include "support/test_folder.h"
#include "support/test_png.h"

namespace {

std::string text(ArchiveEntry e) { return e.data ? std::string(reinterpret_cast<const char*>(e.data), e.size) : "<none>"; }

// Runs the test inside its own folder, for the cases relative to the working folder.
class InFolder {
 public:
  explicit InFolder(const std::string& path) {
    char buffer[PATH_MAX];
    old_ = getcwd(buffer, sizeof buffer) ? buffer : "/";
    EXPECT_EQ(chdir(path.c_str()), 0);
  }
  ~InFolder() { EXPECT_EQ(chdir(old_.c_str()), 0); }

 private:
  std::string old_;
};

class ArchiveCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { glrec::reset(); }
  void put(const std::string& name, const std::string& content) {
    ArchiveWriter().add("e", content).writeFile(dir.file(name));
  }
  TestFolder dir;
  ArchiveCache cache;
};

TEST_F(ArchiveCacheTest, GlobalStartsUnsetAndEmpty) {
  EXPECT_EQ(archiveCache.basePath, "0");
  EXPECT_TRUE(archiveCache.archives.names.empty());
  EXPECT_EQ(cache.basePath, "0");
}

TEST_F(ArchiveCacheTest, UnsetBasePathReadsTheWorkingFolder) {
  put("main.pak", "here");
  InFolder in(dir.path());
  for (const char* unset : {"0", "0/somewhere/else/", "0x"}) {
    cache.setBasePath(unset);
    EXPECT_EQ(text(cache.entry("main.pak", "e")), "here") << unset;
    cache.release("main.pak");
  }
  EXPECT_TRUE(cache.archives.names.empty());
}

TEST_F(ArchiveCacheTest, BasePathIsGluedOnAsItStands) {
  put("main.pak", "inside");
  put("dirmain.pak", "glued");
  cache.setBasePath((dir.path() + "/").c_str());
  EXPECT_EQ(text(cache.entry("main.pak", "e")), "inside");
  EXPECT_EQ(cache.archives.names, (std::vector<std::string>{"main.pak"}));  // the requested name, not the path
  cache.release("main.pak");

  cache.setBasePath((dir.path() + "/dir").c_str());
  EXPECT_EQ(text(cache.entry("main.pak", "e")), "glued");
  cache.release("main.pak");
}

TEST_F(ArchiveCacheTest, CountsUsersAndReadsAgainAfterTheLast) {
  put("main.pak", "old");
  cache.setBasePath((dir.path() + "/").c_str());
  const ArchiveEntry first = cache.entry("main.pak", "e");
  const ArchiveEntry second = cache.entry("main.pak", "e");
  EXPECT_EQ(first.data, second.data);
  ASSERT_EQ(cache.archives.counts, (std::vector<int32_t>{2}));
  EXPECT_EQ(cache.entry("main.pak", "absent").data, nullptr);  // still counts
  EXPECT_EQ(cache.archives.counts[0], 3);
  cache.release("main.pak");
  cache.release("main.pak");
  ASSERT_EQ(cache.archives.counts, (std::vector<int32_t>{1}));
  EXPECT_EQ(text(first), "old");  // still alive while counted

  put("main.pak", "new");  // open archives keep what they read
  EXPECT_EQ(text(cache.entry("main.pak", "e")), "old");
  cache.release("main.pak");
  cache.release("main.pak");
  EXPECT_TRUE(cache.archives.names.empty() && cache.archives.objects.empty() && cache.archives.counts.empty());
  EXPECT_EQ(text(cache.entry("main.pak", "e")), "new");  // read from disk again
  cache.release("main.pak");
}

TEST_F(ArchiveCacheTest, ReleasingWhatIsNotOpenIsIgnored) {
  put("main.pak", "x");
  cache.setBasePath((dir.path() + "/").c_str());
  cache.release("other.pak");
  cache.releaseTexture("other.pak", 5);
  cache.entry("main.pak", "e");
  cache.release("MAIN.PAK");
  EXPECT_EQ(cache.archives.counts, (std::vector<int32_t>{1}));
  cache.release("main.pak");
}

TEST_F(ArchiveCacheTest, NamesDifferingInCaseAreTwoArchives) {
  put("main.pak", "lower");
  put("MAIN.PAK", "upper");
  cache.setBasePath((dir.path() + "/").c_str());
  Archive* lower = cache.open("main.pak");
  Archive* upper = cache.open("MAIN.PAK");
  EXPECT_NE(lower, upper);
  EXPECT_EQ(cache.archives.names, (std::vector<std::string>{"main.pak", "MAIN.PAK"}));
  EXPECT_EQ(cache.archives.counts, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(text(upper->entry("e")), "upper");
}

TEST_F(ArchiveCacheTest, TextureOpensAndClosesTheArchive) {
  ArchiveWriter()
      .add("grey.png", encodePng(1, 1, PngGrey, {128}))
      .writeFile(dir.file("main.pak"));
  cache.setBasePath((dir.path() + "/").c_str());
  const uint32_t texture = cache.acquireTexture("main.pak", "grey.png");
  ASSERT_NE(texture, 0u);
  ASSERT_EQ(cache.archives.counts, (std::vector<int32_t>{1}));
  EXPECT_EQ(cache.archives.objects[0]->textures.counts[0], 1);
  cache.releaseTexture("main.pak", texture);
  EXPECT_TRUE(cache.archives.names.empty());
  EXPECT_FALSE(glrec::textureExists(texture));

  // A missing image still holds the archive until its 0 is given back.
  EXPECT_EQ(cache.acquireTexture("main.pak", "absent.png"), 0u);
  EXPECT_EQ(cache.archives.counts, (std::vector<int32_t>{1}));
  cache.releaseTexture("main.pak", 0);
  EXPECT_TRUE(cache.archives.names.empty());
  EXPECT_EQ(glrec::genCount(), 1);
}

TEST_F(ArchiveCacheTest, MissingArchiveEndsTheProcessSilently) {
  cache.setBasePath((dir.path() + "/").c_str());
  EXPECT_EXIT(cache.entry("absent.pak", "e"), ::testing::ExitedWithCode(1), "^$");
}

TEST_F(ArchiveCacheTest, ArchivesHeldAtExitAreFreed) {
  // Run under the leak checker: a cache destroyed while counts are above 0
  // must still free every archive.
  put("main.pak", "x");
  ArchiveCache* local = new ArchiveCache;
  local->setBasePath((dir.path() + "/").c_str());
  local->entry("main.pak", "e");
  local->entry("main.pak", "e");
  delete local;
}

}  // namespace
