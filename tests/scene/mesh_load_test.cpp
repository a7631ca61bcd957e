// Loading mesh entries through the archive cache: records used in place,
// textures from the archive or the dynamic texture manager, references
// given back at destruction, and broken entries ending the program.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/globals.h"
#include "archive/archive_cache.h"
#include "dyntex/dynamic_texture_manager.h"
#include "support/mesh_bytes.h"
#include "scene/mesh.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"

namespace {

double firstDouble(const uint8_t* p) {
  double d;
  std::memcpy(&d, p, sizeof d);
  return d;
}

int archiveRefs(const char* name) {
  const int row = archiveCache.archives.find(name);
  return row < 0 ? 0 : archiveCache.archives.counts[row];
}

class MeshLoadTest : public ::testing::Test {
 protected:
  void SetUp() override { glrec::reset(); }
  void TearDown() override { EXPECT_EQ(archiveRefs("m.pak"), 0) << "a reference was not given back"; }

  // The entry's bytes as the archive holds them (for pointer checks).
  const uint8_t* entryData(const char* entryName) {
    const ArchiveEntry e = archiveCache.entry("m.pak", entryName);
    archiveCache.release("m.pak");
    return e.data;
  }

  MeshArchiveFolder folder;
};

}  // namespace

TEST_F(MeshLoadTest, RecordsAreUsedInPlaceAndShareOneImage) {
  folder.write("m.pak", {{"img.png", tinyImage()},
                         {"e", MeshBytes().longHeader().mesh("img.png", 2).mesh("img.png", 1).bytes()}});
  SceneNode* node = new SceneNode;
  node->loadMeshes("m.pak", "e");
  ASSERT_EQ(node->meshCount, 2);
  ASSERT_EQ(node->meshes.size(), 2u);
  EXPECT_TRUE(node->hasMeshes);
  EXPECT_EQ(node->archiveRefs, std::vector<std::string>({"m.pak"}));

  const uint8_t* data = entryData("e");
  const Mesh* a = node->meshes[0];
  const Mesh* b = node->meshes[1];
  // Marker 255: four skipped bytes, the count at 5, the first record at 9.
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(a->textureName), data + 9 + 4);
  EXPECT_STREQ(a->textureName, "img.png");
  EXPECT_EQ(a->material, data + 9 + 4 + 8 + 80);
  EXPECT_EQ(a->triangleCount, 2);
  EXPECT_EQ(a->positions, a->material + 60 + 5);
  EXPECT_EQ(a->normals, a->positions + 144);
  EXPECT_EQ(a->texCoords, a->normals + 144);
  EXPECT_EQ(firstDouble(a->normals), 0.5);
  EXPECT_EQ(firstDouble(b->positions), 1000.0);
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(b->textureName) - 4, a->texCoords + 96);

  EXPECT_NE(a->texture, 0u);
  EXPECT_EQ(a->texture, b->texture);
  EXPECT_EQ(glrec::genCount(), 1);
  EXPECT_FALSE(a->dynamicTexture);
  EXPECT_EQ(a->textureKey, "m.pak");
  const uint32_t texture = a->texture;
  delete node;
  EXPECT_FALSE(glrec::textureExists(texture));
}

TEST_F(MeshLoadTest, ShortHeaderAndEmptyEntry) {
  folder.write("m.pak", {{"seven", MeshBytes().marker(7).mesh("", 1).bytes()}, {"none", MeshBytes().bytes()}});
  SceneNode node;
  node.loadMeshes("m.pak", "seven");
  ASSERT_EQ(node.meshCount, 1);
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(node.meshes[0]->textureName), entryData("seven") + 5 + 4);
  EXPECT_EQ(node.meshes[0]->texture, 0u);  // an empty name is no image

  SceneNode empty;
  empty.loadMeshes("m.pak", "none");
  EXPECT_TRUE(empty.hasMeshes);
  EXPECT_EQ(empty.meshCount, 0);
  EXPECT_EQ(archiveRefs("m.pak"), 3);  // both entries and the one texture lookup
}

