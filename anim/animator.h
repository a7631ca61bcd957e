// Animator: runs a node's tracks once per frame. The tick difference since
// the last frame steps every track; the built-in curves write this frame's
// motion into `offset`, which is rebuilt from zero every frame and applied
// on top of the node's own transform.
#pragma once

#include <cstdint>
#include <vector>

#include "anim/anim_track.h"
#include "scene/transform.h"

// The one time base of all animation: the SDL ms tick taken at the start of
// each frame by the frame render; 0 before the first frame.
extern uint32_t frameTick;

class Animator {
 public:
  Animator();

  // Per-frame update: steps the tracks by the time since the last advance,
  // erases finished ones, and applies the offset to the modelview matrix.
  void advance();
  // Appends a copy aimed at this animator's offset. Safe to call from a
  // track callback during advance().
  void addTrack(const AnimTrack& track);
  void enableTracks(int32_t id);
  void disableTracks(int32_t id);
  void finishTracks(int32_t id);

  uint32_t currentTick;
  uint32_t previousTick;
  double speed = 1.0;
  Transform offset;
  std::vector<AnimTrack> tracks;
};
