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
#include "app/pixel_shift.h"
#include "app/settings.h"
#include "calendar/calendar.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/clock_builders.h"
#include "clock/clock_face.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"

// The anchors stand at the view's edges, each item's art a margin inside
// the edges of its corner: the same share of the overlay area's height for
// every item and every edge, so the layout keeps its balance at any aspect
// ratio (the vertical field of view is fixed, the horizontal one follows
// the width). The margin is at least twice the pixel shift's reach, so a
// shifted item keeps half of it and never leaves the area.
enum OverlayAnchor { CalendarAnchor, FpsAnchor, ClockAnchor, OverlayAnchorCount };
static SceneNode* anchorNodes[OverlayAnchorCount];
static double anchorPlaces[OverlayAnchorCount][3];
static const double overlayMargin = 0.03;

// Where each item stands: its eye depth, the corner, and how far its art
// reaches from the anchor towards that corner's two edges.
struct OverlayCorner {
  double depth;
  bool left, top;
  double reachX, reachY;
};
static OverlayCorner corners[OverlayAnchorCount] = {
    {240, false, true, calendarReachRight, calendarReachUp},
    {100, true, true, fpsReachLeft, fpsReachUp},
    {70, false, false, 0, 0},  // depth and reach from the clock's settings
};

static void edgePlace(int anchor, double place[3]) {
  const Display& d = *display;
  const OverlayCorner& c = corners[anchor];
  const double z = -c.depth;
  const double margin = overlayMargin * (d.overlayTopY(z) - d.overlayBottomY(z));
  place[0] = c.left ? d.overlayLeftX(z) + c.reachX + margin : d.overlayRightX(z) - c.reachX - margin;
  place[1] = c.top ? d.overlayTopY(z) - c.reachY - margin : d.overlayBottomY(z) + c.reachY + margin;
  // The frame puts the eye 100 units in front of the overlay root's origin.
  place[2] = 100 - c.depth;
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
  startCurve(overlayRoot, endlessTrack, delayedItemCurve, s.pixelShift ? 1 : 0);
  overlayRoot->addFrameCallback(depthOffCallback, 0);

  if (s.showFps) {
    SceneNode* fps = addAnchor(FpsAnchor);
    fps->loadMeshes("utils.pak", "fps");
    startCurve(fps, endlessTrack, fpsCurve);
  }
  if (s.showClock) {
    // The far clock is drawn at 70/170 of the near one's size.
    OverlayCorner& c = corners[ClockAnchor];
    c.depth = s.largeClock ? 70 : 170;
    clockReach(s.analogClock, s.clock24h ? TwentyFourHourClock : TwelveHourClock, c.reachX, c.reachY);
    SceneNode* clock = addAnchor(ClockAnchor);
    if (s.analogClock)
      startCurve(clock, oneShotTrack, buildAnalogClock);
    else
      startCurve(clock, oneShotTrack, buildDigitalClock, s.clock24h ? TwentyFourHourClock : TwelveHourClock);
  }
  // Every item glides with the pixel shift, beside its own tracks.
  if (s.pixelShift)
    for (int i = 0; i < OverlayAnchorCount; ++i)
      if (anchorNodes[i]) startPixelShift(anchorNodes[i], corners[i].depth);
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
