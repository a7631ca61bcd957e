// Node render: the order of steps and frame-callback phases, the scaled
// path, and the expire/dead life cycle from the leaves up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/globals.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

std::vector<std::string> events;

void logPhase(int32_t phase, int32_t value) {
  events.push_back(std::to_string(value) + ":" + std::to_string(phase));
}

void logTrack(int32_t value) { events.push_back("advance " + std::to_string(value)); }

void fireTrack(SceneNode* node, MotionCurve curve, int32_t value, double duration) {
  AnimTrack t(0, true, duration);
  t.setCallback(curve, value);
  startTrack(node, t);
}

class SceneNodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    events.clear();
    resetProcessState();
    root = new SceneNode;
  }
  void TearDown() override {
    deleteSceneTree(root);
    resetProcessState();
  }
  void frame() {
    frameTick += 16;
    root->render();
  }
  SceneNode* root;
};

}  // namespace

TEST_F(SceneNodeTest, NewNodeState) {
  EXPECT_FALSE(root->expired || root->dead || root->hasMeshes || root->transform.scaled);
  EXPECT_EQ(root->meshCount, 0);
  EXPECT_EQ(root->cues.animator, &root->animator);
}

TEST_F(SceneNodeTest, PhasesInOrderAroundMeshesAndChildren) {
  root->hasMeshes = true;  // an entry with no meshes still counts
  root->addFrameCallback(logPhase, 1);
  root->addFrameCallback(logPhase, 2);
  fireTrack(root, logTrack, 0, 0.0);
  SceneNode* a = new SceneNode;
  SceneNode* b = new SceneNode;
  fireTrack(a, logTrack, 1, 0.0);
  fireTrack(b, logTrack, 2, 0.0);
  root->addChild(a);
  root->addChild(b);
  frame();
  EXPECT_EQ(events, std::vector<std::string>({"advance 0", "1:1", "2:1", "1:2", "2:2", "1:3", "2:3", "advance 1",
                                              "1:4", "2:4", "1:3", "2:3", "advance 2", "1:4", "2:4"}));
}

TEST_F(SceneNodeTest, NodeWithoutMeshesSkipsPhasesOneAndTwoButAdvances) {
  root->addFrameCallback(logPhase, 0);
  fireTrack(root, logTrack, 0, 0.0);
  frame();
  EXPECT_EQ(events, std::vector<std::string>({"advance 0"}));
}

TEST_F(SceneNodeTest, MatrixOrderAndScaledPath) {
  root->hasMeshes = true;
  root->transform.setPosition(1, 0, 0);
  root->transform.setScale(2, 3, 4);
  SceneNode* child = new SceneNode;
  root->addChild(child);
  glrec::reset();
  glEnable(GL_NORMALIZE);  // disabled after the meshes even so
  glrec::clearCalls();
  frame();
  EXPECT_EQ(glrec::calls(),
            std::vector<std::string>({"glPushMatrix()", "glTranslatef(1,0,0)", "glPushMatrix()",
                                      "glScaled(2,3,4)", "glEnable(GL_NORMALIZE)", "glDisable(GL_NORMALIZE)",
                                      "glPopMatrix()", "glPushMatrix()", "glPopMatrix()", "glPopMatrix()"}));
  EXPECT_FALSE(glrec::enabled(GL_NORMALIZE));
}

TEST_F(SceneNodeTest, ExpiredLeafDiesThenIsDeletedThenParentDies) {
  SceneNode* leaf = new SceneNode;
  root->addChild(leaf);
  frame();
  root->expire();
  frame();  // the leaf gets the flag and becomes dead in the same render
  ASSERT_EQ(root->children.size(), 1u);
  EXPECT_TRUE(leaf->expired);
  EXPECT_TRUE(leaf->dead);
  EXPECT_FALSE(root->dead);
  frame();  // deleted, and the empty expired root is dead
  EXPECT_TRUE(root->children.empty());
  EXPECT_TRUE(root->dead);
}