TEST_F(MeshLoadTest, MeshWithoutTrianglesOccupiesItsFixedSize) {
  folder.write("m.pak", {{"e", MeshBytes().mesh("abc", 0).mesh("x", 1).bytes()}});
  SceneNode node;
  node.loadMeshes("m.pak", "e");
  const Mesh* first = node.meshes[0];
  const Mesh* second = node.meshes[1];
  EXPECT_EQ(first->positions, first->normals);
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(second->textureName) - 4,
            reinterpret_cast<const uint8_t*>(first->textureName) - 4 + 4 + 4 + 80 + 60 + 4 + 1);
}

TEST_F(MeshLoadTest, OnlyTheSecondCharacterMakesATextureDynamic) {
  folder.write("m.pak", {{"#img", tinyImage()},
                         {"e", MeshBytes().mesh("#img", 1).mesh("_#Fire64x64", 1).mesh("_#Fire64x64", 1)
                                   .mesh("_#Bogus8x8", 1).bytes()}});
  SceneNode* node = new SceneNode;
  node->loadMeshes("m.pak", "e");
  const Mesh* image = node->meshes[0];
  const Mesh* fire = node->meshes[1];
  EXPECT_FALSE(image->dynamicTexture);
  EXPECT_NE(image->texture, 0u);
  EXPECT_TRUE(fire->dynamicTexture);
  EXPECT_EQ(fire->textureKey, "_#Fire64x64");
  EXPECT_NE(fire->texture, 0u);
  EXPECT_EQ(node->meshes[2]->texture, fire->texture);
  EXPECT_TRUE(node->meshes[3]->dynamicTexture);
  EXPECT_EQ(node->meshes[3]->texture, 0u);  // no such kind: untextured
  EXPECT_EQ(dynamicTextureManager.textures.names, std::vector<std::string>({"_#Fire64x64"}));
  delete node;
  EXPECT_TRUE(dynamicTextureManager.textures.names.empty());
  EXPECT_EQ(glrec::liveTextureCount(), 0);
}

TEST_F(MeshLoadTest, TwoEntriesAccumulateInLoadOrderWithTwoReferences) {
  folder.write("m.pak", {{"one", MeshBytes().mesh("a", 1).bytes()}, {"two", MeshBytes().mesh("b", 2).mesh("c", 3).bytes()}});
  SceneNode* node = new SceneNode;
  node->loadMeshes("m.pak", "one");
  node->loadMeshes("m.pak", "two");
  ASSERT_EQ(node->meshCount, 3);
  EXPECT_STREQ(node->meshes[0]->textureName, "a");
  EXPECT_STREQ(node->meshes[2]->textureName, "c");
  EXPECT_EQ(node->archiveRefs, std::vector<std::string>({"m.pak", "m.pak"}));
  EXPECT_EQ(archiveRefs("m.pak"), 2 + 3);  // two entries, three texture lookups
  delete node;
}

namespace {

void loadOrDie(const char* entry) {
  SceneNode node;
  node.loadMeshes("m.pak", entry);
}

}  // namespace

TEST_F(MeshLoadTest, BrokenEntriesEndTheProgramWithOneLine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  MeshSpec negative;
  negative.texture = "a";
  negative.storedTriangles = -4;
  const std::vector<uint8_t> two = MeshBytes().mesh("a", 1).mesh("b", 2).bytes();
  const std::vector<uint8_t> cutTwo(two.begin(), two.end() - 1);
  folder.write("m.pak", {{"cut", cutTwo}, {"negative", MeshBytes().mesh(negative).bytes()}, {"tiny", {255, 1}}});
  const std::string size = std::to_string(cutTwo.size());
  EXPECT_EXIT(loadOrDie("cut"), ::testing::ExitedWithCode(1),
              "^m\\.pak: malformed mesh entry \"cut\": record 2 runs past the end of the " + size + "-byte entry\n$");
  EXPECT_EXIT(loadOrDie("negative"), ::testing::ExitedWithCode(1),
              "^m\\.pak: malformed mesh entry \"negative\": record 1 has a negative triangle count \\(-4\\)\n$");
  EXPECT_EXIT(loadOrDie("tiny"), ::testing::ExitedWithCode(1),
              "^m\\.pak: malformed mesh entry \"tiny\": the entry header runs past the end of the 2-byte entry\n$");
  EXPECT_EXIT(loadOrDie("absent"), ::testing::ExitedWithCode(1), "^m\\.pak: no mesh entry \"absent\"\n$");
}
