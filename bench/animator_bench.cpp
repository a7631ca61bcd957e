// Animator::advance of one snowflake-like node: eight tracks of the kinds a
// flake runs (one expiry, one fall, three tumbles, three sways), GL recorder
// as a null driver. Reports ns per node advance.
#include <benchmark/benchmark.h>

#include <vector>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/globals.h"
#include "support/gl_recorder.h"
#include "scene/scene_node.h"

namespace {

void addFlakeTracks(SceneNode* node) {
  Animator& a = node->animator;
  AnimTrack t(0, true, 0.0);
  t.setCurve(curveExpire, 1.0e9, 0, 0);  // never reached while measuring
  a.addTrack(t);
  t.setCurve(curveLinearMove, 1, -5.0, 0, 0);
  a.addTrack(t);
  for (int axis = 0; axis < 3; ++axis) {
    t.setCurve(curveLinearTurn, axis, 40.0 + axis, 10.0 * axis, 0);
    a.addTrack(t);
  }
  for (int axis = 0; axis < 3; ++axis) {
    t.setCurve(curveSineMove, axis, 1.5, 0.8 + axis, 0.3 * axis);
    a.addTrack(t);
  }
}

void BM_AnimatorAdvanceFlake(benchmark::State& state) {
  glrec::setLogging(false);
  glrec::reset();
  const int nodes = 256;
  std::vector<SceneNode*> flakes;
  for (int i = 0; i < nodes; ++i) {
    flakes.push_back(new SceneNode);
    addFlakeTracks(flakes.back());
  }
  for (auto _ : state) {
    frameTick += 16;
    for (SceneNode* n : flakes) {
      currentNode = n;
      glPushMatrix();
      n->animator.advance();
      glPopMatrix();
    }
  }
  state.SetItemsProcessed(state.iterations() * nodes);
  state.counters["ns_per_node"] =
      benchmark::Counter(static_cast<double>(state.iterations() * nodes),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  for (SceneNode* n : flakes) delete n;
  currentNode = nullptr;
  glrec::setLogging(true);
}

}  // namespace

BENCHMARK(BM_AnimatorAdvanceFlake);
