// Special files where the show reads regular ones. A FIFO with no writer
// would hold a plain open for ever, so each case must come back at once: an
// archive then ends the process as a missing one does, and the preview is
// painted black. (The settings file's cases are in tests/config.)
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/preview.h"
#include "archive/archive.h"
#include "platform/platform.h"

namespace {

class SpecialFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvel-special-files.XXXXXX";
    folder = mkdtemp(pattern);
    ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0644), 0);
    ASSERT_EQ(mkdir((folder + "/folder").c_str(), 0755), 0);
    alarm(60);  // a read waiting on the FIFO fails the test rather than hanging it
  }
  void TearDown() override {
    alarm(0);
    std::system(("rm -rf '" + folder + "'").c_str());
  }
  std::string folder;
};

struct Pixel {
  int x, y, r, g, b;
};

void record(void* context, int x, int y, unsigned char r, unsigned char g, unsigned char b) {
  static_cast<std::vector<Pixel>*>(context)->push_back(Pixel{x, y, r, g, b});
}

}  // namespace

TEST_F(SpecialFiles, ReaderRefusesEveryKindAtOnce) {
  std::string bytes, problem;
  EXPECT_EQ(platform::readRegularFile(folder + "/fifo", 100, bytes, problem), platform::FileUnreadable);
  EXPECT_EQ(problem, "it is not a regular file");
  EXPECT_EQ(platform::readRegularFile("/dev/zero", 100, bytes, problem), platform::FileUnreadable);
  EXPECT_EQ(platform::readRegularFile(folder + "/folder", 100, bytes, problem), platform::FileUnreadable);
  EXPECT_EQ(problem, "it is a folder");
  EXPECT_EQ(platform::readRegularFile(folder + "/absent", 100, bytes, problem), platform::FileMissing);
  EXPECT_TRUE(bytes.empty());
  // The problem an earlier call said does not fail the next read.
  std::ofstream(folder + "/plain") << "ab";
  EXPECT_EQ(platform::readRegularFile(folder + "/plain", 100, bytes, problem), platform::FileRead);
  EXPECT_EQ(bytes, "ab");
}

TEST_F(SpecialFiles, ArchiveEndsTheProcessAsAMissingOneDoes) {
  for (const std::string& path : {folder + "/fifo", std::string("/dev/zero"), folder + "/folder"})
    EXPECT_EXIT(Archive{path}, ::testing::ExitedWithCode(1), "^$") << path;
}

TEST_F(SpecialFiles, PreviewPicturePaintsBlack) {
  for (const std::string& path : {folder + "/fifo", std::string("/dev/zero"), folder + "/folder"}) {
    std::vector<Pixel> pixels;
    paintPreviewFrom(path, 152, 2, record, &pixels);
    ASSERT_EQ(pixels.size(), 304u) << path;
    for (const Pixel& p : pixels) ASSERT_EQ(p.r | p.g | p.b, 0) << path;
  }
}
