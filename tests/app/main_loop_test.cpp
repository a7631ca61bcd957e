// The main loop and one frame, against the SDL and GL recorders: what ends
// the show, that frames go on until both roots are dead, the frame cap and
// the pause while the window is hidden, and the frame's order of work with
// its fog.
#include "app/main_loop.h"

#include <gtest/gtest.h>

#include "anim/animator.h"
#include "app/display.h"
#include "app/frame_pacer.h"
#include "app/globals.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"
#include "support/sdl_recorder.h"

namespace {

// A chain of `depth` nodes below a root; the root is returned.
SceneNode* chain(int depth) {
  SceneNode* root = new SceneNode;
  SceneNode* at = root;
  for (int i = 0; i < depth; ++i) {
    SceneNode* child = new SceneNode;
    at->addChild(child);
    at = child;
  }
  return root;
}

// Two roots, the settings and both recorders fresh; torn down by ~Show.
struct Show {
  Show(int sceneDepth, int overlayDepth, bool quitOnMouseMove) {
    resetProcessState();
    glrec::reset();
    sdlrec::reset();
    settings = new Settings;
    settings->quitOnMouseMove = quitOnMouseMove;
    display = new Display;  // full screen, not opened
    sceneRoot = chain(sceneDepth);
    overlayRoot = chain(overlayDepth);
  }
  ~Show() { shutDownShow(); }
};

bool endedAfterFirstFrame;
void noteEndThenEscape(int swaps) {
  if (swaps == 1) {
    endedAfterFirstFrame = sceneRoot->expired && overlayRoot->expired;
    sdlrec::pushKey(SDLK_ESCAPE);  // so that the loop ends either way
  }
}

}  // namespace

TEST(MainLoop, EscapeGoesOnDrawingUntilBothRootsAreDead) {
  // A root with a chain of n nodes below it is dead n + 1 frames after the
  // Escape, the deeper tree deciding.
  const struct { int sceneDepth, overlayDepth, frames; } cases[] = {{0, 0, 1}, {3, 1, 4}, {1, 3, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "scene depth " << c.sceneDepth << ", overlay depth " << c.overlayDepth);
    Show show(c.sceneDepth, c.overlayDepth, false);
    sdlrec::pushKey(SDLK_ESCAPE);
    runMainLoop();
    EXPECT_EQ(sdlrec::swaps(), c.frames);
    EXPECT_TRUE(sceneRoot->dead && overlayRoot->dead);
  }
}

