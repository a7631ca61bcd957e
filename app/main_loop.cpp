// Main loop: events, the frame, the buffer swap.
#include "app/main_loop.h"

#include <SDL/SDL.h>

#include "app/frame.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "scene/scene_node.h"

// Marks both roots expired; the tree then empties itself over a few frames.
static void endShow(bool& quitRequested) {
  quitRequested = true;
  sceneRoot->expire();
  overlayRoot->expire();
}

void runMainLoop() {
  bool quitRequested = false;
  while (!(quitRequested && sceneRoot->dead && overlayRoot->dead)) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
        endShow(quitRequested);
      } else if (event.type == SDL_MOUSEMOTION) {
        // SDL reports a motion soon after start even without input, so
        // motion counts only after the first three seconds.
        if (SDL_GetTicks() > 3000 && settings->quitOnMouseMove) endShow(quitRequested);
      }
      // Everything else, the window-close request included, is ignored: a
      // screensaver ends on the user's input only.
    }
    renderFrame();
  }
}

void renderFrame() {
  drawFrame(SDL_GetTicks());
  SDL_GL_SwapBuffers();
}
