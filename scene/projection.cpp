// Projection: the perspective and the ray through the window's lower-left
// corner, read back from GL so that it matches what GL draws.
#include "scene/projection.h"

#include <GL/gl.h>
#include <GL/glu.h>

void applyProjection(int w, int h, double nearCorner[3]) {
  if (h == 0) h = 1;
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, static_cast<float>(w) / static_cast<float>(h), 0.1f, 250.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  GLdouble modelView[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  gluUnProject(0, 0, -1, modelView, projection, viewport, &nearCorner[0], &nearCorner[1], &nearCorner[2]);
}

double viewEdgeAt(const double nearCorner[3], int axis, double z) { return nearCorner[axis] * z / nearCorner[2]; }