TEST(MainLoop, OnlyEscapeAndLateMotionEndTheShow) {
  const struct {
    const char* what;
    Uint8 type;
    SDLKey key;
    Uint32 ticks;
    bool quitOnMouseMove, ends;
    int events = 1;
  } cases[] = {
      {"Escape", SDL_KEYDOWN, SDLK_ESCAPE, 0, false, true},
      {"another key", SDL_KEYDOWN, SDLK_a, 5000, true, false},
      {"the window-close request", SDL_QUIT, SDLK_UNKNOWN, 5000, true, false},
      {"a mouse button", SDL_MOUSEBUTTONDOWN, SDLK_UNKNOWN, 5000, true, false},
      {"motion at 3000 ms", SDL_MOUSEMOTION, SDLK_UNKNOWN, 3000, true, false, 2},
      {"motion at 3001 ms", SDL_MOUSEMOTION, SDLK_UNKNOWN, 3001, true, true, 2},
      {"the first report of where the pointer is", SDL_MOUSEMOTION, SDLK_UNKNOWN, 60000, true, false},
      {"motion without quitOnMouseMove", SDL_MOUSEMOTION, SDLK_UNKNOWN, 60000, false, false, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Show show(1, 1, c.quitOnMouseMove);
    sdlrec::setTicks(c.ticks);
    for (int i = 0; i < c.events; ++i) {
      if (c.type == SDL_KEYDOWN)
        sdlrec::pushKey(c.key);
      else
        sdlrec::pushEvent(c.type);
    }
    endedAfterFirstFrame = false;
    sdlrec::onSwap(noteEndThenEscape);
    runMainLoop();
    EXPECT_EQ(endedAfterFirstFrame, c.ends);
  }
}

namespace {
int framesInFirstSecond;
// Frames of 2 ms each; Escape at the first frame begun after one second.
void twoMillisecondFrames(int) {
  if (SDL_GetTicks() < 1000)
    ++framesInFirstSecond;
  else if (!sceneRoot->expired)
    sdlrec::pushKey(SDLK_ESCAPE);
  sdlrec::setTicks(SDL_GetTicks() + 2);
}

int idleChecks;
// The window comes back after five checks while hidden.
void showAfterFiveChecks(Uint32 ms) {
  if (ms == 100 && ++idleChecks == 5) sdlrec::pushActive(true);
}
void escapeAtOnce(int) { sdlrec::pushKey(SDLK_ESCAPE); }
}  // namespace

TEST(MainLoop, FramesPacedToTheCap) {
  // 20 frames a second is below any screen's rate, so the machine's own
  // screen does not change the answer.
  // A software renderer takes 30 unless a cap is given.
  const struct {
    uint32_t maxFps;
    bool software;
    int frames;
  } cases[] = {{20, false, 20}, {0, false, 500}, {FramePacer::rendererDefault, true, 30}, {40, true, 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "--max-fps=" << c.maxFps << (c.software ? " in software" : ""));
    Show show(0, 0, false);
    display->softwareRendered = c.software;
    settings->maxFps = c.maxFps;
    framesInFirstSecond = 0;
    sdlrec::onSwap(twoMillisecondFrames);
    runMainLoop();
    EXPECT_EQ(framesInFirstSecond, c.frames);
  }
}

// Runs with a fixed frame clock draw the same frames, whatever the machine.
TEST(Frame, AFixedFrameClockStepsWhateverTheRealClock) {
  Show show(1, 1, false);
  settings->frameClock = 40;
  sdlrec::setTicks(4321);
  renderFrame();
  EXPECT_EQ(frameTick, 40u);
  sdlrec::setTicks(9999);
  renderFrame();
  EXPECT_EQ(frameTick, 80u);
}

TEST(MainLoop, NothingDrawnWhileTheWindowIsHidden) {
  Show show(0, 0, false);
  settings->maxFps = 0;  // every delay is then an idle check
  sdlrec::pushActive(false);
  idleChecks = 0;
  sdlrec::onDelay(showAfterFiveChecks);
  sdlrec::onSwap(escapeAtOnce);
  runMainLoop();
  EXPECT_EQ(idleChecks, 5);
  // Nothing before the window came back; then the first frame and the one
  // that ends the show, both at 500 ms: animation time ran on meanwhile.
  EXPECT_EQ(sdlrec::swaps(), 2);
  EXPECT_EQ(frameTick, 500u);
}

namespace {
void markChildren(int32_t phase, int32_t value) {
  if (phase == 3) glrec::note(value == 1 ? "scene child" : "overlay child");
}
}  // namespace

TEST(Frame, TickClearFogSceneOverlaySwapInThisOrder) {
  Show show(1, 1, false);
  sceneRoot->addFrameCallback(markChildren, 1);
  overlayRoot->addFrameCallback(markChildren, 2);
  sdlrec::setTicks(4321);
  renderFrame();
  EXPECT_EQ(frameTick, 4321u);
  // Matrix pushes and pops of the node render aside, the frame is exactly:
  std::vector<std::string> frame;
  for (const std::string& c : glrec::calls())
    if (c != "glPushMatrix()" && c != "glPopMatrix()") frame.push_back(c);
  const std::vector<std::string> want = {
      "glClear(GL_COLOR_BUFFER_BIT|GL_DEPTH_BUFFER_BIT)",
      "glLoadIdentity()",
      "glTranslatef(0,0,-100)",
      "glFogi(GL_FOG_MODE,GL_EXP2)",
      "glFogfv(GL_FOG_COLOR,0.9,0.9,0.9,1)",
      "glFogf(GL_FOG_DENSITY,0.005)",
      "glHint(GL_FOG_HINT,GL_NICEST)",
      "glFogf(GL_FOG_START,3)",
      "glFogf(GL_FOG_END,20)",
      "glEnable(GL_FOG)",
      "scene child",
      "glDisable(GL_FOG)",
      "overlay child",
      "glDepthMask(GL_FALSE)",  // the deferred meshes' pass, empty here
      "glDepthMask(GL_TRUE)",
      "SDL_GL_SwapBuffers()",
  };
  EXPECT_EQ(frame, want) << glrec::dump();
}
