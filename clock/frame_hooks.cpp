// Frame hooks: depth test, lighting and billboard state around a node.
#include "clock/frame_hooks.h"

#include <GL/gl.h>

#include "anim/frame_callback.h"

void depthOffCallback(int32_t phase, int32_t) {
  if (phase == PhaseBeforeMeshes || phase == PhaseBeforeChild)
    glDisable(GL_DEPTH_TEST);
  else if (phase == PhaseAfterMeshes || phase == PhaseAfterChild)
    glEnable(GL_DEPTH_TEST);
}

void lightingOffCallback(int32_t phase, int32_t) {
  if (phase == PhaseBeforeMeshes)
    glDisable(GL_LIGHTING);
  else if (phase == PhaseAfterMeshes)
    glEnable(GL_LIGHTING);
}

void billboardCallback(int32_t phase, int32_t) {
  if (phase == PhaseBeforeMeshes) {
    glPushMatrix();
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    // Upper-left 3x3 block to identity (column-major 0..2, 4..6, 8..10);
    // elements 3, 7, 11 and the translation 12..15 stay.
    static const int block[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int i = 0; i < 9; ++i) m[block[i]] = (block[i] % 5 == 0) ? 1.0 : 0.0;
    glLoadMatrixd(m);
  } else if (phase == PhaseAfterMeshes) {
    glPopMatrix();
  }
}
