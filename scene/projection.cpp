// Camera projection and the view edges: one fixed 45-degree perspective, and
// the eye-space ray through the window's lower-left corner, from which the
// overlay items are placed at the screen's edges for any aspect ratio.
#include <GL/gl.h>
#include <GL/glu.h>

#include "app/display.h"

int Display::setProjection(int w, int h) {
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
  gluUnProject(0, 0, -1, modelView, projection, viewport, &viewNearCorner[0], &viewNearCorner[1], &viewNearCorner[2]);
  return 1;
}

double Display::viewEdgeX(double z) const { return viewNearCorner[0] * z / viewNearCorner[2]; }

double Display::viewEdgeY(double z) const { return viewNearCorner[1] * z / viewNearCorner[2]; }

void Display::setOverlayArea(int x, int y, int areaWidth, int areaHeight) {
  const double w = width > 0 ? width : 1;
  const double h = height > 0 ? height : 1;
  overlayArea[0] = 2.0 * x / w - 1.0;
  overlayArea[1] = 1.0 - 2.0 * (y + areaHeight) / h;
  overlayArea[2] = 2.0 * (x + areaWidth) / w - 1.0;
  overlayArea[3] = 1.0 - 2.0 * y / h;
}

// The view edges scale linearly across the window: a point at normalised
// x of n lies at -n times the left edge.
double Display::overlayLeftX(double z) const { return viewEdgeX(z) * -overlayArea[0]; }

double Display::overlayRightX(double z) const { return viewEdgeX(z) * -overlayArea[2]; }

double Display::overlayBottomY(double z) const { return viewEdgeY(z) * -overlayArea[1]; }

double Display::overlayTopY(double z) const { return viewEdgeY(z) * -overlayArea[3]; }
