// Scene set-up: the fixed top of the scene graph for the default settings
// and for each overlay setting, the anchors' places at the view edges, and
// the archives an absent item never opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/display.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/pixel_shift.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "calendar/calendar.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/clock_builders.h"
#include "clock/clock_motion.h"
#include "clock/frame_hooks.h"
#include "scene/mesh.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

class SceneSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    glrec::setLogging(false);
    display = new Display;
    display->width = 1024;
    display->height = 768;
    display->setProjection(1024, 768);
    settings = new Settings;
    resetProcessState();
  }
  void TearDown() override {
    shutDownShow();
    glrec::setLogging(true);
  }

  void frames(int n) {
    for (int i = 0; i < n; ++i) {
      frameTick += 16;
      sceneRoot->render();
      overlayRoot->render();
    }
  }

  static const AnimTrack& onlyTrack(const SceneNode* n) {
    EXPECT_EQ(1u, n->animator.tracks.size());
    return n->animator.tracks.at(0);
  }

  // An overlay anchor's builder or driver, and after it its pixel shift at
  // the anchor's eye depth.
  static const AnimTrack& itemTrack(const SceneNode* n) {
    EXPECT_EQ(2u, n->animator.tracks.size());
    EXPECT_EQ(&pixelShiftCurve, n->animator.tracks.at(1).callback);
    EXPECT_EQ(100 - n->transform.position[2], n->animator.tracks.at(1).p1);
    return n->animator.tracks.at(0);
  }

  // How many pixels lie between the item's art and the overlay area's edges
  // of its corner: (art reaching reachX and reachY from the anchor).
  static void marginsOf(const SceneNode* n, double reachX, double reachY, bool left, bool top, double margins[2]) {
    const double z = -(100 - n->transform.position[2]);
    const double* p = n->transform.position;
    const double unitsPerPixelX = -display->viewEdgeX(z) / (display->width / 2.0);
    const double unitsPerPixelY = -display->viewEdgeY(z) / (display->height / 2.0);
    margins[0] =
        (left ? p[0] - reachX - display->overlayLeftX(z) : display->overlayRightX(z) - p[0] - reachX) / unitsPerPixelX;
    margins[1] =
        (top ? display->overlayTopY(z) - p[1] - reachY : p[1] - reachY - display->overlayBottomY(z)) / unitsPerPixelY;
  }

  static void expectAt(const SceneNode* n, double x, double y, double z) {
    EXPECT_NEAR(x, n->transform.position[0], 1e-9);
    EXPECT_NEAR(y, n->transform.position[1], 1e-9);
    EXPECT_NEAR(z, n->transform.position[2], 1e-9);
  }
};

}  // namespace

