// Motion curves. The order of the floating-point operations is fixed (it
// decides the exact results), so each formula is written out as it is meant
// to be evaluated; 1000.0 turns milliseconds into seconds.
#include "anim/motion_curves.h"

#include <cmath>

#include "anim/anim_track.h"
#include "scene/scene_node.h"

namespace {

// Adds v along the selected axis with move (Transform::translateBy or
// rotateBy); any axis outside 0..2 adds nothing.
void moveAlong(Transform* t, void (Transform::*move)(double, double, double), int32_t axis, double v) {
  if (!t || axis < 0 || axis > 2) return;
  double by[3] = {0.0, 0.0, 0.0};
  by[axis] = v;
  (t->*move)(by[0], by[1], by[2]);
}

Transform* nodeTransform() { return currentNode ? &currentNode->transform : nullptr; }

}  // namespace

void curveExpire(int32_t) {
  if (currentTrack->elapsed > currentTrack->p1 && currentNode) currentNode->expire();
}

void curveSineMove(int32_t) {
  const AnimTrack* k = currentTrack;
  moveAlong(k->target, &Transform::translateBy, k->axis, std::sin(k->elapsed * k->p2 / 1000.0 + k->p3) * k->p1);
}

void curveLinearMove(int32_t) {
  const AnimTrack* k = currentTrack;
  moveAlong(k->target, &Transform::translateBy, k->axis, k->elapsed * k->p1 / 1000.0);
}

void curveLinearTurn(int32_t) {
  const AnimTrack* k = currentTrack;
  moveAlong(k->target, &Transform::rotateBy, k->axis, k->elapsed * k->p1 / 1000.0 + k->p2);
}

void curveSineTurn(int32_t) {
  const AnimTrack* k = currentTrack;
  moveAlong(k->target, &Transform::rotateBy, k->axis, std::sin(k->elapsed * k->p2 / 1000.0 + k->p3) * k->p1);
}

void curveExpApproach(int32_t) {
  const AnimTrack* k = currentTrack;
  moveAlong(k->target, &Transform::translateBy, k->axis, k->p1 * (1.0 - std::exp(k->elapsed / 1000.0 * k->p2)));
}

void curveDriftNode(int32_t) {
  AnimTrack* k = currentTrack;
  moveAlong(nodeTransform(), &Transform::translateBy, k->axis, k->elapsed * k->p1 / 1000.0);
  k->elapsed = 0.0;
}

void curveSpinNode(int32_t) {
  AnimTrack* k = currentTrack;
  moveAlong(nodeTransform(), &Transform::rotateBy, k->axis, k->elapsed * k->p1 / 1000.0 + k->p2);
  k->elapsed = 0.0;
}
