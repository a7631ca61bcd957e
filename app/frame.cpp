// Frame: fog, the procedural textures, both roots and the deferred pass.
#include "app/frame.h"

#include <GL/gl.h>

#include "app/globals.h"
#include "dyntex/dynamic_texture_manager.h"
#include "scene/deferred_meshes.h"
#include "scene/scene_node.h"

void drawFrame(uint32_t tick) {
  frameTick = tick;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glTranslatef(0, 0, -100);

  // Set again every frame: the overlay turns fog off after the scene.
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
}
