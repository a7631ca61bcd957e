// Dynamic texture table: sharing, counting, deletion, the GL calls of
// creation and update, and names that describe no texture.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "anim/animator.h"
#include "app/globals.h"
#include "dyntex/dynamic_texture_manager.h"
#include "dyntex/fire_state.h"
#include "dyntex/plasma_generator.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

class DynamicTextureManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    resetProcessState();
  }
  void TearDown() override { resetProcessState(); }

  int indexOf(const std::string& name) const { return manager.textures.find(name); }

  DynamicTextureManager manager;
};

std::vector<uint8_t> plasmaImage(int32_t tick, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> image(static_cast<size_t>(w) * h * 4);
  uint8_t colour[3] = {r, g, b};
  plasmaGenerator(tick, w, h, image.data(), colour);
  return image;
}

bool samePixels(const DynamicTexture* texture, const std::vector<uint8_t>& image) {
  return texture->byteSize == image.size() && std::memcmp(texture->pixels, image.data(), image.size()) == 0;
}

}  // namespace

// The creation sequence, with the texture left bound.
TEST_F(DynamicTextureManagerTest, CreationMakesOneTextureWithItsParameters) {
  const uint32_t name = manager.acquire("_#Fire32x16");
  ASSERT_NE(name, 0u);
  const std::string n = std::to_string(name);
  const std::vector<std::string> expected = {
      "glGenTextures(1)",
      "glBindTexture(GL_TEXTURE_2D," + n + ")",
      "glTexImage2D(GL_TEXTURE_2D,0,GL_RGBA,32,16,0,GL_RGBA,GL_UNSIGNED_BYTE)",
      "glTexEnvi(GL_TEXTURE_ENV,GL_TEXTURE_ENV_MODE,GL_MODULATE)",
      "glTexParameteri(GL_TEXTURE_2D,GL_TEXTURE_MIN_FILTER,GL_LINEAR)",
      "glTexParameteri(GL_TEXTURE_2D,GL_TEXTURE_MAG_FILTER,GL_LINEAR)",
  };
  EXPECT_EQ(glrec::calls(), expected) << glrec::dump();
  EXPECT_EQ(glrec::boundTexture(), name);
  ASSERT_EQ(manager.textures.objects.size(), 1u);
  const DynamicTexture* texture = manager.textures.objects[0];
  EXPECT_EQ(texture->width, 32);
  EXPECT_EQ(texture->height, 16);
  EXPECT_EQ(texture->byteSize, 32u * 16u * 4u);
  EXPECT_EQ(texture->glName, name);
  EXPECT_EQ(manager.textures.counts[0], 1);
}

// The first upload already holds a generated image: no uninitialised memory.
TEST_F(DynamicTextureManagerTest, FirstUploadHoldsTheImageOfTheCurrentTick) {
  frameTick = 4321;
  manager.acquire("_#Plasma32x32,40,90,160");
  ASSERT_EQ(manager.textures.objects.size(), 1u);
  EXPECT_TRUE(samePixels(manager.textures.objects[0], plasmaImage(4321, 32, 32, 40, 90, 160)));

  manager.acquire("_#Fire16x8");
  ASSERT_EQ(manager.textures.objects.size(), 2u);
  // One fire step ran: the image is the palette of the field it computed.
  const DynamicTexture* fire = manager.textures.objects[1];
  const FireState* state = static_cast<const FireState*>(fire->state);
  for (int j = 0; j < 16 * 8; ++j)
    ASSERT_EQ(std::memcmp(fire->pixels + j * 4, state->palette[state->heat[j]], 4), 0) << j;
}

TEST_F(DynamicTextureManagerTest, SameNameSharesOneTextureUntilTheLastRelease) {
  const uint32_t first = manager.acquire("_#Plasma16x16,1,2,3");
  const uint32_t second = manager.acquire("_#Plasma16x16,1,2,3");
  EXPECT_EQ(first, second);
  EXPECT_EQ(glrec::genCount(), 1);
  ASSERT_EQ(manager.textures.counts.size(), 1u);
  EXPECT_EQ(manager.textures.counts[0], 2);

  manager.release("_#Plasma16x16,1,2,3");
  EXPECT_TRUE(glrec::textureExists(first));
  EXPECT_EQ(manager.textures.counts[0], 1);
  EXPECT_EQ(glrec::count("glDeleteTextures(1," + std::to_string(first) + ")"), 0);

  manager.release("_#Plasma16x16,1,2,3");
  EXPECT_FALSE(glrec::textureExists(first));
  EXPECT_EQ(glrec::count("glDeleteTextures(1," + std::to_string(first) + ")"), 1);
  EXPECT_TRUE(manager.textures.objects.empty());
  EXPECT_TRUE(manager.textures.names.empty());
  EXPECT_TRUE(manager.textures.counts.empty());

  // Released names are unknown again: a further release does nothing, and a
  // new acquire makes a new texture.
  manager.release("_#Plasma16x16,1,2,3");
  EXPECT_EQ(glrec::callsStartingWith("glDeleteTextures").size(), 1u);
  EXPECT_NE(manager.acquire("_#Plasma16x16,1,2,3"), 0u);
  EXPECT_EQ(glrec::genCount(), 2);
}