TEST_F(SceneSetupTest, DefaultsBuildCalendarAndLargeTwelveHourClock) {
  showarchives::Folder archives;
  snowDensity = snowSpeed = 7;
  srand(99);
  const double angle = rand() % 3600 / 10;
  srand(99);
  buildScene();
  EXPECT_EQ(50.0, snowDensity);
  EXPECT_EQ(50.0, snowSpeed);

  ASSERT_EQ(1u, sceneRoot->children.size());
  EXPECT_TRUE(sceneRoot->animator.tracks.empty());
  SceneNode* stage = sceneRoot->children[0];
  expectAt(stage, 0, 0, 10);
  EXPECT_EQ(-60.0, stage->transform.rotation[0]);
  const AnimTrack& turn = onlyTrack(stage);
  EXPECT_EQ(&curveLinearTurn, turn.callback);
  EXPECT_EQ(2, turn.axis);
  EXPECT_EQ(4.0, turn.p1);
  EXPECT_EQ(angle, turn.p2);
  EXPECT_EQ(angle, static_cast<int>(angle));
  EXPECT_TRUE(turn.endless);

  ASSERT_EQ(1u, stage->children.size());
  SceneNode* landscape = stage->children[0];
  EXPECT_EQ("scena", showarchives::entryShown(landscape));
  ASSERT_EQ(1u, landscape->children.size());
  SceneNode* emitter = landscape->children[0];
  expectAt(emitter, 0, 0, 40);
  EXPECT_EQ(270.0, emitter->transform.rotation[1]);
  EXPECT_FALSE(emitter->hasMeshes);
  EXPECT_EQ(&snowfallStep, onlyTrack(emitter).callback);
  EXPECT_TRUE(onlyTrack(emitter).endless);

  expectAt(overlayRoot, 0, 0, 0);
  EXPECT_EQ(&delayedItemCurve, onlyTrack(overlayRoot).callback);
  EXPECT_EQ(1, onlyTrack(overlayRoot).axis);  // the greeting glides too
  ASSERT_EQ(1u, overlayRoot->frameCallbacks.size());
  EXPECT_EQ(&depthOffCallback, overlayRoot->frameCallbacks[0].function);

  ASSERT_EQ(2u, overlayRoot->children.size());  // calendar, clock; no fps
  SceneNode* calendar = overlayRoot->children[0];
  EXPECT_EQ(-140, calendar->transform.position[2]);
  const AnimTrack& cal = itemTrack(calendar);
  EXPECT_EQ(&buildCalendar, cal.callback);
  EXPECT_EQ(1, cal.axis);
  EXPECT_FALSE(cal.endless);
  EXPECT_EQ(-1.0, cal.duration);

  SceneNode* clock = overlayRoot->children[1];
  EXPECT_EQ(30, clock->transform.position[2]);
  EXPECT_EQ(&buildDigitalClock, itemTrack(clock).callback);
  EXPECT_EQ(0, itemTrack(clock).axis);
  EXPECT_EQ(-1.0, itemTrack(clock).duration);
  // Bottom right: x right of the centre, y below it.
  EXPECT_GT(clock->transform.position[0], 0);
  EXPECT_LT(clock->transform.position[1], 0);
  EXPECT_GT(calendar->transform.position[1], 0);

  // The first frame builds the items; the builders' tracks are gone after.
  frames(2);
  EXPECT_EQ(7u, clock->children.size());
  EXPECT_EQ(2u, calendar->children.size());
  ASSERT_EQ(1u, clock->animator.tracks.size());  // the pixel shift goes on
  EXPECT_EQ(&pixelShiftCurve, clock->animator.tracks[0].callback);
  EXPECT_FALSE(emitter->children.empty());
}

TEST_F(SceneSetupTest, EachSettingReachesItsAnchor) {
  showarchives::Folder archives;
  settings->showFps = true;
  settings->analogClock = true;
  settings->clock24h = true;  // no effect on the analog clock
  settings->largeClock = false;
  settings->russianCalendar = true;
  settings->pixelShift = false;
  buildScene();
  ASSERT_EQ(3u, overlayRoot->children.size());
  EXPECT_EQ(0, onlyTrack(overlayRoot->children[0]).axis);  // Russian
  EXPECT_EQ(0, onlyTrack(overlayRoot).axis);               // a greeting that stays

  SceneNode* fps = overlayRoot->children[1];
  EXPECT_EQ(0, fps->transform.position[2]);
  EXPECT_EQ("fps", showarchives::entryShown(fps));
  EXPECT_EQ(&fpsCurve, onlyTrack(fps).callback);
  EXPECT_TRUE(onlyTrack(fps).endless);
  EXPECT_LT(fps->transform.position[0], 0);  // top left
  EXPECT_GT(fps->transform.position[1], 0);

  SceneNode* clock = overlayRoot->children[2];
  EXPECT_EQ(-70, clock->transform.position[2]);
  EXPECT_EQ(&buildAnalogClock, onlyTrack(clock).callback);
  frames(1);
  EXPECT_EQ(4u, clock->children.size());
  deleteSceneTree(sceneRoot);
  deleteSceneTree(overlayRoot);

  settings->analogClock = false;
  settings->largeClock = true;
  buildScene();
  EXPECT_EQ(&buildDigitalClock, onlyTrack(overlayRoot->children[2]).callback);
  EXPECT_EQ(1, onlyTrack(overlayRoot->children[2]).axis);
}

