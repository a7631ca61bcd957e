// The deferred pass over the meshes collected during the scene walk.
#include "scene/deferred_meshes.h"

#include <GL/gl.h>

#include <cstddef>

#include "scene/mesh.h"

void flushDeferredMeshes() {
  glDepthMask(GL_FALSE);
  for (size_t i = 0; i < deferredMeshes.size(); ++i) deferredMeshes[i]->drawDeferred();
  glDepthMask(GL_TRUE);
  deferredMeshes.clear();
}
