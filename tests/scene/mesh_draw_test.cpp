// Drawing meshes with the GL recorder: the material calls, the opaque path,
// the deferred pass with the state it saved, and the flush order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/animator.h"
#include "app/globals.h"
#include "support/mesh_bytes.h"
#include "scene/deferred_meshes.h"
#include "scene/mesh.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"

namespace {

using Calls = std::vector<std::string>;

// The calls from index from up to the first glCallList after it.
Calls upToDraw(int from) {
  Calls r;
  for (size_t i = from; i < glrec::calls().size(); ++i) {
    r.push_back(glrec::calls()[i]);
    if (r.back().compare(0, 10, "glCallList") == 0) break;
  }
  return r;
}

std::string bind(uint32_t texture) { return "glBindTexture(GL_TEXTURE_2D," + std::to_string(texture) + ")"; }

const Calls kMaterial = {"glMaterialf(GL_FRONT_AND_BACK,GL_SHININESS,12.5)",
                         "glMaterialfv(GL_FRONT_AND_BACK,GL_SPECULAR,0.9,1,0.25,0.75)",
                         "glMaterialfv(GL_FRONT_AND_BACK,GL_DIFFUSE,0.5,0.6,0.7,0.8)",
                         "glMaterialfv(GL_FRONT_AND_BACK,GL_AMBIENT,0.1,0.2,0.3,0.4)"};

// A mesh's first draw: its triangles into display list 1, then the list.
Calls firstDraw(int vertices) {
  return {"glGenLists(1)",
          "glNewList(1,GL_COMPILE)",
          "glVertexPointer(3,GL_DOUBLE,0)",
          "glNormalPointer(GL_DOUBLE,0)",
          "glTexCoordPointer(2,GL_DOUBLE,0)",
          "glDrawArrays(GL_TRIANGLES,0," + std::to_string(vertices) + ")",
          "glEndList()",
          "glCallList(1)"};
}

Calls with(Calls head, const Calls& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

void depthOffAroundMeshes(int32_t phase, int32_t) {
  if (phase == 1) glDisable(GL_DEPTH_TEST);
  if (phase == 2) glEnable(GL_DEPTH_TEST);
}

MeshSpec closedSpec() {
  MeshSpec s;
  s.triangles = 1;
  s.closed = 1;
  return s;
}

class MeshDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    folder.write("m.pak", {{"opaque", MeshBytes().mesh("", 1).bytes()},
                           {"alpha", MeshBytes().mesh("", 2, 1, 0).bytes()},
                           {"glass", MeshBytes().mesh("_#Fire32x32", 1, 0, 1).bytes()},
                           {"cutglass", MeshBytes().mesh("_#Fire64x64", 1, 1, 1).bytes()},
                           {"solid", MeshBytes().mesh(closedSpec()).bytes()}});
    glEnable(GL_DEPTH_TEST);  // the display's baseline
    glrec::clearCalls();
  }
  void TearDown() override {
    deferredMeshes.clear();
    currentNode = nullptr;
  }
  SceneNode* node(const char* entry) {
    SceneNode* n = new SceneNode;
    n->loadMeshes("m.pak", entry);
    glrec::clearCalls();
    return n;
  }
  MeshArchiveFolder folder;
};

}  // namespace

TEST_F(MeshDrawTest, OpaqueMeshMaterialSequence) {
  SceneNode* n = node("opaque");
  n->render();
  const int at = glrec::indexOf("glGetDoublev(GL_MODELVIEW_MATRIX)");
  ASSERT_GE(at, 0) << glrec::dump();
  EXPECT_EQ(upToDraw(at), with(with({"glGetDoublev(GL_MODELVIEW_MATRIX)", bind(0)}, kMaterial), firstDraw(3)));
  EXPECT_EQ(glrec::vertexPointer(), n->meshes[0]->positions);
  EXPECT_EQ(glrec::normalPointer(), n->meshes[0]->normals);
  EXPECT_EQ(glrec::texCoordPointer(), n->meshes[0]->texCoords);
  EXPECT_EQ(glrec::count("glEnable(GL_BLEND)") + glrec::count("glEnable(GL_ALPHA_TEST)"), 0);
  EXPECT_TRUE(deferredMeshes.empty());
  // Later frames call the list; the mesh's end deletes it.
  glrec::clearCalls();
  n->render();
  EXPECT_EQ(upToDraw(glrec::indexOf("glGetDoublev(GL_MODELVIEW_MATRIX)")),
            with(with({"glGetDoublev(GL_MODELVIEW_MATRIX)", bind(0)}, kMaterial), {"glCallList(1)"}));
  deleteSceneTree(n);
  EXPECT_EQ(glrec::liveListCount(), 0);
}

