// Scene set-up: the two roots and the fixed top of the scene graph. Under
// the fogged root the turning stage, the landscape and the snow emitter;
// under the overlay root an anchor per overlay item the settings ask for,
// each with a one-shot or endless track that builds or drives the item from
// the first frame on. Nothing of an item that is off is ever loaded.
#include "app/scene_setup.h"

#include <cstdlib>

#include "anim/anim_track.h"
#include "anim/motion_curves.h"
#include "app/display.h"
#include "app/settings.h"
#include "calendar/calendar.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/clock_builders.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"

// Endless (0.0) or one-shot (-1.0) track, id 1, enabled.
static const double endless = 0.0;
static const double oneShot = -1.0;

static void addCallbackTrack(SceneNode* node, double duration, MotionCurve callback, int32_t value) {
  AnimTrack track(1, true, duration);
  track.setCallback(callback, value);
  startTrack(node, track);
}

static void addCurveTrack(SceneNode* node, double duration, MotionCurve curve, int32_t axis, double p1, double p2,
                          double p3) {
  AnimTrack track(1, true, duration);
  track.setCurve(curve, axis, p1, p2, p3);
  startTrack(node, track);
}

static void buildCalendarAnchor(const Settings& s) {
  SceneNode* anchor = new SceneNode;
  // Positive 183: the top edge at that depth.
  anchor->transform.setPosition(-display->viewEdgeX(-211), display->viewEdgeY(183), -140);
  addCurveTrack(anchor, oneShot, buildCalendar, s.russianCalendar ? 0 : 1, 0.0, 0.0, 0.0);
  overlayRoot->addChild(anchor);
}

static void buildFpsAnchor() {
  SceneNode* anchor = new SceneNode;
  anchor->transform.setPosition(display->viewEdgeX(-100) + 5.0, -2.5 - display->viewEdgeY(-100), 0);
  anchor->loadMeshes("utils.pak", "fps");
  addCallbackTrack(anchor, endless, fpsCurve, 0);
  overlayRoot->addChild(anchor);
}

static void buildClockAnchor(const Settings& s) {
  SceneNode* anchor = new SceneNode;
  if (s.largeClock)
    anchor->transform.setPosition(-display->viewEdgeX(-70), display->viewEdgeY(-70), 30);
  else
    anchor->transform.setPosition(-display->viewEdgeX(-170), display->viewEdgeY(-170), -70);
  if (s.analogClock)
    addCallbackTrack(anchor, oneShot, buildAnalogClock, 0);
  else
    addCurveTrack(anchor, oneShot, buildDigitalClock, s.clock24h ? 1 : 0, 0.0, 0.0, 0.0);
  overlayRoot->addChild(anchor);
}

void buildScene() {
  sceneRoot = new SceneNode;
  overlayRoot = new SceneNode;
  snowDensity = 50.0;
  snowSpeed = 50.0;

  SceneNode* stage = new SceneNode;
  stage->transform.setPosition(0, 0, 10);
  stage->transform.setRotation(-60, 0, 0);
  // A whole number of degrees, 0..359, from the process-wide generator.
  const double startAngle = static_cast<double>(rand() % 3600 / 10);
  addCurveTrack(stage, endless, curveLinearTurn, 2, 4.0, startAngle, 0.0);
  sceneRoot->addChild(stage);

  SceneNode* landscape = new SceneNode;
  landscape->loadMeshes("main.pak", "scena");
  stage->addChild(landscape);

  SceneNode* emitter = new SceneNode;
  emitter->transform.setRotation(0, 270, 0);
  emitter->transform.setPosition(0, 0, 40);
  addCallbackTrack(emitter, endless, snowfallStep, 0);
  landscape->addChild(emitter);

  const Settings defaults;
  const Settings& s = settings ? *settings : defaults;
  if (s.showCalendar) buildCalendarAnchor(s);

  overlayRoot->transform.setPosition(0, 0, 0);
  addCallbackTrack(overlayRoot, endless, delayedItemCurve, 0);
  overlayRoot->addFrameCallback(depthOffCallback, 0);

  if (s.showFps) buildFpsAnchor();
  if (s.showClock) buildClockAnchor(s);
}
