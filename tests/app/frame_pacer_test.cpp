// Frame pacer against a fake millisecond clock: frames keep to the schedule
// (no drift from whole-millisecond sleeps), late frames are followed at once
// and lateness is not carried on.
#include "app/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t fakeNow;
int sleepCalls;

uint32_t fakeClock() { return fakeNow; }
void fakeSleep(uint32_t ms) {
  ++sleepCalls;
  fakeNow += ms;
}

// Runs frames of the given costs (the last one repeats) from tick `start`
// until `span` ms have passed; returns each frame's start, relative to start.
std::vector<uint32_t> runFrames(int rate, std::vector<uint32_t> costs, uint32_t span, uint32_t start = 0) {
  fakeNow = start;
  sleepCalls = 0;
  FramePacer pacer(fakeClock, fakeSleep);
  pacer.setRate(rate);
  std::vector<uint32_t> starts;
  for (size_t i = 0; fakeNow - start < span; ++i) {
    starts.push_back(fakeNow - start);
    fakeNow += costs[i < costs.size() ? i : costs.size() - 1];
    pacer.waitForNextFrame();
  }
  return starts;
}

}  // namespace

TEST(FramePacer, FramesPerSecondKeepTheRate) {
  struct Row {
    int rate;
    uint32_t frameCost;
    size_t framesInASecond;
  } rows[] = {
      {60, 2, 60},      // not 55: whole-millisecond sleeps must not drift
      {60, 0, 60},      //
      {60, 16, 60},     // a frame just inside the budget
      {60, 17, 59},     // a frame just past it: as fast as the frames go
      {144, 2, 144},    // a faster screen
      {30, 5, 30},      //
      {0, 2, 500},      // no cap: never sleeps
      {5000, 0, 1000},  // past the millisecond clock's limit
  };
  for (const Row& r : rows) {
    std::vector<uint32_t> starts = runFrames(r.rate, {r.frameCost}, 1000);
    EXPECT_EQ(starts.size(), r.framesInASecond) << "rate " << r.rate << ", frames of " << r.frameCost << " ms";
    if (r.rate == 0) {
      EXPECT_EQ(sleepCalls, 0);
    }
  }
  // Ten minutes later the schedule has not drifted by a single frame.
  EXPECT_EQ(runFrames(60, {2}, 600000).size(), 36000u);
}

TEST(FramePacer, LateFrameIsFollowedAtOnceWithoutCatchingUp) {
  // Frame 1 takes 40 ms: frame 2 starts at once, then the schedule goes on
  // at its next slot (50 ms) instead of squeezing in the two it missed.
  std::vector<uint32_t> starts = runFrames(60, {2, 40, 2}, 120);
  std::vector<uint32_t> want = {0, 17, 57, 67, 84, 100, 117};
  EXPECT_EQ(starts, want);

  // After a frame of two seconds, a new schedule starts from its end.
  starts = runFrames(60, {2, 2000, 2}, 2060);
  want = {0, 17, 2017, 2034, 2051};
  EXPECT_EQ(starts, want);
}

TEST(FramePacer, TickCounterWrapDoesNotStallOrBurst) {
  // The millisecond counter wraps after 49.7 days of uptime.
  std::vector<uint32_t> starts = runFrames(60, {2}, 1000, 0xFFFFFF00u);
  EXPECT_EQ(starts.size(), 60u);
  for (size_t i = 1; i < starts.size(); ++i) EXPECT_LE(starts[i] - starts[i - 1], 17u) << i;
}

TEST(FramePacer, TheCapOrTheScreensRateWhicheverIsLower) {
  const uint32_t byRenderer = FramePacer::rendererDefault;
  struct Row {
    uint32_t maxFps;
    int refreshRate;
    bool software;
    int rate;
  } rows[] = {
      {60, 0, false, 60},           // the screen does not tell
      {60, 50, false, 50},          // a slower screen
      {60, 144, false, 60},         // a faster one: the cap holds
      {144, 144, false, 144},       //
      {200, 0, false, 200},         // asked for, and nothing says otherwise
      {30, 60, false, 30},          //
      {0, 60, false, 0},            // no cap at all
      {60, 1, false, 60},           // not a screen's rate
      {60, 100000, false, 60},      //
      {byRenderer, 0, false, 60},   // not given: 60 on a GPU
      {byRenderer, 144, true, 30},  // and 30 where the CPU draws
      {byRenderer, 24, true, 24},   // a slower screen still counts
      {60, 144, true, 60},          // a given cap wins on any renderer
      {0, 60, true, 0},             //
  };
  for (const Row& r : rows)
    EXPECT_EQ(FramePacer::rateFor(r.maxFps, r.refreshRate, r.software), r.rate)
        << r.maxFps << " on " << r.refreshRate << (r.software ? " in software" : "");
}
