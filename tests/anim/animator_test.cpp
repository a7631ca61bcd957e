// Tracks and animators: clocks, durations, erasing, the tick difference and
// the applied offset; and tracks added from inside a callback.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "anim/animator.h"
#include "app/globals.h"
#include "support/gl_recorder.h"

namespace {

std::vector<double> seenElapsed;
int calls;

void record(int32_t) {
  ++calls;
  seenElapsed.push_back(currentTrack->elapsed);
}

AnimTrack recordingTrack(int32_t id, double duration) {
  AnimTrack t(id, true, duration);
  t.setCallback(record, 0);
  return t;
}

class AnimatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    frameTick = 1000;
    seenElapsed.clear();
    calls = 0;
  }
};

}  // namespace

TEST_F(AnimatorTest, ZeroDurationIsEndless) {
  AnimTrack t(0, true, 0.0);
  EXPECT_TRUE(t.endless);
  Animator a;
  a.addTrack(recordingTrack(0, 0.0));
  for (int i = 0; i < 100; ++i) {
    frameTick += 1000;
    a.advance();
  }
  ASSERT_EQ(a.tracks.size(), 1u);
  EXPECT_FALSE(a.tracks[0].finished);
  EXPECT_EQ(a.tracks[0].total, 100000.0);
}

TEST_F(AnimatorTest, NegativeDurationRunsOnce) {
  Animator a;
  a.addTrack(recordingTrack(0, -1.0));
  for (int i = 0; i < 3; ++i) {
    frameTick += 16;
    a.advance();
  }
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(a.tracks.empty());
}

TEST_F(AnimatorTest, FiveHundredMsTrackRunsOn32FramesOf16) {
  // 512 ms: the 32nd frame brings total to exactly the duration, which
  // finishes the track as surely as passing it does.
  for (double duration : {500.0, 512.0}) {
    SCOPED_TRACE(duration);
    calls = 0;
    Animator a;
    a.addTrack(recordingTrack(0, duration));
    for (int frame = 1; frame <= 32; ++frame) {
      frameTick += 16;
      a.advance();
      ASSERT_EQ(calls, frame);
    }
    ASSERT_EQ(a.tracks.size(), 1u);
    EXPECT_TRUE(a.tracks[0].finished);
    EXPECT_EQ(a.tracks[0].total, 512.0);
    frameTick += 16;
    a.advance();
    EXPECT_EQ(calls, 32);
    EXPECT_TRUE(a.tracks.empty());
  }
}

TEST_F(AnimatorTest, DisabledTrackKeepsItsClocksAndCannotFinish) {
  // Two running tracks share id 7; the commands reach both, not the 8.
  Animator a;
  a.addTrack(recordingTrack(7, 100.0));
  a.addTrack(recordingTrack(8, 0.0));
  a.addTrack(recordingTrack(7, 100.0));
  frameTick += 40;
  a.advance();
  a.disableTracks(7);
  for (int i = 0; i < 10; ++i) {
    frameTick += 40;
    a.advance();
  }
  ASSERT_EQ(a.tracks.size(), 3u);
  for (int i : {0, 2}) {
    EXPECT_EQ(a.tracks[i].elapsed, 40.0);
    EXPECT_EQ(a.tracks[i].total, 40.0);
    EXPECT_FALSE(a.tracks[i].finished);
  }
  EXPECT_EQ(a.tracks[1].elapsed, 440.0);
  EXPECT_EQ(calls, 3 + 10);
  a.enableTracks(7);
  frameTick += 40;
  a.advance();
  EXPECT_EQ(a.tracks[0].elapsed, 80.0);
  EXPECT_EQ(a.tracks[2].elapsed, 80.0);
}

TEST_F(AnimatorTest, FinishTracksErasesOnlyThatIdOnNextAdvance) {
  Animator a;
  a.addTrack(recordingTrack(1, 0.0));
  a.addTrack(recordingTrack(2, 0.0));
  a.addTrack(recordingTrack(1, 0.0));
  a.finishTracks(1);
  frameTick += 10;
  a.advance();
  ASSERT_EQ(a.tracks.size(), 1u);
  EXPECT_EQ(a.tracks[0].id, 2);
  EXPECT_EQ(calls, 1);
}

TEST_F(AnimatorTest, TickWrapGivesTrueSmallDt) {
  frameTick = 4294967290u;
  Animator a;
  a.addTrack(recordingTrack(0, 0.0));
  frameTick = 10;  // 16 ms later, past the wrap
  a.advance();
  ASSERT_EQ(seenElapsed.size(), 1u);
  EXPECT_EQ(seenElapsed[0], 16.0);
}

TEST_F(AnimatorTest, CreatedDuringFrameStepsFirstWithZeroDt) {
  frameTick = 5000;
  Animator a;  // made in the middle of the 5000 ms frame
  a.addTrack(recordingTrack(0, 0.0));
  a.advance();
  ASSERT_EQ(seenElapsed.size(), 1u);
  EXPECT_EQ(seenElapsed[0], 0.0);
}

TEST_F(AnimatorTest, AddTrackAimsCopyAtOffset) {
  Animator a;
  AnimTrack t = recordingTrack(0, 0.0);
  a.addTrack(t);
  EXPECT_EQ(t.target, nullptr);
  EXPECT_EQ(a.tracks[0].target, &a.offset);
}

namespace {
Animator* selfAnimator;
std::vector<const AnimTrack*> trackAfterAdd;

// Adds enough tracks to its own animator to force the array to move, then
// touches the running track through currentTrack.
void growOwnAnimator(int32_t) {
  for (int i = 0; i < 64; ++i) selfAnimator->addTrack(recordingTrack(9, 0.0));
  trackAfterAdd.push_back(currentTrack);
  currentTrack->elapsed = 0;  // must land in the live array
}
}  // namespace

TEST_F(AnimatorTest, CallbackGrowingItsOwnAnimatorKeepsCurrentTrackValid) {
  Animator a;
  selfAnimator = &a;
  AnimTrack grower(1, true, -1.0);
  grower.setCallback(growOwnAnimator, 0);
  a.addTrack(recordingTrack(0, 0.0));
  a.addTrack(grower);
  frameTick += 16;
  a.advance();
  ASSERT_EQ(trackAfterAdd.size(), 1u);
  // currentTrack followed the grower into the new array.
  EXPECT_EQ(trackAfterAdd[0], &a.tracks[1]);
  EXPECT_EQ(a.tracks[1].id, 1);
  // Tracks added during the walk are stepped in the same walk, with this
  // frame's dt: 1 before + 64 new.
  EXPECT_EQ(calls, 65);
  EXPECT_EQ(a.tracks.size(), 66u);
  frameTick += 16;
  a.advance();  // the one-shot grower is erased
  EXPECT_EQ(a.tracks.size(), 65u);
}

TEST_F(AnimatorTest, OffsetIsRebuiltAndAppliedEveryFrame) {
  Animator a;
  frameTick += 10;
  a.advance();
  EXPECT_TRUE(glrec::calls().empty()) << glrec::dump();  // all-zero offset
  a.offset.setPosition(5, 0, 0);
  glrec::clearCalls();
  a.advance();
  EXPECT_EQ(a.offset.position[0], 0.0);
  EXPECT_TRUE(glrec::calls().empty()) << glrec::dump();
}
