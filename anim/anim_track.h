// AnimTrack: a tiny timed process of a node's animation. It has its own
// millisecond clocks, three curve parameters, an axis selector, an optional
// duration and a callback (a MotionCurve) that it calls on every step.
// Plain value type: cues hold templates, animators hold running copies.
#pragma once

#include <cstdint>

#include "scene/transform.h"

// The callback of a track; it finds the track in `currentTrack` and the node
// in `currentNode`.
typedef void (*MotionCurve)(int32_t userValue);

class AnimTrack {
 public:
  // duration 0.0 makes the track endless; a negative one finishes it on its
  // first step (one-shot).
  AnimTrack(int32_t id, bool enabled, double duration);

  void setCallback(MotionCurve callback, int32_t userValue);
  void setCurve(MotionCurve callback, double p1, double p2, double p3);
  void setCurve(MotionCurve callback, int32_t axis, double p1, double p2, double p3);
  void setCurve(MotionCurve callback, int32_t axis, int32_t param, double p1, double p2, double p3);

  // Advances the clocks by dt ms and calls the callback; nothing at all while
  // disabled. The callback also runs on the step that finishes the track.
  void step(uint32_t dt);

  Transform* target = nullptr;  // the animator's offset, set by Animator::addTrack
  double elapsed = 0.0;         // the curve's clock, ms; node curves reset it
  int32_t axis = 0;
  int32_t param = 0;
  double p1 = 0.0, p2 = 0.0, p3 = 0.0;
  MotionCurve callback = nullptr;
  int32_t userValue = 0;
  int32_t id;
  bool enabled;
  bool endless;
  bool finished = false;
  double duration;     // ms, meaningful only when not endless
  double total = 0.0;  // ms run since the track was added
};

// The track whose callback runs: set by step just before the call, re-pointed
// by Animator::addTrack when the track moves; meaningful only inside a callback.
extern AnimTrack* currentTrack;
