// Frame pacer: a schedule of frame slots in whole milliseconds.
#include "app/frame_pacer.h"

FramePacer::FramePacer(Clock clock, Sleep sleep) : clock(clock), sleep(sleep) {}

int FramePacer::rateFor(uint32_t maxFps, int refreshRate, bool softwareRendered) {
  const int cap = maxFps == rendererDefault    ? (softwareRendered ? softwareRate : defaultRate)
                  : maxFps > uint32_t(maxRate) ? maxRate
                                               : int(maxFps);
  const bool believable = refreshRate >= 20 && refreshRate <= 500;
  if (cap == 0 || !believable) return cap;
  return refreshRate < cap ? refreshRate : cap;
}

void FramePacer::setRate(int fps) {
  framesPerSecond = fps <= 0 ? 0 : fps > maxRate ? maxRate : fps;
  restart();
}

void FramePacer::restart() {
  anchor = clock();
  slot = 0;
}

uint32_t FramePacer::offsetOf(uint32_t n) const { return (n * 1000 + framesPerSecond - 1) / framesPerSecond; }

void FramePacer::waitForNextFrame() {
  if (framesPerSecond == 0) return;
  const uint32_t now = clock();
  // Unsigned difference: right across a wrap of the tick counter.
  const uint32_t elapsed = now - anchor;
  if (elapsed < offsetOf(slot + 1)) {
    ++slot;
    sleep(offsetOf(slot) - elapsed);
  } else if (elapsed < 1000) {
    // Late: the next frame starts now, in the slot that holds this moment,
    // and the frames after it keep to the schedule.
    slot = elapsed * framesPerSecond / 1000;
  } else {
    // A second or more behind (a long frame, a stopped process): start a
    // new schedule rather than racing through the missed frames.
    anchor = now;
    slot = 0;
  }
  if (slot >= framesPerSecond) {
    anchor += 1000;
    slot -= framesPerSecond;
  }
}
