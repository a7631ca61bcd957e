// Scene set-up: the two roots and the fixed top of the scene graph. Under
// the fogged root the turning stage, the landscape and the snow emitter;
// under the overlay root an anchor per overlay item the settings ask for,
// each with a one-shot or endless track that builds or drives the item from
// the first frame on. Nothing of an item that is off is ever loaded.
#include "app/scene_setup.h"

#include <cstdlib>

#include "anim/motion_curves.h"
#include "app/display.h"
#include "app/globals.h"
#include "app/settings.h"
#include "calendar/calendar.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/clock_builders.h"
#include "clock/clock_face.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"

// The anchors stand at the view's edges. The items' builders move their
// anchor by an offset of their own, so a new window size moves each anchor
// by the change of its edge place alone.
enum OverlayAnchor { CalendarAnchor, FpsAnchor, ClockAnchor, OverlayAnchorCount };
static SceneNode* anchorNodes[OverlayAnchorCount];
static double anchorPlaces[OverlayAnchorCount][3];
static bool largeClockAnchor = true;

static void edgePlace(int anchor, double place[3]) {
  const Display& d = *display;
  if (anchor == CalendarAnchor) {
    place[0] = d.overlayRightX(-211);
    place[1] = d.overlayTopY(-183);
    place[2] = -140;
  } else if (anchor == FpsAnchor) {
    place[0] = d.overlayLeftX(-100) + 5.0;
    place[1] = -2.5 + d.overlayTopY(-100);
    place[2] = 0;
  } else if (largeClockAnchor) {
    place[0] = d.overlayRightX(-70);
    place[1] = d.overlayBottomY(-70);
    place[2] = 30;
  } else {
    place[0] = d.overlayRightX(-170);
    place[1] = d.overlayBottomY(-170);
    place[2] = -70;
  }
}

// A new anchor under the overlay root, at its edge place.
static SceneNode* addAnchor(int anchor) {
  SceneNode* node = new SceneNode;
  anchorNodes[anchor] = node;
  double* place = anchorPlaces[anchor];
  edgePlace(anchor, place);
  node->transform.setPosition(place[0], place[1], place[2]);
  overlayRoot->addChild(node);
  return node;
}

void placeOverlayAnchors() {
  for (int i = 0; i < OverlayAnchorCount; ++i) {
    if (!anchorNodes[i]) continue;
    double place[3];
    edgePlace(i, place);
    double* old = anchorPlaces[i];
    anchorNodes[i]->transform.translateBy(place[0] - old[0], place[1] - old[1], place[2] - old[2]);
    for (int k = 0; k < 3; ++k) old[k] = place[k];
  }
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
  startCurve(stage, endlessTrack, curveLinearTurn, 2, 4.0, startAngle, 0.0);
  sceneRoot->addChild(stage);

  SceneNode* landscape = new SceneNode;
  landscape->loadMeshes("main.pak", "scena");
  stage->addChild(landscape);

  SceneNode* emitter = new SceneNode;
  emitter->transform.setRotation(0, 270, 0);
  emitter->transform.setPosition(0, 0, 40);
  startCurve(emitter, endlessTrack, snowfallStep);
  landscape->addChild(emitter);

  for (SceneNode*& node : anchorNodes) node = nullptr;
  const Settings defaults;
  const Settings& s = settings ? *settings : defaults;
  if (s.showCalendar) {
    const CalendarLanguage language = s.russianCalendar ? CalendarRussian : CalendarEnglish;
    startCurve(addAnchor(CalendarAnchor), oneShotTrack, buildCalendar, language);
  }

  overlayRoot->transform.setPosition(0, 0, 0);
  startCurve(overlayRoot, endlessTrack, delayedItemCurve);
  overlayRoot->addFrameCallback(depthOffCallback, 0);

  if (s.showFps) {
    SceneNode* fps = addAnchor(FpsAnchor);
    fps->loadMeshes("utils.pak", "fps");
    startCurve(fps, endlessTrack, fpsCurve);
  }
  if (s.showClock) {
    largeClockAnchor = s.largeClock;
    SceneNode* clock = addAnchor(ClockAnchor);
    if (s.analogClock)
      startCurve(clock, oneShotTrack, buildAnalogClock);
    else
      startCurve(clock, oneShotTrack, buildDigitalClock, s.clock24h ? TwentyFourHourClock : TwelveHourClock);
  }
}

void shutDownShow() {
  delete settings;
  settings = nullptr;
  // The tree form also frees whatever still hangs below a root.
  deleteSceneTree(sceneRoot);
  sceneRoot = nullptr;
  deleteSceneTree(overlayRoot);
  overlayRoot = nullptr;
  delete display;
  display = nullptr;
}