TEST_F(MeshDrawTest, AlphaTestOnlyAroundItsMesh) {
  SceneNode* n = node("alpha");
  n->render();
  const int on = glrec::indexOf("glEnable(GL_ALPHA_TEST)");
  ASSERT_GE(on, 0);
  EXPECT_EQ(upToDraw(on), with(with({"glEnable(GL_ALPHA_TEST)", bind(0)}, kMaterial), firstDraw(6)));
  EXPECT_EQ(glrec::indexOf("glDisable(GL_ALPHA_TEST)"), glrec::indexOf("glCallList(1)") + 1);
  EXPECT_FALSE(glrec::enabled(GL_ALPHA_TEST));
  EXPECT_FALSE(glrec::enabled(GL_BLEND));
  deleteSceneTree(n);
}

// A closed mesh's back faces are culled, and only its own.
TEST_F(MeshDrawTest, CullingOnlyAroundAClosedMesh) {
  SceneNode* n = node("solid");
  n->render();
  EXPECT_EQ(glrec::indexOf("glEnable(GL_CULL_FACE)"), glrec::indexOf("glGetDoublev(GL_MODELVIEW_MATRIX)") + 1);
  EXPECT_EQ(glrec::indexOf("glDisable(GL_CULL_FACE)"), glrec::indexOf("glCallList(1)") + 1) << glrec::dump();
  EXPECT_FALSE(glrec::enabled(GL_CULL_FACE));
  deleteSceneTree(n);
  glrec::clearCalls();
  n = node("opaque");
  n->render();
  EXPECT_EQ(glrec::count("glEnable(GL_CULL_FACE)"), 0);
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, DeferredMeshKeepsADepthOffCallbackAndRestoresTheBaseline) {
  SceneNode* n = node("glass");
  n->addFrameCallback(depthOffAroundMeshes, 0);
  n->render();
  EXPECT_EQ(glrec::callsStartingWith("glDrawArrays").size(), 0u);
  ASSERT_EQ(deferredMeshes.size(), 1u);
  EXPECT_TRUE(glrec::enabled(GL_DEPTH_TEST));
  glrec::clearCalls();
  flushDeferredMeshes();
  const uint32_t t = n->meshes[0]->texture;
  EXPECT_EQ(
      glrec::calls(),
      with(with({"glDepthMask(GL_FALSE)", "glDisable(GL_DEPTH_TEST)", "glLoadMatrixd()", "glEnable(GL_BLEND)", bind(t)},
                with(kMaterial, firstDraw(3))),
           {"glEnable(GL_DEPTH_TEST)", "glDisable(GL_BLEND)", "glDepthMask(GL_TRUE)"}));
  EXPECT_TRUE(deferredMeshes.empty());
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, DeferredAlphaTestedMeshIsBothTestedAndBlended) {
  SceneNode* n = node("cutglass");
  n->render();
  glrec::clearCalls();
  flushDeferredMeshes();
  const Calls expected = {"glDepthMask(GL_FALSE)", "glEnable(GL_ALPHA_TEST)", "glLoadMatrixd()", "glEnable(GL_BLEND)"};
  EXPECT_EQ(Calls(glrec::calls().begin(), glrec::calls().begin() + 4), expected) << glrec::dump();
  EXPECT_GT(glrec::indexOf("glDisable(GL_ALPHA_TEST)"), glrec::indexOf("glCallList(1)"));
  EXPECT_FALSE(glrec::enabled(GL_ALPHA_TEST) || glrec::enabled(GL_BLEND));
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, DeferredMeshOfAScaledNodeDrawsWithItsScaleAndNormalize) {
  SceneNode* n = node("glass");
  n->transform.setPosition(3, 0, 0);
  n->transform.setScale(2, 4, 8);
  n->render();
  EXPECT_FALSE(glrec::enabled(GL_NORMALIZE));
  glLoadIdentity();  // the flush must not depend on the current matrix
  glrec::clearCalls();
  flushDeferredMeshes();
  EXPECT_EQ(glrec::indexOf("glEnable(GL_NORMALIZE)"), 1) << glrec::dump();
  EXPECT_GT(glrec::indexOf("glDisable(GL_NORMALIZE)"), glrec::indexOf("glCallList(1)"));
  const double* m = glrec::modelView();  // left at the mesh's matrix
  EXPECT_EQ(m[0], 2.0);
  EXPECT_EQ(m[5], 4.0);
  EXPECT_EQ(m[10], 8.0);
  EXPECT_EQ(m[12], 3.0);
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, NormalizeIsOffAfterAScaledNodesMeshes) {
  SceneNode* n = node("opaque");
  n->transform.setScale(0.1, 0.1, 0.1);
  glEnable(GL_NORMALIZE);
  glrec::clearCalls();
  n->render();
  const int draw = glrec::indexOf("glCallList(1)");
  EXPECT_LT(glrec::indexOf("glScaled(0.1,0.1,0.1)"), draw);
  EXPECT_LT(glrec::indexOf("glEnable(GL_NORMALIZE)"), draw);
  EXPECT_EQ(glrec::indexOf("glDisable(GL_NORMALIZE)"), draw + 1);
  EXPECT_FALSE(glrec::enabled(GL_NORMALIZE));
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, EmptyFlushOnlyTogglesTheDepthMask) {
  flushDeferredMeshes();
  EXPECT_EQ(glrec::calls(), Calls({"glDepthMask(GL_FALSE)", "glDepthMask(GL_TRUE)"}));
  EXPECT_EQ(glrec::depthMask(), GL_TRUE);
}

