// Clock: the digital and analog trees built on the anchor's first frame, the
// digits they show at chosen times, the frame in which a digit changes, and
// the hand angles. time() is the test double of support/fake_local_time.h.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/animator.h"
#include "app/globals.h"
#include "clock/clock_builders.h"
#include "clock/clock_motion.h"
#include "support/fake_local_time.h"
#include "clock/frame_hooks.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

class ClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    resetProcessState(5000);
  }
  void TearDown() override {
    if (anchor) deleteSceneTree(anchor);
    fakeclock::useRealTime();
  }

  void build(MotionCurve builder, int32_t axis) {
    anchor = new SceneNode;
    AnimTrack track(1, true, -1.0);
    track.setCurve(builder, axis, 0, 0, 0);
    startTrack(anchor, track);
  }

  void frame() {
    frameTick += 16;
    anchor->render();
  }

  // What each slot shows: its newest digit's entry, "_" when empty.
  std::string shown() {
    std::string s;
    for (size_t i = 1; i < anchor->children.size(); ++i) {
      const std::vector<SceneNode*>& digits = anchor->children[i]->children;
      if (i > 1) s += " ";
      if (digits.empty()) {
        s += "?";
        continue;
      }
      const std::string e = showarchives::entryShown(digits.back());
      s += e.empty() ? "_" : e;
    }
    return s;
  }

  showarchives::Folder archives{{"clock.pak"}};
  SceneNode* anchor = nullptr;
};

// Records the value of every node whose meshes are about to be drawn.
std::vector<int32_t> drawnIds;
void recordDrawn(int32_t phase, int32_t id) {
  if (phase == 1) drawnIds.push_back(id);
}

bool wasDrawn(int32_t id) {
  for (int32_t d : drawnIds)
    if (d == id) return true;
  return false;
}

}  // namespace

TEST_F(ClockTest, DigitalTreesOfBothForms) {
  fakeclock::set(2026, 2, 14, 9, 30, 0);
  build(buildDigitalClock, 1);
  EXPECT_TRUE(anchor->children.empty());
  frame();
  // Plate and five slots, no am/pm slot.
  ASSERT_EQ(6u, anchor->children.size());
  EXPECT_EQ("podlozka", showarchives::entryShown(anchor->children[0]));
  const double x24[5] = {-6.483, -2.498, 0, 2.523, 6.466};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(x24[i], anchor->children[i + 1]->transform.position[0]);
  for (SceneNode* part : anchor->children) {
    ASSERT_EQ(1u, part->frameCallbacks.size());
    EXPECT_EQ(&depthOffCallback, part->frameCallbacks[0].function);
  }
  // The builder leaves its anchor where it stands.
  EXPECT_EQ(0.0, anchor->transform.position[0]);
  EXPECT_EQ(0.0, anchor->transform.position[1]);
  EXPECT_EQ("_ 9 _ 3 0", shown());  // the dot is off on even seconds
  deleteSceneTree(anchor);

  resetProcessState(frameTick);
  build(buildDigitalClock, 0);
  frame();
  ASSERT_EQ(7u, anchor->children.size());
  EXPECT_EQ("podlozka_am", showarchives::entryShown(anchor->children[0]));
  EXPECT_DOUBLE_EQ(11.432, anchor->children[1]->transform.position[0]);
  EXPECT_EQ(0.0, anchor->transform.position[0]);
  EXPECT_EQ("am _ 9 _ 3 0", shown());
}

TEST_F(ClockTest, TwentyFourHourTimes) {
  const int times[3][2] = {{0, 7}, {9, 30}, {13, 5}};
  const char* const want[3] = {"0 0 dot 0 7", "_ 9 dot 3 0", "1 3 dot 0 5"};
  for (int i = 0; i < 3; ++i) {
    resetProcessState(frameTick);
    fakeclock::set(2026, 2, 14, times[i][0], times[i][1], 1);
    build(buildDigitalClock, 1);
    frame();
    EXPECT_EQ(want[i], shown()) << times[i][0] << ":" << times[i][1];
    deleteSceneTree(anchor);
    anchor = nullptr;
  }
}

TEST_F(ClockTest, TwelveHourTimes) {
  const int times[5][2] = {{0, 15}, {12, 0}, {13, 0}, {22, 10}, {11, 59}};
  const char* const want[5] = {"am 1 2 _ 1 5", "pm 1 2 _ 0 0", "pm _ 1 _ 0 0", "pm 1 0 _ 1 0",
                               "am 1 1 _ 5 9"};
  for (int i = 0; i < 5; ++i) {
    resetProcessState(frameTick);
    fakeclock::set(2026, 2, 14, times[i][0], times[i][1], 0);
    build(buildDigitalClock, 0);
    frame();
    EXPECT_EQ(want[i], shown()) << times[i][0] << ":" << times[i][1];
    deleteSceneTree(anchor);
    anchor = nullptr;
  }
}

TEST_F(ClockTest, DotFollowsOddSeconds) {
  fakeclock::set(2026, 2, 14, 10, 0, 1);
  build(buildDigitalClock, 1);
  frame();
  SceneNode* dot = anchor->children[3];
  EXPECT_EQ("dot", showarchives::entryShown(dot->children.back()));
  fakeclock::advance(1);
  frame();
  EXPECT_EQ("", showarchives::entryShown(dot->children.back()));
  EXPECT_FALSE(dot->children.back()->hasMeshes);
  fakeclock::advance(1);
  frame();
  EXPECT_EQ("dot", showarchives::entryShown(dot->children.back()));
  // Nothing changes within a second: no new nodes.
  const size_t before = dot->children.size();
  frame();
  frame();
  EXPECT_EQ(before - 1, dot->children.size());  // only the retired one went
}

