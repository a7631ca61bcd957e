// Display: the OpenGL window through SDL 1.2 (full screen, another
// program's window, or a window on the desktop), the GL state every other
// unit draws under, and the view geometry for placing things at the
// screen's edges (the perspective itself is scene/projection.h).
#pragma once

// Where the show draws.
enum DisplayTarget { TargetFullScreen, TargetHostWindow, TargetDesktopWindow };

// Tells SDL to leave screen blanking to the host or the system.
extern const char allowScreensaver[];

class Display {
 public:
  ~Display();  // ends SDL

  // Opens the full-screen window; all zero means the desktop's current
  // mode. Prints a message and ends the process with status 1 when video
  // cannot start.
  void open(int width, int height, int depth);
  // Draws into another program's window (0: the root window) at its size:
  // no mode change, no grab, no cursor change. Ends the process with
  // status 0 when there is no such window.
  void openInWindow(unsigned long windowId);
  // A resizable window on the desktop, for trying the show.
  void openDesktopWindow(int width, int height);

  // The host window's notices, once per frame: follows its size; false
  // once it has gone.
  bool followHostWindow();
  // Takes a new window size: the mode (for the desktop window), the
  // projection and the view edges. True when the size changed.
  bool resize(int width, int height);

  // The fixed GL state of the show, in its order; GL_MULTISAMPLE first, on
  // when the multisampled mode was granted and the renderer is not
  // software, off otherwise.
  static void applyInitialGlState(bool multisampled);

  // Viewport, perspective and viewNearCorner for a window of this size.
  int setProjection(int width, int height);
  // x of the left view edge and y of the bottom view edge at eye-space z.
  double viewEdgeX(double z) const;
  double viewEdgeY(double z) const;

  // The part of the window the overlays stand in, from its top-left corner
  // in pixels: the whole window, or on a screen of several monitors the
  // primary one. The edges below are those of that part.
  void setOverlayArea(int x, int y, int areaWidth, int areaHeight);
  double overlayLeftX(double z) const;
  double overlayRightX(double z) const;
  double overlayBottomY(double z) const;
  double overlayTopY(double z) const;

  double viewNearCorner[3] = {0, 0, 0};
  int width = 0;
  int height = 0;
  int depth = 0;
  DisplayTarget target = TargetFullScreen;
  // GL runs on the CPU (Mesa's llvmpipe, softpipe or swrast, Windows' own
  // GL 1.1): one sample a pixel, and a lower default frame rate.
  bool softwareRendered = false;
  // Left, bottom, right, top of the overlay area in normalised device
  // coordinates (-1 to 1 across the window).
  double overlayArea[4] = {-1, -1, 1, 1};

 private:
  unsigned int videoFlags = 0;  // of the mode set, for setting it again at a new size
  void startVideo();
  void setMode(unsigned int flags);
  // The attributes of the GL window, with this many samples a pixel.
  void setGlAttributes(int samples);
  // SDL ended and started again, whole, with one-sample attributes: SDL keeps
  // a same-size GL window and its samples, and the layer over SDL 2 sets no
  // mode after a refused one, nor starts video alone again with a driver
  // named.
  void startOverWithOneSample();
  // After a multisampled mode was set: on a software renderer, starts video
  // again and sets the mode without samples (modeSet says whether that
  // worked), and returns true.
  bool setModeAgainWithoutSamples(unsigned int flags, bool& modeSet);
  void fitView();
};
