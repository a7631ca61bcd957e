// Motion curves: the built-in track callbacks. Each reads `currentTrack`
// (elapsed ms, axis, p1..p3) and writes one component: offset curves add to
// the animator's offset (a position or angle as a function of time), node
// curves add to the transform of `currentNode` (a velocity: they reset
// elapsed after every call), curveExpire expires the node.
#pragma once

#include <cstdint>

void curveExpire(int32_t userValue);       // expire once elapsed > p1
void curveSineMove(int32_t userValue);     // p1 * sin(t * p2 + p3), translate
void curveLinearMove(int32_t userValue);   // t * p1, translate
void curveLinearTurn(int32_t userValue);   // t * p1 + p2, rotate
void curveSineTurn(int32_t userValue);     // p1 * sin(t * p2 + p3), rotate
void curveExpApproach(int32_t userValue);  // p1 * (1 - exp(t * p2)), translate
void curveDriftNode(int32_t userValue);    // t * p1 on the node, translate
void curveSpinNode(int32_t userValue);     // t * p1 + p2 on the node, rotate
