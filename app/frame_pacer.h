// Frame pacer: keeps the main loop to a number of frames a second, so that
// the show draws no more frames than the screen can show. After each frame
// it sleeps until the next frame's place in a fixed schedule; a late frame
// is followed at once by the next and the schedule moves on without trying
// to catch up, so lateness never piles up. Time comes from plain function
// pointers (SDL_GetTicks and SDL_Delay in the show, a fake clock in tests).
#pragma once

#include <cstdint>

class FramePacer {
 public:
  typedef uint32_t (*Clock)();
  typedef void (*Sleep)(uint32_t milliseconds);

  // The show's frame cap unless told otherwise.
  static const int defaultRate = 60;
  // The same on a software renderer, where every frame is paid for on the
  // CPU; the scene turns slowly enough for it.
  static const int softwareRate = 30;
  // Highest rate the millisecond clock can pace.
  static const int maxRate = 1000;
  // A frame cap that was not given: the renderer's default above.
  static constexpr uint32_t rendererDefault = maxRate + 1;

  FramePacer(Clock clock, Sleep sleep);

  // The pace for a frame cap (0: none; rendererDefault: the default for a
  // software renderer or not) on a screen that tells this refresh rate (0:
  // not told): the cap, or the screen's rate where that is lower, since
  // frames the screen cannot show only cost power. A rate no screen has is
  // not believed.
  static int rateFor(uint32_t maxFps, int refreshRate, bool softwareRendered);

  // Frames per second; 0 (or less) switches pacing off, rates past maxRate
  // are taken as maxRate. Starts a new schedule.
  void setRate(int framesPerSecond);

  // Starts the schedule at the current time: call before the first frame
  // and after a pause in drawing.
  void restart();
  // Call after a frame: sleeps until the next frame is due, or returns at
  // once when it is already due.
  void waitForNextFrame();

 private:
  // Milliseconds from the anchor to the start of frame slot n (rounded up,
  // so that the rate is never exceeded).
  uint32_t offsetOf(uint32_t n) const;

  Clock clock;
  Sleep sleep;
  uint32_t framesPerSecond = 0;
  // The schedule: frame slot n starts offsetOf(n) after anchor. The anchor
  // moves on by whole seconds, so the numbers stay small and the tick
  // counter may wrap.
  uint32_t anchor = 0;
  uint32_t slot = 0;
};
