// Snowfall: spawn counting with its carried remainder, the density and speed
// scales, and the exact tracks of one flake for a known random sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/globals.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

class SnowfallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    glrec::setLogging(false);
    resetProcessState(1000);
  }
  void TearDown() override { glrec::setLogging(true); }

  // An emitter as the scene set-up builds it, its animator's tick at now.
  SceneNode* makeEmitter() {
    SceneNode* emitter = new SceneNode;
    AnimTrack track(1, true, 0.0);
    track.setCallback(snowfallStep, 0);
    startTrack(emitter, track);
    return emitter;
  }

  // Renders one frame `ms` after the previous one; returns the flakes born.
  size_t frame(SceneNode* emitter, uint32_t ms) {
    const size_t before = emitter->children.size();
    frameTick += ms;
    emitter->render();
    return emitter->children.size() - before;
  }

  showarchives::Folder archives{{"main.pak"}};
};

}  // namespace

TEST(SnowSpawnInterval, AlongTheDensityScale) {
  EXPECT_DOUBLE_EQ(100.0, snowSpawnInterval(0));
  EXPECT_DOUBLE_EQ(31.4, snowSpawnInterval(49));
  EXPECT_DOUBLE_EQ(30.0, snowSpawnInterval(50));
  EXPECT_DOUBLE_EQ(5.0, snowSpawnInterval(100));
  EXPECT_DOUBLE_EQ(17.5, snowSpawnInterval(75));
}

TEST(SnowSpawnCount, SixteenMillisecondFramesCarryTheRemainder) {
  double e = 16;
  EXPECT_EQ(1, snowSpawnCount(e, 30));
  EXPECT_DOUBLE_EQ(-14, e);
  e += 16;
  EXPECT_EQ(1, snowSpawnCount(e, 30));
  EXPECT_DOUBLE_EQ(-28, e);
  e += 16;
  EXPECT_EQ(0, snowSpawnCount(e, 30));
  EXPECT_DOUBLE_EQ(-12, e);
  e = 1500;
  EXPECT_EQ(50, snowSpawnCount(e, 30));
  EXPECT_DOUBLE_EQ(0, e);
  e = 0;
  EXPECT_EQ(0, snowSpawnCount(e, 30));
  // A broken interval never loops forever.
  e = 10;
  EXPECT_EQ(0, snowSpawnCount(e, 0));
}

TEST(SnowLifetime, AlongTheSpeedScale) {
  EXPECT_DOUBLE_EQ(25000, flakeLifetime(0));
  EXPECT_DOUBLE_EQ(16000, flakeLifetime(50));
  EXPECT_DOUBLE_EQ(7000, flakeLifetime(100));
  snowDensity = 50;
  snowSpeed = 50;
  EXPECT_EQ(534, snowBurstLimit());
}

TEST_F(SnowfallTest, SixteenMillisecondFramesSpawnOneOneNone) {
  SceneNode* emitter = makeEmitter();
  EXPECT_EQ(1u, frame(emitter, 16));
  EXPECT_DOUBLE_EQ(-14, emitter->animator.tracks[0].elapsed);
  EXPECT_EQ(1u, frame(emitter, 16));
  EXPECT_DOUBLE_EQ(-28, emitter->animator.tracks[0].elapsed);
  EXPECT_EQ(0u, frame(emitter, 16));
  EXPECT_DOUBLE_EQ(-12, emitter->animator.tracks[0].elapsed);
  // Over a long run: one flake per 30 ms.
  size_t total = 0;
  for (int i = 0; i < 300; ++i) total += frame(emitter, 16);
  EXPECT_NEAR(300 * 16 / 30.0, static_cast<double>(total), 1.0);
  deleteSceneTree(emitter);
}

TEST_F(SnowfallTest, LateFirstFrameBurstsWithIndependentFlakes) {
  SceneNode* emitter = makeEmitter();
  ASSERT_EQ(50u, frame(emitter, 1500));
  // Not all at one place: each flake draws its own position.
  int distinct = 0;
  for (size_t i = 1; i < emitter->children.size(); ++i) {
    const double* a = emitter->children[i]->transform.position;
    const double* b = emitter->children[0]->transform.position;
    if (a[1] != b[1] || a[2] != b[2]) ++distinct;
  }
  EXPECT_GT(distinct, 40);
  deleteSceneTree(emitter);
}

TEST_F(SnowfallTest, LongStallSpawnsAtMostOneLifetimeOfFlakes) {
  SceneNode* emitter = makeEmitter();
  EXPECT_EQ(534u, frame(emitter, 3600000));  // an hour's stall
  EXPECT_DOUBLE_EQ(0, emitter->animator.tracks[0].elapsed);
  EXPECT_EQ(1u, frame(emitter, 16));
  deleteSceneTree(emitter);
}