// Deleting from the middle keeps the three arrays describing the same entries.
TEST_F(DynamicTextureManagerTest, DeletionKeepsTheOtherEntriesAligned) {
  const uint32_t a = manager.acquire("_#Fire8x8");
  const uint32_t b = manager.acquire("_#Fire16x16");
  const uint32_t c = manager.acquire("_#Plasma8x8,9,9,9");
  manager.acquire("_#Plasma8x8,9,9,9");
  manager.release("_#Fire16x16");
  ASSERT_EQ(manager.textures.names.size(), 2u);
  EXPECT_FALSE(glrec::textureExists(b));
  EXPECT_EQ(indexOf("_#Fire16x16"), -1);
  const int ia = indexOf("_#Fire8x8");
  const int ic = indexOf("_#Plasma8x8,9,9,9");
  ASSERT_GE(ia, 0);
  ASSERT_GE(ic, 0);
  EXPECT_EQ(manager.textures.objects[ia]->glName, a);
  EXPECT_EQ(manager.textures.counts[ia], 1);
  EXPECT_EQ(manager.textures.objects[ic]->glName, c);
  EXPECT_EQ(manager.textures.counts[ic], 2);
  EXPECT_EQ(manager.acquire("_#Plasma8x8,9,9,9"), c);
  EXPECT_EQ(manager.textures.counts[ic], 3);
}

// Sharing is by exact name: the leading characters count.
TEST_F(DynamicTextureManagerTest, NamesDifferingInTheLeadingCharactersAreDifferentTextures) {
  const uint32_t a = manager.acquire("_#Fire16x16");
  const uint32_t b = manager.acquire("A#Fire16x16");
  EXPECT_NE(a, 0u);
  EXPECT_NE(b, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(manager.textures.names.size(), 2u);
  manager.release("A#Fire16x16");
  EXPECT_TRUE(glrec::textureExists(a));
  EXPECT_FALSE(glrec::textureExists(b));
}

TEST_F(DynamicTextureManagerTest, Colour256IsStoredAsZero) {
  manager.acquire("_#Plasma16x16,256,0,512");
  manager.acquire("_#Plasma16x16,0,0,0");
  ASSERT_EQ(manager.textures.objects.size(), 2u);
  const uint8_t* wrapped = static_cast<const uint8_t*>(manager.textures.objects[0]->state);
  EXPECT_EQ(wrapped[0], 0);
  EXPECT_EQ(wrapped[1], 0);
  EXPECT_EQ(wrapped[2], 0);
  EXPECT_EQ(std::memcmp(manager.textures.objects[0]->pixels, manager.textures.objects[1]->pixels, 16 * 16 * 4), 0);
}

// Names that describe no texture give 0 and leave GL and the table alone.
TEST_F(DynamicTextureManagerTest, InvalidNamesCreateNothing) {
  const char* names[] = {"", "_#", "_#Fire", "_#Fire64", "_#Fire64x", "_#Smoke64x64", "_#fire64x64",
                         "_#Fire1x64", "_#Fire64x1025", "_#Fire64x-64", "_#Fire99999999999x64",
                         "_#Plasma2000x2,1,2,3"};
  for (const char* name : names) {
    EXPECT_EQ(manager.acquire(name), 0u) << '"' << name << '"';
    manager.release(name);
  }
  EXPECT_TRUE(glrec::calls().empty()) << glrec::dump();
  EXPECT_TRUE(manager.textures.names.empty());
  EXPECT_TRUE(manager.textures.objects.empty());
  EXPECT_TRUE(manager.textures.counts.empty());
}

// Every texture is regenerated for frameTick and uploaded in place, in order.
TEST_F(DynamicTextureManagerTest, UpdateAllRegeneratesAndUploadsEveryTexture) {
  const uint32_t plasma = manager.acquire("_#Plasma32x16,200,100,50");
  const uint32_t fire = manager.acquire("_#Fire8x4");
  glrec::clearCalls();
  frameTick = 98765;
  manager.updateAll();
  const std::vector<std::string> expected = {
      "glBindTexture(GL_TEXTURE_2D," + std::to_string(plasma) + ")",
      "glTexSubImage2D(GL_TEXTURE_2D,0,0,0,32,16,GL_RGBA,GL_UNSIGNED_BYTE)",
      "glBindTexture(GL_TEXTURE_2D," + std::to_string(fire) + ")",
      "glTexSubImage2D(GL_TEXTURE_2D,0,0,0,8,4,GL_RGBA,GL_UNSIGNED_BYTE)",
  };
  EXPECT_EQ(glrec::calls(), expected) << glrec::dump();
  EXPECT_TRUE(samePixels(manager.textures.objects[0], plasmaImage(98765, 32, 16, 200, 100, 50)));
  EXPECT_EQ(glrec::genCount(), 2);
}

// Ticks beyond 2^31 are read as signed, as the generator expects.
TEST_F(DynamicTextureManagerTest, UpdateAllPassesTheTickAsSigned) {
  manager.acquire("_#Plasma16x16,1,2,3");
  frameTick = 0xFFFFF000u;
  manager.updateAll();
  EXPECT_TRUE(samePixels(manager.textures.objects[0], plasmaImage(-4096, 16, 16, 1, 2, 3)));
}

// The program's one table exists and starts empty.
TEST(DynamicTextureManagerGlobal, StartsEmpty) {
  EXPECT_TRUE(dynamicTextureManager.textures.objects.empty());
  EXPECT_TRUE(dynamicTextureManager.textures.names.empty());
  EXPECT_TRUE(dynamicTextureManager.textures.counts.empty());
}