TEST_F(ClockTest, AllSixSlotsChangeInOneFrameAtOneOClock) {
  fakeclock::set(2026, 2, 14, 12, 59, 59);
  build(buildDigitalClock, 0);
  frame();
  ASSERT_EQ("pm 1 2 dot 5 9", shown());
  // Tag each slot's digit so its drawing can be seen.
  std::vector<SceneNode*> old;
  for (size_t i = 1; i < anchor->children.size(); ++i) {
    ASSERT_EQ(1u, anchor->children[i]->children.size());
    SceneNode* d = anchor->children[i]->children[0];
    d->addFrameCallback(recordDrawn, static_cast<int32_t>(i));
    old.push_back(d);
  }

  fakeclock::advance(1);  // 13:00:00
  drawnIds.clear();
  frame();
  EXPECT_EQ("pm _ 1 _ 0 0", shown());
  for (size_t i = 1; i < anchor->children.size(); ++i) {
    const std::vector<SceneNode*>& digits = anchor->children[i]->children;
    ASSERT_EQ(2u, digits.size()) << "slot " << i;
    EXPECT_EQ(old[i - 1], digits[0]);
    EXPECT_TRUE(digits[0]->expired);
    EXPECT_FALSE(digits[1]->expired);
    // The new digit ran its first step in this frame, so it was drawn too.
    EXPECT_EQ(frameTick, digits[1]->animator.currentTick);
    // Old digits with meshes were still drawn in the frame of the change
    // (the dot's old digit had one; every old one here did).
    EXPECT_TRUE(wasDrawn(static_cast<int32_t>(i))) << "slot " << i;
  }

  drawnIds.clear();
  frame();
  EXPECT_TRUE(drawnIds.empty());
  for (size_t i = 1; i < anchor->children.size(); ++i) EXPECT_EQ(1u, anchor->children[i]->children.size());
}

TEST_F(ClockTest, SlotsFollowAClockSetBack) {
  // Every digit goes down; each old one retires and is gone a frame later.
  fakeclock::set(2026, 2, 14, 11, 47, 0);
  build(buildDigitalClock, 1);
  frame();
  EXPECT_EQ("1 1 _ 4 7", shown());
  fakeclock::set(2026, 2, 14, 10, 23, 0);
  frame();
  frame();
  EXPECT_EQ("1 0 _ 2 3", shown());
  for (size_t i = 1; i < anchor->children.size(); ++i)
    EXPECT_EQ(1u, anchor->children[i]->children.size()) << "slot " << i;
}

TEST_F(ClockTest, AnalogHandsTurnWithTheTime) {
  fakeclock::set(2026, 2, 14, 10, 0, 0);
  build(buildAnalogClock, 0);
  frame();
  ASSERT_EQ(4u, anchor->children.size());
  const char* const entries[4] = {"ciferblat", "sec", "min", "chas"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(entries[i], showarchives::entryShown(anchor->children[i]));
    EXPECT_EQ(&depthOffCallback, anchor->children[i]->frameCallbacks.at(0).function);
    EXPECT_EQ(0.0, anchor->children[i]->transform.position[0]);
  }
  EXPECT_EQ(0.0, anchor->transform.position[0]);
  EXPECT_EQ(0.0, anchor->transform.position[1]);
  EXPECT_EQ(0.0, anchor->children[2]->animator.offset.rotation[2]);
  EXPECT_EQ(-300.0, anchor->children[3]->animator.offset.rotation[2]);

  fakeclock::set(2026, 2, 14, 15, 30, 45);
  frame();
  EXPECT_EQ(-270.0, anchor->children[1]->animator.offset.rotation[2]);
  EXPECT_EQ(-180.0, anchor->children[2]->animator.offset.rotation[2]);
  EXPECT_EQ(-465.0, anchor->children[3]->animator.offset.rotation[2]);
  // Only the builder ran once.
  EXPECT_EQ(4u, anchor->children.size());
}

TEST(FrameHooks, DepthLightingAndBillboard) {
  glrec::reset();
  depthOffCallback(1, 0);
  depthOffCallback(2, 0);
  depthOffCallback(3, 7);
  depthOffCallback(4, 0);
  depthOffCallback(5, 0);
  lightingOffCallback(1, 0);
  lightingOffCallback(2, 0);
  lightingOffCallback(3, 0);
  lightingOffCallback(4, 0);
  const std::vector<std::string> want = {
      "glDisable(GL_DEPTH_TEST)", "glEnable(GL_DEPTH_TEST)", "glDisable(GL_DEPTH_TEST)",
      "glEnable(GL_DEPTH_TEST)",  "glDisable(GL_LIGHTING)",  "glEnable(GL_LIGHTING)"};
  EXPECT_EQ(want, glrec::calls()) << glrec::dump();

  glrec::reset();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(1, 2, 3);
  glRotatef(30, 0, 1, 0);
  glScaled(2, 2, 2);
  billboardCallback(1, 0);
  const double* m = glrec::modelView();
  const double identity3[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  const int block[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
  for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(identity3[i], m[block[i]]);
  EXPECT_DOUBLE_EQ(1, m[12]);
  EXPECT_DOUBLE_EQ(2, m[13]);
  EXPECT_DOUBLE_EQ(3, m[14]);
  billboardCallback(3, 0);
  billboardCallback(2, 0);
  EXPECT_NEAR(2 * 0.866025, glrec::modelView()[0], 1e-5);  // the pushed matrix is back
}