TEST_F(SnowfallTest, FlakeTracksFollowTheRandomSequence) {
  for (double speed : {50.0, 0.0, 100.0}) {
    snowSpeed = speed;
    srand(4242);
    // The draws in the order the flake takes them.
    int d[16];
    for (int& v : d) v = rand();
    srand(4242);
    SceneNode* flake = buildFlake();

    EXPECT_EQ(0.0, flake->transform.position[0]);
    EXPECT_EQ(d[1] % 100 - 50, flake->transform.position[1]);
    EXPECT_EQ(d[0] % 100 - 50, flake->transform.position[2]);
    EXPECT_EQ("sn", showarchives::entryShown(flake));
    EXPECT_TRUE(flake->transform.scaled);
    for (double s : flake->transform.scale) EXPECT_EQ(0.1, s);
    EXPECT_EQ(0.0, flake->transform.rotation[1]);

    const std::vector<AnimTrack>& t = flake->animator.tracks;
    ASSERT_EQ(8u, t.size());
    for (const AnimTrack& k : t) {
      EXPECT_EQ(1, k.id);
      EXPECT_TRUE(k.enabled);
      EXPECT_TRUE(k.endless);
      EXPECT_EQ(0.0, k.elapsed);
    }
    EXPECT_EQ(&curveExpire, t[0].callback);
    EXPECT_DOUBLE_EQ((100 - speed) * 18000 / 100 + 7000, t[0].p1);

    EXPECT_EQ(&curveLinearMove, t[1].callback);
    EXPECT_EQ(0, t[1].axis);
    EXPECT_DOUBLE_EQ(speed * 7 / -100.0 - 4.5 + d[2] % 400 / 100, t[1].p1);

    const int turnAxes[3] = {2, 1, 0};
    for (int i = 0; i < 3; ++i) {
      const AnimTrack& k = t[2 + i];
      EXPECT_EQ(&curveLinearTurn, k.callback);
      EXPECT_EQ(turnAxes[i], k.axis);
      EXPECT_EQ(d[3 + 2 * i] % 500 / 10, k.p1);
      EXPECT_EQ(6.28318530717956 * (d[4 + 2 * i] % 1000) / 1000, k.p2);
      EXPECT_EQ(0.0, k.p3);
    }
    const double phases[3] = {0.0, 1.0, 1.57079632679489};
    for (int i = 0; i < 3; ++i) {
      const AnimTrack& k = t[5 + i];
      EXPECT_EQ(&curveSineMove, k.callback);
      EXPECT_EQ(i, k.axis);
      EXPECT_EQ(d[9 + 2 * i] % 20 / 10, k.p1);
      EXPECT_EQ(d[10 + 2 * i] % 50 / 10, k.p2);
      EXPECT_EQ(phases[i], k.p3);
    }
    // Fifteen draws per flake, no more.
    EXPECT_EQ(d[15], rand());
    deleteSceneTree(flake);
  }
}

TEST_F(SnowfallTest, FallSpeedRangesAtTheEndsOfTheScale) {
  const double slowest[2] = {-1.5, -8.5}, fastest[2] = {-4.5, -11.5};
  const double speeds[2] = {0.0, 100.0};
  srand(7);
  for (int k = 0; k < 2; ++k) {
    snowSpeed = speeds[k];
    double lo = 0, hi = -100;
    for (int i = 0; i < 200; ++i) {
      SceneNode* flake = buildFlake();
      const double v = flake->animator.tracks.at(1).p1;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      deleteSceneTree(flake);
    }
    EXPECT_DOUBLE_EQ(fastest[k], lo) << "S = " << speeds[k];
    EXPECT_DOUBLE_EQ(slowest[k], hi) << "S = " << speeds[k];
  }
}

TEST_F(SnowfallTest, ExpiredFlakeIsNeverDrawnAgainAndIsDeleted) {
  SceneNode* emitter = makeEmitter();
  ASSERT_EQ(1u, frame(emitter, 16));
  SceneNode* flake = emitter->children[0];
  snowDensity = 0;  // a 100 ms interval keeps the count small
  // Step to just before the lifetime, then past it.
  uint32_t lived = 0;
  while (!flake->expired && lived < 20000) {
    frame(emitter, 16);
    lived += 16;
  }
  EXPECT_TRUE(flake->expired);
  EXPECT_GT(lived, 16000u - 16);
  EXPECT_LE(lived, 16000u + 16);
  EXPECT_TRUE(flake->dead);  // no children: dead in the frame it expired
  frame(emitter, 16);
  for (SceneNode* c : emitter->children) EXPECT_NE(flake, c);
  deleteSceneTree(emitter);
}
