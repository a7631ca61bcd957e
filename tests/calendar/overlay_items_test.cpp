// Frame-rate readout and delayed item: the readout's digits and their
// lifetime, counting that includes the readout frame, and the item that
// appears strictly after one minute.
#include <gtest/gtest.h>

#include <string>

#include "anim/animator.h"
#include "app/globals.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/frame_hooks.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

SceneNode* nodeWithTrack(MotionCurve callback) {
  SceneNode* node = new SceneNode;
  AnimTrack track(1, true, 0.0);
  track.setCallback(callback, 0);
  startTrack(node, track);
  return node;
}

class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    glrec::setLogging(false);
    resetProcessState(1000);
  }
  void TearDown() override {
    if (node) deleteSceneTree(node);
    glrec::setLogging(true);
  }

  void frame(uint32_t ms) {
    frameTick += ms;
    node->render();
  }

  // Runs a readout period of `frames` frames (the last one the readout)
  // and returns the digits it added, left to right.
  std::string period(int frames) {
    node->animator.tracks[0].elapsed = -1;
    for (int i = 0; i < frames - 1; ++i) frame(0);
    const size_t before = node->children.size();
    frame(2);
    std::string s;
    for (size_t i = node->children.size(); i > before; --i) s += showarchives::entryShown(node->children[i - 1]);
    return s;
  }

  showarchives::Folder archives{{"utils.pak", "main.pak"}};
  SceneNode* node = nullptr;
};

}  // namespace

TEST_F(OverlayTest, ReadoutsOfCountedFrames) {
  node = nodeWithTrack(fpsCurve);
  frame(16);  // the first frame brings elapsed above 0: a readout of 1 frame
  ASSERT_EQ(1u, node->children.size());
  EXPECT_EQ("0", showarchives::entryShown(node->children[0]));
  EXPECT_EQ(0, fpsFrameCount);
  EXPECT_DOUBLE_EQ(16 - 5000, node->animator.tracks[0].elapsed);

  EXPECT_EQ("12", period(60));
  EXPECT_EQ("9", period(49));
  EXPECT_EQ("10", period(50));
  EXPECT_EQ("100", period(500));
}

TEST_F(OverlayTest, DigitNodesAndTheirLifetime) {
  node = nodeWithTrack(fpsCurve);
  // 84 ms frames: 60 of them carry elapsed past the next 5000 ms.
  frame(16);
  for (int i = 0; i < 59; ++i) frame(84);
  EXPECT_EQ(59, fpsFrameCount);
  ASSERT_EQ(1u, node->children.size());
  SceneNode* old = node->children[0];
  frame(84);
  EXPECT_EQ(0, fpsFrameCount);
  ASSERT_EQ(3u, node->children.size());
  // The old digit is still there in the readout frame, beside the new ones.
  EXPECT_EQ(old, node->children[0]);
  SceneNode* units = node->children[1];
  SceneNode* tens = node->children[2];
  EXPECT_EQ("2", showarchives::entryShown(units));
  EXPECT_EQ("1", showarchives::entryShown(tens));
  EXPECT_DOUBLE_EQ(3.3, units->transform.position[0]);
  EXPECT_DOUBLE_EQ(1.9, tens->transform.position[0]);
  ASSERT_EQ(1u, units->frameCallbacks.size());
  EXPECT_EQ(&depthOffCallback, units->frameCallbacks[0].function);
  ASSERT_EQ(1u, units->animator.tracks.size());
  EXPECT_DOUBLE_EQ(5000, units->animator.tracks[0].p1);

  // The old digit's clock ran 60 * 84 = 5040 ms: expired by now.
  EXPECT_TRUE(old->expired);
  frame(84);
  EXPECT_EQ(2u, node->children.size());
}

TEST_F(OverlayTest, DelayedItemStrictlyAfterOneMinute) {
  node = nodeWithTrack(delayedItemCurve);
  frame(30000);
  frame(30000);  // exactly 60000 ms
  EXPECT_TRUE(node->children.empty());
  EXPECT_DOUBLE_EQ(60000, node->animator.tracks[0].elapsed);
  frame(1);
  ASSERT_EQ(1u, node->children.size());
  SceneNode* item = node->children[0];
  EXPECT_EQ("nn", showarchives::entryShown(item));
  EXPECT_TRUE(item->transform.scaled);
  EXPECT_EQ(0.5, item->transform.scale[0]);
  EXPECT_EQ(0.5, item->transform.scale[1]);
  EXPECT_EQ(0.5, item->transform.scale[2]);
  EXPECT_TRUE(node->animator.tracks[0].finished);
  frame(16);
  frame(60000);
  EXPECT_TRUE(node->animator.tracks.empty());
  EXPECT_EQ(1u, node->children.size());
}
