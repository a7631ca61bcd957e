// Entry textures through the GL recorder: the exact calls that make one,
// sharing by users and deletion at the last release.
#include <gtest/gtest.h>

#include "archive/archive.h"
#include "support/archive_writer.h"
#include "support/gl_recorder.h"
#include "support/test_folder.h"
#include "support/test_png.h"

namespace {

std::vector<uint8_t> rgbaPng() { return encodePng(2, 1, PngRgba, {255, 0, 0, 255, 0, 0, 255, 128}); }

class ArchiveTextureTest : public ::testing::Test {
 protected:
  void SetUp() override { glrec::reset(); }
  std::string write(const ArchiveWriter& w, const std::string& name = "a.pak") {
    w.writeFile(dir.file(name));
    return dir.file(name);
  }
  TestFolder dir;
};

TEST_F(ArchiveTextureTest, MakesTheTextureWithTheseCallsAndLeavesItBound) {
  Archive a(write(ArchiveWriter().add("img", encodePng(3, 2, PngRgb, std::vector<uint8_t>(18, 7)))));
  const uint32_t texture = a.acquireTexture("img");
  ASSERT_NE(texture, 0u);
  const std::vector<std::string> expected = {
      "glGenTextures(1)",
      "glBindTexture(GL_TEXTURE_2D," + std::to_string(texture) + ")",
      "glTexImage2D(GL_TEXTURE_2D,0,GL_RGBA,3,2,0,GL_RGBA,GL_UNSIGNED_BYTE)",
      "glTexEnvi(GL_TEXTURE_ENV,GL_TEXTURE_ENV_MODE,GL_MODULATE)",
      "glTexParameteri(GL_TEXTURE_2D,GL_TEXTURE_MIN_FILTER,GL_LINEAR)",
      "glTexParameteri(GL_TEXTURE_2D,GL_TEXTURE_MAG_FILTER,GL_LINEAR)",
  };
  EXPECT_EQ(glrec::calls(), expected) << glrec::dump();
  EXPECT_EQ(glrec::boundTexture(), texture);
  EXPECT_EQ(a.textures.objects, (std::vector<uint32_t>{texture}));
  EXPECT_EQ(a.textures.counts, (std::vector<int32_t>{1}));
}

TEST_F(ArchiveTextureTest, UsersShareOneTextureUntilTheLastLetsGo) {
  Archive a(write(ArchiveWriter().add("other", "x").add("img", rgbaPng())));
  const uint32_t t1 = a.acquireTexture("img");
  const uint32_t t2 = a.acquireTexture("img");
  EXPECT_EQ(t1, t2);
  EXPECT_EQ(glrec::genCount(), 1);
  EXPECT_EQ(a.textures.names, (std::vector<std::string>{"img"}));
  EXPECT_EQ(a.textures.counts, (std::vector<int32_t>{2}));
  a.releaseTexture(t1);
  EXPECT_TRUE(glrec::textureExists(t1));
  EXPECT_EQ(glrec::count("glDeleteTextures(1," + std::to_string(t1) + ")"), 0);
  a.releaseTexture(t1);
  EXPECT_FALSE(glrec::textureExists(t1));
  EXPECT_EQ(glrec::count("glDeleteTextures(1," + std::to_string(t1) + ")"), 1);
  EXPECT_TRUE(a.textures.names.empty());

  // Made again after deletion: decoded again, a valid texture.
  glrec::clearCalls();
  const uint32_t t3 = a.acquireTexture("img");
  EXPECT_NE(t3, 0u);
  EXPECT_TRUE(glrec::textureExists(t3));
  EXPECT_EQ(glrec::count("glTexImage2D(GL_TEXTURE_2D,0,GL_RGBA,2,1,0,GL_RGBA,GL_UNSIGNED_BYTE)"), 1);
  EXPECT_EQ(glrec::genCount(), 2);
}

TEST_F(ArchiveTextureTest, SameImageNameInTwoArchivesMakesTwoTextures) {
  Archive a(write(ArchiveWriter().add("img", rgbaPng()), "a.pak"));
  Archive b(write(ArchiveWriter().add("img", rgbaPng()), "b.pak"));
  const uint32_t ta = a.acquireTexture("img");
  const uint32_t tb = b.acquireTexture("img");
  EXPECT_NE(ta, 0u);
  EXPECT_NE(ta, tb);
  EXPECT_EQ(glrec::liveTextureCount(), 2);
}

TEST_F(ArchiveTextureTest, ReleasingNameZeroChangesNoCount) {
  Archive a(write(ArchiveWriter().add("img", rgbaPng()).add("plain", "x")));
  const uint32_t t = a.acquireTexture("img");
  a.releaseTexture(0);
  a.releaseTexture(0);
  EXPECT_EQ(a.textures.counts, (std::vector<int32_t>{1}));
  EXPECT_EQ(a.textures.objects, (std::vector<uint32_t>{t}));
  EXPECT_TRUE(glrec::callsStartingWith("glDeleteTextures").empty());
  a.releaseTexture(t + 100);  // a name this archive never made
  EXPECT_EQ(a.textures.counts, (std::vector<int32_t>{1}));
}

TEST_F(ArchiveTextureTest, DuplicateNamesShareTheFirstEntry) {
  Archive a(write(ArchiveWriter().add("img", rgbaPng()).add("img", rgbaPng())));
  const uint32_t t = a.acquireTexture("img");
  EXPECT_EQ(a.acquireTexture("img"), t);
  EXPECT_EQ(a.textures.counts, (std::vector<int32_t>{2}));
  EXPECT_EQ(a.textures.objects, (std::vector<uint32_t>{t}));
}

}  // namespace
