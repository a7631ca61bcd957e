// Display: the full-screen OpenGL window through SDL 1.2, the GL state every
// other unit draws under, and the view geometry for placing things at the
// screen's edges (setProjection and the view edges, scene/projection.cpp).
#pragma once

class Display {
 public:
  Display();
  ~Display();  // ends SDL

  // Opens the window; all zero means the desktop's current mode. Prints a
  // message and ends the process with status 1 when video cannot start.
  void open(int width, int height, int depth);

  // The fixed GL state of the show, in its order; GL_MULTISAMPLE first when
  // the multisampled mode was granted.
  static void applyInitialGlState(bool multisampled);

  // Viewport, perspective and viewNearCorner for a window of this size.
  int setProjection(int width, int height);
  // x of the left view edge and y of the bottom view edge at eye-space z.
  double viewEdgeX(double z) const;
  double viewEdgeY(double z) const;

  double viewNearCorner[3];
  int width;
  int height;
  int depth;
};

extern Display* display;
