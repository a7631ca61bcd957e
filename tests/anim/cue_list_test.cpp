// Cue lists: firing copies templates, commands see the tracks just added,
// links fire other lists, and bad indices or link cycles do no harm.
#include <gtest/gtest.h>

#include "anim/anim_cue_list.h"
#include "anim/animator.h"
#include "app/globals.h"
#include "support/gl_recorder.h"

namespace {
void nothing(int32_t) {}

AnimTrack track(int32_t id, double duration) {
  AnimTrack t(id, true, duration);
  t.setCallback(nothing, 0);
  return t;
}
}  // namespace

TEST(CueList, FiringTwiceGivesTwoIndependentCopies) {
  glrec::reset();
  frameTick = 100;
  Animator a;
  AnimCueList cues;
  cues.bindAnimator(&a);
  EXPECT_EQ(cues.addCue(), 0);
  cues.addCueTrack(track(3, 0.0));
  cues.fireCue(0);
  frameTick = 150;
  a.advance();
  cues.fireCue(0);
  ASSERT_EQ(a.tracks.size(), 2u);
  EXPECT_EQ(a.tracks[0].elapsed, 50.0);
  EXPECT_EQ(a.tracks[1].elapsed, 0.0);
  EXPECT_EQ(cues.cueTracks[0][0].elapsed, 0.0);  // the template never runs
  EXPECT_EQ(cues.cueTracks[0][0].target, nullptr);
}

TEST(CueList, CommandsSeeTheTracksJustAdded) {
  Animator a;
  AnimCueList cues;
  cues.bindAnimator(&a);
  cues.addCue();
  cues.addCueTrack(track(1, 0.0));
  cues.addCueTrack(track(2, 0.0));
  cues.addCueTrack(track(3, 0.0));
  cues.addCueCommand(1, CueDisable);
  cues.addCueCommand(2, CueFinish);
  cues.addCueCommand(3, CueDisable);
  cues.addCueCommand(3, CueEnable);
  cues.addCueCommand(3, 99);  // unknown: nothing
  cues.fireCue(0);
  ASSERT_EQ(a.tracks.size(), 3u);
  EXPECT_FALSE(a.tracks[0].enabled);
  EXPECT_TRUE(a.tracks[1].finished);
  EXPECT_TRUE(a.tracks[2].enabled);
  EXPECT_FALSE(a.tracks[2].finished);
}

TEST(CueList, LinksFireRecursivelyInOrder) {
  Animator a, b, c;
  AnimCueList first, second, third;
  first.bindAnimator(&a);
  second.bindAnimator(&b);
  third.bindAnimator(&c);
  third.addCue();
  third.addCueTrack(track(30, 0.0));
  second.addCue();
  second.addCue();
  second.addCueTrack(track(20, 0.0));
  second.addCueLink(&third, 0);
  first.addCue();
  first.addCueTrack(track(10, 0.0));
  first.addCueLink(&second, 1);
  first.fireCue(0);
  ASSERT_EQ(a.tracks.size(), 1u);
  ASSERT_EQ(b.tracks.size(), 1u);
  ASSERT_EQ(c.tracks.size(), 1u);
  EXPECT_EQ(b.tracks[0].id, 20);
  EXPECT_EQ(c.tracks[0].id, 30);
}

TEST(CueList, SelectCueAndAddsGoToTheCurrentCue) {
  Animator a;
  AnimCueList cues;
  cues.bindAnimator(&a);
  EXPECT_FALSE(cues.selectCue(0));
  cues.addCueTrack(track(1, 0.0));  // no cue yet: ignored
  cues.addCue();
  cues.addCue();
  EXPECT_EQ(cues.current, 1);
  EXPECT_TRUE(cues.selectCue(0));
  cues.addCueTrack(track(5, 0.0));
  EXPECT_EQ(cues.cueTracks[0].size(), 1u);
  EXPECT_TRUE(cues.cueTracks[1].empty());
  cues.cueEnabled[1] = 0;
  EXPECT_FALSE(cues.selectCue(1));
  EXPECT_EQ(cues.current, 0);
  cues.fireCue(1);  // a disabled cue adds nothing
  cues.fireCue(7);  // nor does one that does not exist
  EXPECT_TRUE(a.tracks.empty());
}

TEST(CueList, LinkCycleFiresEachCueOnce) {
  Animator a, b;
  AnimCueList first, second;
  first.bindAnimator(&a);
  second.bindAnimator(&b);
  first.addCue();
  first.addCueTrack(track(1, 0.0));
  second.addCue();
  second.addCueTrack(track(2, 0.0));
  first.addCueLink(&second, 0);
  second.addCueLink(&first, 0);
  first.fireCue(0);
  EXPECT_EQ(a.tracks.size(), 1u);
  EXPECT_EQ(b.tracks.size(), 1u);
  first.fireCue(0);  // the guard is cleared after each firing
  EXPECT_EQ(a.tracks.size(), 2u);
}
