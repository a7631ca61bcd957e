// Motion curves: each curve's value against its formula written out here,
// the axis selection, and the node curves' per-frame reset of elapsed.
#include <gtest/gtest.h>

#include <cmath>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/globals.h"
#include "support/gl_recorder.h"
#include "scene/scene_node.h"

namespace {

class CurveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    frameTick = 0;
    node.animator.currentTick = 0;  // made before frameTick was set
    currentNode = &node;
  }
  void TearDown() override { currentNode = nullptr; }

  // Runs the curve at the given elapsed time on a fresh offset.
  void run(MotionCurve curve, int32_t axis, double elapsed, double p1, double p2, double p3) {
    track = AnimTrack(0, true, 0.0);
    track.setCurve(curve, axis, p1, p2, p3);
    track.target = &offset;
    track.elapsed = elapsed;
    offset.reset();
    currentTrack = &track;
    curve(0);
  }

  SceneNode node;
  Transform offset;
  AnimTrack track{0, true, 0.0};
};

}  // namespace

TEST_F(CurveTest, OffsetCurvesMatchTheirFormulas) {
  const double e = 1234.0, p1 = 2.5, p2 = -0.75, p3 = 0.3;
  run(curveSineMove, 0, e, p1, p2, p3);
  EXPECT_EQ(offset.position[0], std::sin(e * p2 / 1000.0 + p3) * p1);
  run(curveLinearMove, 1, e, p1, p2, p3);
  EXPECT_EQ(offset.position[1], e * p1 / 1000.0);
  run(curveLinearTurn, 2, e, p1, p2, p3);
  EXPECT_EQ(offset.rotation[2], e * p1 / 1000.0 + p2);
  run(curveSineTurn, 1, e, p1, p2, p3);
  EXPECT_EQ(offset.rotation[1], std::sin(e * p2 / 1000.0 + p3) * p1);
  run(curveExpApproach, 2, e, p1, p2, p3);
  EXPECT_EQ(offset.position[2], p1 * (1.0 - std::exp(e / 1000.0 * p2)));

  // 48 ms at a rate of 3.0: elapsed * rate / 1000 is 0.144, elapsed / 1000 *
  // rate one bit more, so each curve's own order of operations shows.
  const double slow = 48.0 * 3.0 / 1000.0, fast = 48.0 / 1000.0 * 3.0;
  ASSERT_NE(slow, fast);
  run(curveSineMove, 0, 48.0, 2.0, 3.0, 0.0);
  EXPECT_EQ(offset.position[0], std::sin(slow) * 2.0);
  run(curveSineTurn, 0, 48.0, 2.0, 3.0, 0.0);
  EXPECT_EQ(offset.rotation[0], std::sin(slow) * 2.0);
  run(curveLinearMove, 0, 48.0, 3.0, 0.0, 0.0);
  EXPECT_EQ(offset.position[0], slow);
  run(curveLinearTurn, 0, 48.0, 3.0, 0.0, 0.0);
  EXPECT_EQ(offset.rotation[0], slow);
  run(curveExpApproach, 0, 48.0, 2.0, 3.0, 0.0);
  EXPECT_EQ(offset.position[0], 2.0 * (1.0 - std::exp(fast)));
}

TEST_F(CurveTest, OnlyTheSelectedComponentIsWritten) {
  run(curveLinearMove, 1, 500.0, 4.0, 0, 0);
  EXPECT_EQ(offset.position[0], 0.0);
  EXPECT_EQ(offset.position[1], 2.0);
  EXPECT_EQ(offset.position[2], 0.0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(offset.rotation[i], 0.0);
}

TEST_F(CurveTest, SpecialValues) {
  run(curveSineMove, 0, 777.0, 0.0, 3.0, 1.0);  // amplitude 0
  EXPECT_EQ(offset.position[0], 0.0);
  run(curveSineMove, 0, 777.0, 2.0, 0.0, 1.0);  // no speed: constant
  EXPECT_EQ(offset.position[0], std::sin(1.0) * 2.0);
  run(curveLinearTurn, 0, 0.0, 90.0, 17.0, 0.0);  // starts at p2
  EXPECT_EQ(offset.rotation[0], 17.0);
}

TEST_F(CurveTest, AxisThreeLeavesTheOffsetUntouched) {
  MotionCurve curves[] = {curveSineMove, curveLinearMove, curveLinearTurn, curveSineTurn, curveExpApproach};
  for (MotionCurve c : curves) {
    run(c, 3, 1500.0, 1.0, 1.0, 1.0);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(offset.position[i], 0.0);
      EXPECT_EQ(offset.rotation[i], 0.0);
    }
  }
  node.transform.reset();
  run(curveDriftNode, 3, 1500.0, 1.0, 0, 0);
  EXPECT_EQ(track.elapsed, 0.0);  // node curves still reset their clock
  run(curveSpinNode, -1, 1500.0, 1.0, 5.0, 0);
  EXPECT_EQ(track.elapsed, 0.0);
  EXPECT_EQ(node.transform.position[0], 0.0);
  EXPECT_EQ(node.transform.rotation[0], 0.0);
}

TEST_F(CurveTest, ExpireOnlyStrictlyPastTheLifetime) {
  run(curveExpire, 0, 16000.0, 16000.0, 0, 0);
  EXPECT_FALSE(node.expired);
  run(curveExpire, 0, 16001.0, 16000.0, 0, 0);
  EXPECT_TRUE(node.expired);
}

TEST_F(CurveTest, DriftNodeMovesByTheLastFrame) {
  // Through the real animator: frames of 20 ms and 30 ms.
  AnimTrack drift(0, true, 0.0);
  drift.setCurve(curveDriftNode, 0, 10.0, 0, 0);
  node.animator.addTrack(drift);
  frameTick = 20;
  node.animator.advance();
  EXPECT_DOUBLE_EQ(node.transform.position[0], 0.2);
  EXPECT_EQ(node.animator.tracks[0].elapsed, 0.0);
  frameTick = 50;
  node.animator.advance();
  EXPECT_DOUBLE_EQ(node.transform.position[0], 0.5);
  EXPECT_EQ(node.animator.tracks[0].elapsed, 0.0);
  // Node curves never write the offset.
  EXPECT_EQ(node.animator.offset.position[0], 0.0);
}

TEST_F(CurveTest, SpinNodeAddsP2EveryFrame) {
  AnimTrack spin(0, true, 0.0);
  spin.setCurve(curveSpinNode, 2, 100.0, 1.0, 0);
  node.animator.addTrack(spin);
  frameTick = 10;
  node.animator.advance();
  frameTick = 20;
  node.animator.advance();
  EXPECT_DOUBLE_EQ(node.transform.rotation[2], 10.0 * 100.0 / 1000.0 + 1.0 + 10.0 * 100.0 / 1000.0 + 1.0);
}

TEST_F(CurveTest, SeveralTracksAddUpInOneFrame) {
  AnimTrack fall(0, true, 0.0), sway(0, true, 0.0);
  fall.setCurve(curveLinearMove, 1, -3.0, 0, 0);
  sway.setCurve(curveLinearMove, 1, 1.0, 0, 0);
  node.animator.addTrack(fall);
  node.animator.addTrack(sway);
  frameTick = 1000;
  node.animator.advance();
  EXPECT_EQ(node.animator.offset.position[1], -2.0);
  EXPECT_EQ(glrec::calls(), std::vector<std::string>({"glTranslatef(0,-2,0)"}));
}
