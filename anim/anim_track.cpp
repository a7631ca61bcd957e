// AnimTrack: clocks and the per-step callback of one track.
#include "anim/anim_track.h"

AnimTrack* currentTrack = nullptr;

AnimTrack::AnimTrack(int32_t id, bool enabled, double duration)
    : id(id), enabled(enabled), endless(duration == 0.0), duration(duration == 0.0 ? 0.0 : duration) {}

void AnimTrack::setCallback(MotionCurve function, int32_t value) {
  callback = function;
  userValue = value;
}

void AnimTrack::setCurve(MotionCurve function, double a, double b, double c) {
  callback = function;
  userValue = 0;
  p1 = a;
  p2 = b;
  p3 = c;
}

void AnimTrack::setCurve(MotionCurve function, int32_t curveAxis, double a, double b, double c) {
  setCurve(function, a, b, c);
  axis = curveAxis;
}

void AnimTrack::setCurve(MotionCurve function, int32_t curveAxis, int32_t curveParam, double a, double b, double c) {
  setCurve(function, curveAxis, a, b, c);
  param = curveParam;
}

void AnimTrack::step(uint32_t dt) {
  if (!enabled) return;
  total += dt;
  if (!endless && !(duration > total)) finished = true;
  elapsed += dt;
  currentTrack = this;
  // Last statement on purpose: the callback may add tracks to the animator
  // that holds this one, which can move it (see Animator::addTrack).
  if (callback) callback(userValue);
}
