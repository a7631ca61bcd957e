// Scene set-up: the fixed top of the scene graph for the default settings
// and for each overlay setting, the anchors' places at the view edges, and
// the archives an absent item never opens.
#include <gtest/gtest.h>

#include <cstdlib>

#include "anim/animator.h"
#include "anim/motion_curves.h"
#include "app/display.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "calendar/calendar.h"
#include "calendar/delayed_item.h"
#include "calendar/fps_overlay.h"
#include "clock/clock_builders.h"
#include "clock/clock_motion.h"
#include "clock/frame_hooks.h"
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
  ASSERT_EQ(1u, overlayRoot->frameCallbacks.size());
  EXPECT_EQ(&depthOffCallback, overlayRoot->frameCallbacks[0].function);

  ASSERT_EQ(2u, overlayRoot->children.size());  // calendar, clock; no fps
  SceneNode* calendar = overlayRoot->children[0];
  expectAt(calendar, -display->viewEdgeX(-211), display->viewEdgeY(183), -140);
  const AnimTrack& cal = onlyTrack(calendar);
  EXPECT_EQ(&buildCalendar, cal.callback);
  EXPECT_EQ(1, cal.axis);
  EXPECT_FALSE(cal.endless);
  EXPECT_EQ(-1.0, cal.duration);

  SceneNode* clock = overlayRoot->children[1];
  expectAt(clock, -display->viewEdgeX(-70), display->viewEdgeY(-70), 30);
  EXPECT_EQ(&buildDigitalClock, onlyTrack(clock).callback);
  EXPECT_EQ(0, onlyTrack(clock).axis);
  EXPECT_EQ(-1.0, onlyTrack(clock).duration);
  // Bottom right: x right of the centre, y below it.
  EXPECT_GT(clock->transform.position[0], 0);
  EXPECT_LT(clock->transform.position[1], 0);
  EXPECT_GT(calendar->transform.position[1], 0);

  // The first frame builds the items; the builders' tracks are gone after.
  frames(2);
  EXPECT_EQ(7u, clock->children.size());
  EXPECT_EQ(2u, calendar->children.size());
  EXPECT_TRUE(clock->animator.tracks.empty());
  EXPECT_FALSE(emitter->children.empty());
}

TEST_F(SceneSetupTest, EachSettingReachesItsAnchor) {
  showarchives::Folder archives;
  settings->showFps = true;
  settings->analogClock = true;
  settings->clock24h = true;  // no effect on the analog clock
  settings->largeClock = false;
  settings->russianCalendar = true;
  buildScene();
  ASSERT_EQ(3u, overlayRoot->children.size());
  EXPECT_EQ(0, onlyTrack(overlayRoot->children[0]).axis);  // Russian

  SceneNode* fps = overlayRoot->children[1];
  expectAt(fps, display->viewEdgeX(-100) + 5.0, -2.5 - display->viewEdgeY(-100), 0);
  EXPECT_EQ("fps", showarchives::entryShown(fps));
  EXPECT_EQ(&fpsCurve, onlyTrack(fps).callback);
  EXPECT_TRUE(onlyTrack(fps).endless);
  EXPECT_LT(fps->transform.position[0], 0);  // top left
  EXPECT_GT(fps->transform.position[1], 0);

  SceneNode* clock = overlayRoot->children[2];
  expectAt(clock, -display->viewEdgeX(-170), display->viewEdgeY(-170), -70);
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

TEST_F(SceneSetupTest, ANewWindowSizeMovesTheAnchorsAndKeepsTheBuildersOffsets) {
  showarchives::Folder archives;
  buildScene();
  frames(2);  // the clock's builder has moved its anchor by its own offset
  SceneNode* calendar = overlayRoot->children[0];
  SceneNode* clock = overlayRoot->children[1];
  const double offsetX = clock->transform.position[0] - -display->viewEdgeX(-70);
  const double offsetY = clock->transform.position[1] - display->viewEdgeY(-70);
  // Twice as wide, and the overlays on the right half only (a second monitor).
  display->width = 2048;
  display->setProjection(2048, 768);
  display->setOverlayArea(1024, 0, 1024, 768);
  placeOverlayAnchors();
  expectAt(clock, display->overlayRightX(-70) + offsetX, display->overlayBottomY(-70) + offsetY, 30);
  expectAt(calendar, -display->viewEdgeX(-211), display->viewEdgeY(183), -140);
  // A half-width area ends where the whole window does on its right.
  EXPECT_NEAR(display->overlayRightX(-70), -display->viewEdgeX(-70), 1e-12);
  EXPECT_NEAR(display->overlayLeftX(-100), 0, 1e-12);
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