// The clock and the calendar stand the same number of pixels from each edge
// of their corners at every common aspect ratio (and on the primary monitor
// of two), more than the pixel shift can take away; small and analog clocks
// alike.
TEST_F(SceneSetupTest, MarginsAreBalancedAtEveryAspectRatio) {
  showarchives::Folder archives;
  const struct {
    int width, height;
    int areaX, areaWidth;  // the overlay area across the window
    bool analog, large;
  } rows[] = {
      {1024, 768, 0, 1024, false, true}, {1280, 1024, 0, 1280, true, true}, {1920, 1080, 0, 1920, false, false},
      {1280, 800, 0, 1280, false, true}, {640, 400, 0, 640, true, false},   {2048, 768, 1024, 1024, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    display->width = row.width;
    display->height = row.height;
    display->setProjection(row.width, row.height);
    display->setOverlayArea(row.areaX, 0, row.areaWidth, row.height);
    settings->analogClock = row.analog;
    settings->largeClock = row.large;
    buildScene();
    const SceneNode* calendar = overlayRoot->children[0];
    const SceneNode* clock = overlayRoot->children[1];
    double clockRight, clockDown, calendarMargins[2], clockMargins[2];
    clockReach(row.analog, TwelveHourClock, clockRight, clockDown);
    marginsOf(calendar, calendarReachRight, calendarReachUp, false, true, calendarMargins);
    marginsOf(clock, clockRight, clockDown, false, false, clockMargins);
    const double margin = 0.03 * row.height;
    for (double m : {calendarMargins[0], calendarMargins[1], clockMargins[0], clockMargins[1]}) {
      EXPECT_NEAR(margin, m, 1e-6);
      EXPECT_GT(m, pixelShiftReach(row.areaWidth, row.height) + 4);
    }
    deleteSceneTree(sceneRoot);
    deleteSceneTree(overlayRoot);
    sceneRoot = overlayRoot = nullptr;
  }
}

// The builders leave their anchor where it stands: the clock's plate is
// drawn in the first frame where it is drawn in every later one, and a new
// window size moves the anchors by the change of their edges alone.
TEST_F(SceneSetupTest, TheClockStandsInPlaceFromItsFirstFrame) {
  showarchives::Folder archives;
  for (bool analog : {false, true}) {
    SCOPED_TRACE(analog ? "analog" : "digital");
    settings->analogClock = analog;
    buildScene();
    SceneNode* clock = overlayRoot->children[1];
    drawFrame(frameTick + 16);  // the first: the builder runs in it
    ASSERT_FALSE(clock->children.empty());
    const Mesh* face = clock->children[0]->meshes.at(0);
    double first[16];
    std::copy(face->modelView, face->modelView + 16, first);
    drawFrame(frameTick + 16);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(face->modelView[i], first[i], 1e-9) << "element " << i;
    double margins[2], right, down;
    clockReach(analog, TwelveHourClock, right, down);
    marginsOf(clock, right, down, false, false, margins);
    EXPECT_NEAR(0.03 * 768, margins[0], 1e-6);

    // Twice as wide, and the overlays on the right half only (a second monitor).
    display->width = 2048;
    display->setProjection(2048, 768);
    display->setOverlayArea(1024, 0, 1024, 768);
    placeOverlayAnchors();
    marginsOf(clock, right, down, false, false, margins);
    EXPECT_NEAR(0.03 * 768, margins[0], 1e-6);
    EXPECT_NEAR(0.03 * 768, margins[1], 1e-6);
    display->width = 1024;
    display->setProjection(1024, 768);
    display->setOverlayArea(0, 0, 1024, 768);
    deleteSceneTree(sceneRoot);
    deleteSceneTree(overlayRoot);
    sceneRoot = overlayRoot = nullptr;
  }
  // A half-width area ends where the whole window does on its right.
  display->width = 2048;
  display->setProjection(2048, 768);
  display->setOverlayArea(1024, 0, 1024, 768);
  EXPECT_NEAR(display->overlayRightX(-70), -display->viewEdgeX(-70), 1e-12);
  EXPECT_NEAR(display->overlayLeftX(-100), 0, 1e-12);
}

// Items at every depth move by the same pixels, the reach's share of the
// path, and not at all without the pixel shift.
TEST_F(SceneSetupTest, PixelShiftMovesEveryItemByTheSamePixels) {
  showarchives::Folder archives;
  display->width = 1024;
  display->height = 768;
  settings->showFps = true;
  for (bool on : {true, false}) {
    settings->pixelShift = on;
    buildScene();
    frameTick = 5 * pixelShiftPeriod;  // a place held, well off the centre
    frameTick += 60001;                // the greeting is there too
    drawFrame(frameTick);
    drawFrame(frameTick + 16);
    double shift[2];
    pixelShiftAt(frameTick, shift);
    const double reach = pixelShiftReach(1024, 768);
    ASSERT_EQ(4u, overlayRoot->children.size());
    for (const SceneNode* item : overlayRoot->children) {
      const double depth = 100 - item->transform.position[2];
      const double* moved = item->animator.offset.position;
      EXPECT_NEAR(on ? shift[0] * reach : 0, moved[0] / -display->viewEdgeX(-depth) * 512, 1e-9);
      EXPECT_NEAR(on ? shift[1] * reach : 0, moved[1] / -display->viewEdgeY(-depth) * 384, 1e-9);
    }
    EXPECT_GT(std::fabs(shift[0] * reach), 2);
    deleteSceneTree(sceneRoot);
    deleteSceneTree(overlayRoot);
    sceneRoot = overlayRoot = nullptr;
  }
}

TEST_F(SceneSetupTest, AllOverlaysOffOpenOnlyTheMainArchive) {
  // Only main.pak exists: opening any other archive would end the process.
  showarchives::Folder archives{{"main.pak"}};
  settings->showClock = false;
  settings->showCalendar = false;
  settings->showFps = false;
  buildScene();
  EXPECT_TRUE(overlayRoot->children.empty());
  EXPECT_EQ(1u, overlayRoot->animator.tracks.size());
  EXPECT_EQ(1u, overlayRoot->frameCallbacks.size());
  frames(30);
  frameTick += 60000;  // past the delayed item, which lives in main.pak
  frames(2);
  EXPECT_EQ(1u, overlayRoot->children.size());
  EXPECT_TRUE(showarchives::isOpen("main.pak"));
  EXPECT_FALSE(showarchives::isOpen("clock.pak"));
  EXPECT_FALSE(showarchives::isOpen("calendar.pak"));
  EXPECT_FALSE(showarchives::isOpen("utils.pak"));
}

TEST_F(SceneSetupTest, SameSeedSameStartAngle) {
  showarchives::Folder archives{{"main.pak"}};
  settings->showClock = settings->showCalendar = false;
  srand(1234567);
  buildScene();
  const double first = onlyTrack(sceneRoot->children[0]).p2;
  deleteSceneTree(sceneRoot);
  deleteSceneTree(overlayRoot);
  srand(1234567);
  buildScene();
  EXPECT_EQ(first, onlyTrack(sceneRoot->children[0]).p2);
  EXPECT_GE(first, 0);
  EXPECT_LE(first, 359);
}

// The show without SDL: the real frame at 16 ms steps through 20 s of
// snowfall, then the end of the show, which empties both roots within a few
// frames. Fog covers the scene root only.
TEST_F(SceneSetupTest, HeadlessRunOfTheRealFrame) {
  showarchives::Folder archives;
  settings->showFps = true;
  srand(1);
  buildScene();
  SceneNode* emitter = sceneRoot->children[0]->children[0]->children[0];
  for (int i = 0; i < 20000 / 16; ++i) drawFrame(frameTick + 16);
  EXPECT_GT(emitter->children.size(), 300u);  // the steady snowfall
  EXPECT_EQ(3u, overlayRoot->children.size());

  glrec::setLogging(true);
  glrec::clearCalls();
  drawFrame(frameTick + 16);
  ASSERT_FALSE(glrec::calls().empty());
  EXPECT_EQ(0, glrec::calls()[0].find("glClear("));
  const int fogOn = glrec::indexOf("glEnable(GL_FOG)");
  const int fogOff = glrec::indexOf("glDisable(GL_FOG)");
  ASSERT_GE(fogOn, 0);
  EXPECT_GT(fogOff, fogOn);
  EXPECT_EQ(1, glrec::count("glDisable(GL_FOG)"));
  glrec::setLogging(false);

  sceneRoot->expire();
  overlayRoot->expire();
  int frames = 0;
  for (; frames < 100 && !(sceneRoot->dead && overlayRoot->dead); ++frames) drawFrame(frameTick + 16);
  EXPECT_LT(frames, 10);
  EXPECT_TRUE(sceneRoot->children.empty());
  EXPECT_TRUE(overlayRoot->children.empty());
}