TEST_F(SceneNodeTest, TwoDeadChildrenRemovedBeforeAnyChildRenders) {
  SceneNode* a = new SceneNode;
  SceneNode* live = new SceneNode;
  SceneNode* b = new SceneNode;
  fireTrack(live, logTrack, 1, 0.0);
  root->addChild(a);
  root->addChild(live);
  root->addChild(b);
  a->dead = true;
  b->dead = true;
  root->addFrameCallback(logPhase, 9);
  frame();
  ASSERT_EQ(root->children.size(), 1u);
  EXPECT_EQ(root->children[0], live);
  EXPECT_EQ(events, std::vector<std::string>({"9:3", "advance 1", "9:4"}));
}

TEST_F(SceneNodeTest, CurrentNodeIsNotRestoredAfterAChild) {
  SceneNode* child = new SceneNode;
  SceneNode* grandchild = new SceneNode;
  child->addChild(grandchild);
  root->addChild(child);
  frame();
  EXPECT_EQ(currentNode, grandchild);
}

TEST_F(SceneNodeTest, NodeExpiringInItsOwnAdvanceStillDrawsThenDies) {
  SceneNode* flake = new SceneNode;
  flake->hasMeshes = true;
  flake->addFrameCallback(logPhase, 5);
  AnimTrack life(0, true, 0.0);
  life.setCurve(curveExpire, 20.0, 0, 0);  // expires once elapsed > 20 ms
  startTrack(flake, life);
  root->addChild(flake);
  frame();  // elapsed 16
  EXPECT_FALSE(flake->expired);
  frame();  // elapsed 32: expires during its own advance
  EXPECT_TRUE(flake->expired);
  EXPECT_TRUE(flake->dead);
  EXPECT_EQ(events, std::vector<std::string>({"5:1", "5:2", "5:1", "5:2"}));
  frame();
  EXPECT_TRUE(root->children.empty());
  EXPECT_EQ(events.size(), 4u);
}

namespace {
SceneNode* spawnedChild;
void spawnChild(int32_t) {
  spawnedChild = new SceneNode;
  fireTrack(spawnedChild, logTrack, 7, 0.0);
  currentNode->addChild(spawnedChild);
}
}  // namespace

TEST_F(SceneNodeTest, ChildSpawnedDuringAdvanceRendersSameFrameWithZeroDt) {
  frame();
  fireTrack(root, spawnChild, 0, -1.0);
  frame();
  ASSERT_EQ(root->children.size(), 1u);
  EXPECT_EQ(events, std::vector<std::string>({"advance 7"}));
  EXPECT_EQ(spawnedChild->animator.tracks[0].elapsed, 0.0);
  frame();
  EXPECT_EQ(spawnedChild->animator.tracks[0].elapsed, 16.0);
}

TEST_F(SceneNodeTest, ExpiredNodeStopsAnimatingAndApplyingItsOffset) {
  AnimTrack move(0, true, 0.0);
  move.setCurve(curveLinearMove, 0, 1000.0, 0, 0);
  root->animator.addTrack(move);
  root->addChild(new SceneNode);
  frame();
  root->expire();
  glrec::clearCalls();
  frame();
  EXPECT_EQ(glrec::callsStartingWith("glTranslatef").size(), 0u) << glrec::dump();
  EXPECT_EQ(root->animator.tracks[0].elapsed, 16.0);
}

TEST_F(SceneNodeTest, DeleteSceneTreeFreesEverythingBelow) {
  // Every node holds meshes of main.pak, so the archive stays open as long
  // as any node of the tree is left.
  showarchives::Folder archives{{"main.pak"}};
  SceneNode* a = new SceneNode;
  SceneNode* nodes[] = {root, a, new SceneNode, new SceneNode, new SceneNode};
  a->addChild(nodes[2]);
  a->addChild(nodes[3]);
  root->addChild(a);
  root->addChild(nodes[4]);
  for (SceneNode* n : nodes) n->loadMeshes("main.pak", "sn");
  deleteSceneTree(root);
  root = nullptr;
  EXPECT_TRUE(archiveCache.archives.names.empty()) << "a node below the root was not deleted";
  // Left open, the archive would be found again by later tests.
  while (!archiveCache.archives.names.empty()) archiveCache.release(archiveCache.archives.names.back().c_str());
}