TEST_F(MeshDrawTest, FlushKeepsTheOrderOfTheSceneWalk) {
  SceneNode* first = node("glass");
  SceneNode* child = node("cutglass");
  SceneNode* opaque = node("opaque");
  SceneNode* second = node("glass");
  first->addChild(opaque);
  first->addChild(child);
  first->render();
  second->render();
  ASSERT_EQ(deferredMeshes, std::vector<Mesh*>({first->meshes[0], child->meshes[0], second->meshes[0]}));
  glrec::clearCalls();
  flushDeferredMeshes();
  const uint32_t fire32 = first->meshes[0]->texture, fire64 = child->meshes[0]->texture;
  EXPECT_EQ(glrec::callsStartingWith("glBindTexture"), Calls({bind(fire32), bind(fire64), bind(fire32)}));
  deleteSceneTree(first);
  deleteSceneTree(second);
}

TEST_F(MeshDrawTest, SavedLightsAreSwitchedOnAndOffInTheFlush) {
  SceneNode* n = node("glass");
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT3);
  n->render();
  glDisable(GL_LIGHTING);
  glDisable(GL_LIGHT3);
  glrec::clearCalls();
  flushDeferredMeshes();
  EXPECT_EQ(glrec::indexOf("glEnable(GL_LIGHTING)"), 1);
  EXPECT_EQ(glrec::indexOf("glEnable(GL_LIGHT3)"), 2);
  EXPECT_EQ(glrec::callsStartingWith("glEnable(GL_LIGHT").size(), 2u);
  EXPECT_FALSE(glrec::enabled(GL_LIGHTING) || glrec::enabled(GL_LIGHT3));
  deleteSceneTree(n);
}

TEST_F(MeshDrawTest, MeshDestroyedBeforeTheFlushLeavesTheList) {
  SceneNode* n = node("glass");
  n->render();
  ASSERT_EQ(deferredMeshes.size(), 1u);
  deleteSceneTree(n);
  EXPECT_TRUE(deferredMeshes.empty());
}
