// Motion curves. The order of the floating-point operations is fixed (it
// decides the exact results), so each formula is written out as it is meant
// to be evaluated; 1000.0 turns milliseconds into seconds.
#include "anim/motion_curves.h"

#include <cmath>

#include "anim/anim_track.h"
#include "app/globals.h"
#include "scene/scene_node.h"

namespace {

// Adds v along the selected axis; any axis outside 0..2 adds nothing.
void translateAlong(Transform* t, int32_t axis, double v) {
  if (!t) return;
  if (axis == 0)
    t->translateBy(v, 0.0, 0.0);
  else if (axis == 1)
    t->translateBy(0.0, v, 0.0);
  else if (axis == 2)
    t->translateBy(0.0, 0.0, v);
}

void rotateAlong(Transform* t, int32_t axis, double v) {
  if (!t) return;
  if (axis == 0)
    t->rotateBy(v, 0.0, 0.0);
  else if (axis == 1)
    t->rotateBy(0.0, v, 0.0);
  else if (axis == 2)
    t->rotateBy(0.0, 0.0, v);
}

Transform* nodeTransform() { return currentNode ? &currentNode->transform : nullptr; }

}  // namespace

void curveExpire(int32_t) {
  if (currentTrack->elapsed > currentTrack->p1 && currentNode) currentNode->expire();
}

void curveSineMove(int32_t) {
  const AnimTrack* k = currentTrack;
  translateAlong(k->target, k->axis, std::sin(k->elapsed * k->p2 / 1000.0 + k->p3) * k->p1);
}

void curveLinearMove(int32_t) {
  const AnimTrack* k = currentTrack;
  translateAlong(k->target, k->axis, k->elapsed * k->p1 / 1000.0);
}

void curveLinearTurn(int32_t) {
  const AnimTrack* k = currentTrack;
  rotateAlong(k->target, k->axis, k->elapsed * k->p1 / 1000.0 + k->p2);
}

void curveSineTurn(int32_t) {
  const AnimTrack* k = currentTrack;
  rotateAlong(k->target, k->axis, std::sin(k->elapsed * k->p2 / 1000.0 + k->p3) * k->p1);
}

void curveExpApproach(int32_t) {
  const AnimTrack* k = currentTrack;
  translateAlong(k->target, k->axis, k->p1 * (1.0 - std::exp(k->elapsed / 1000.0 * k->p2)));
}

void curveDriftNode(int32_t) {
  AnimTrack* k = currentTrack;
  translateAlong(nodeTransform(), k->axis, k->elapsed * k->p1 / 1000.0);
  k->elapsed = 0.0;
}

void curveSpinNode(int32_t) {
  AnimTrack* k = currentTrack;
  rotateAlong(nodeTransform(), k->axis, k->elapsed * k->p1 / 1000.0 + k->p2);
  k->elapsed = 0.0;
}
