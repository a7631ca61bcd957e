// Main loop and frame rendering.
#include "app/main_loop.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include "anim/animator.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "dyntex/dynamic_texture_manager.h"
#include "scene/deferred_meshes.h"
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
  frameTick = SDL_GetTicks();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glTranslatef(0, 0, -100);

  static const GLfloat fogColour[4] = {0.9f, 0.9f, 0.9f, 1.0f};
  glFogi(GL_FOG_MODE, GL_EXP2);
  glFogfv(GL_FOG_COLOR, fogColour);
  glFogf(GL_FOG_DENSITY, 0.005f);
  glHint(GL_FOG_HINT, GL_NICEST);
  glFogf(GL_FOG_START, 3.0f);
  glFogf(GL_FOG_END, 20.0f);
  glEnable(GL_FOG);

  // Procedural textures move with the frame clock.
  dynamicTextureManager.updateAll();
  sceneRoot->render();
  glDisable(GL_FOG);
  overlayRoot->render();
  flushDeferredMeshes();
  SDL_GL_SwapBuffers();
}
