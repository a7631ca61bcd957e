// Snowfall: spawn counting on the emitter's accumulator and the flake
// builder. The random draws and constants are part of the look of the show
// and must stay in this order and at these values.
#include "snow/snowfall.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "anim/anim_track.h"
#include "anim/motion_curves.h"
#include "scene/scene_node.h"

double snowDensity = 50.0;
double snowSpeed = 50.0;

double snowSpawnInterval(double density) {
  if (density >= 50.0) return (density - 50.0) * 25.0 / (-50.0) + 30.0;
  return (50.0 - density) * 70.0 / 50.0 + 30.0;
}

int32_t snowSpawnCount(double& elapsed, double interval) {
  if (!(elapsed > 0.0)) return 0;
  // A non-positive interval would never drain the accumulator.
  if (!(interval > 0.0)) {
    elapsed = 0.0;
    return 0;
  }
  int32_t n = 0;
  while (elapsed > 0.0) {
    ++n;
    elapsed -= interval;
  }
  return n;
}

double flakeLifetime(double speed) { return (100.0 - speed) * 18000.0 / 100.0 + 7000.0; }

int32_t snowBurstLimit() {
  const double interval = snowSpawnInterval(snowDensity);
  if (!(interval > 0.0)) return 0;
  return static_cast<int32_t>(std::ceil(flakeLifetime(snowSpeed) / interval));
}

static int r(int n) { return rand() % n; }

SceneNode* buildFlake() {
  const double s = snowSpeed;
  SceneNode* flake = new SceneNode;
  flake->loadMeshes("main.pak", "sn");
  const int z = r(100) - 50;
  const int y = r(100) - 50;
  flake->transform.setPosition(0, y, z);
  flake->transform.setScale(0.1, 0.1, 0.1);
  flake->cues.addCue();

  AnimTrack lifetime = AnimTrack(1, true, endlessTrack);
  lifetime.setCurve(curveExpire, flakeLifetime(s), 0, 0);
  flake->cues.addCueTrack(lifetime);

  AnimTrack fall = AnimTrack(1, true, endlessTrack);
  const int fallDraw = r(400) / 100;
  fall.setCurve(curveLinearMove, 0, s * 7.0 / (-100.0) - 4.5 + fallDraw, 0, 0);
  flake->cues.addCueTrack(fall);

  // Tumble about Z, Y, X; each axis draws its rate before its start angle.
  static const int32_t tumbleAxes[3] = {2, 1, 0};
  for (int i = 0; i < 3; ++i) {
    const int rate = r(500) / 10;
    const int angleDraw = r(1000);
    AnimTrack tumble = AnimTrack(1, true, endlessTrack);
    tumble.setCurve(curveLinearTurn, tumbleAxes[i], rate, 6.28318530717956 * angleDraw / 1000, 0);
    flake->cues.addCueTrack(tumble);
  }

  // Sway on X, Y, Z with fixed phases; amplitude drawn before speed.
  static const double swayPhases[3] = {0.0, 1.0, 1.57079632679489};
  for (int axis = 0; axis < 3; ++axis) {
    const int amplitude = r(20) / 10;
    const int speed = r(50) / 10;
    AnimTrack sway = AnimTrack(1, true, endlessTrack);
    sway.setCurve(curveSineMove, axis, amplitude, speed, swayPhases[axis]);
    flake->cues.addCueTrack(sway);
  }

  flake->cues.fireCue(0);
  return flake;
}

void snowfallStep(int32_t) {
  const int32_t spawned = snowSpawnCount(currentTrack->elapsed, snowSpawnInterval(snowDensity));
  const int32_t n = std::min(spawned, snowBurstLimit());
  SceneNode* emitter = currentNode;
  for (int32_t i = 0; i < n; ++i) emitter->addChild(buildFlake());
}
