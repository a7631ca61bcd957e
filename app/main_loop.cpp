// Main loop: events, the frame, the buffer swap.
#include "app/main_loop.h"

#include <SDL/SDL.h>

#include "app/display.h"
#include "app/frame.h"
#include "app/frame_pacer.h"
#include "app/globals.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "scene/scene_node.h"

// Marks both roots expired; the tree then empties itself over a few frames.
static void endShow(bool& quitRequested) {
  quitRequested = true;
  sceneRoot->expire();
  overlayRoot->expire();
}

// A new window size: the view follows it, and the overlays with it while
// their anchors are still there.
static void followResize(bool resized, bool quitRequested) {
  if (resized && !quitRequested) placeOverlayAnchors();
}

// While the window cannot be seen, the loop looks for events this often.
static const Uint32 idleCheckMs = 100;

void runMainLoop() {
  bool quitRequested = false;
  bool visible = true;
  // SDL reports where the pointer is the first time it hears of it, also
  // when a window appears under a still pointer: that first report is no
  // movement. SDL drops reports of an unchanged position after it.
  bool pointerPlaced = false;
  FramePacer pacer(SDL_GetTicks, SDL_Delay);
  pacer.setRate(FramePacer::rateFor(settings->maxFps, platform::displayRefreshRate(), display->softwareRendered));
  while (!(quitRequested && sceneRoot->dead && overlayRoot->dead)) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
        endShow(quitRequested);
      } else if (event.type == SDL_MOUSEMOTION) {
        // SDL reports a motion soon after start even without input, so
        // motion counts only after the first three seconds.
        const bool moved = pointerPlaced;
        pointerPlaced = true;
        if (moved && SDL_GetTicks() > 3000 && settings->quitOnMouseMove) endShow(quitRequested);
      } else if (event.type == SDL_VIDEORESIZE) {
        followResize(display->resize(event.resize.w, event.resize.h), quitRequested);
      } else if (event.type == SDL_QUIT && display->target == TargetDesktopWindow) {
        // A window on the desktop closes like any other.
        endShow(quitRequested);
      } else if (event.type == SDL_ACTIVEEVENT && (event.active.state & SDL_APPACTIVE)) {
        // Our own window iconified or unmapped, and back; a host's window
        // is watched by the display.
        visible = event.active.gain != 0;
      }
      // Everything else, the full-screen show's close request included, is
      // ignored: a screensaver ends on the user's input only.
    }
    // The host's window is gone: nothing is left to draw into.
    const int oldWidth = display->width, oldHeight = display->height;
    if (!display->followHostWindow()) return;
    followResize(display->width != oldWidth || display->height != oldHeight, quitRequested);
    if (!(visible && platform::hostWindowMapped()) && !quitRequested) {
      // Nobody can see the show: draw nothing until the window is back.
      // Animation time simply runs on, as between any two frames.
      SDL_Delay(idleCheckMs);
      pacer.restart();
      continue;
    }
    renderFrame();
    // The frames that take the scene apart after Escape are not paced: the
    // show should be gone at once.
    if (!quitRequested) pacer.waitForNextFrame();
  }
}

void renderFrame() {
  const uint32_t step = settings->frameClock;
  drawFrame(step ? frameTick + step : SDL_GetTicks());
  SDL_GL_SwapBuffers();
}
