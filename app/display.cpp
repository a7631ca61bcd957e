// Display: opening SDL video with an OpenGL context and the initial GL state.
#include "app/display.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "scene/projection.h"

#ifndef GL_MULTISAMPLE
#define GL_MULTISAMPLE 0x809D
#endif
#ifndef GL_LIGHT_MODEL_COLOR_CONTROL
#define GL_LIGHT_MODEL_COLOR_CONTROL 0x81F8
#define GL_SEPARATE_SPECULAR_COLOR 0x81FA
#endif

Display::~Display() { SDL_Quit(); }

// A host ends the show with a terminate signal and expects it gone at once;
// the X server frees the window's GL resources, and the show writes nothing.
static void exitAtOnce(int) { std::_Exit(0); }

// Video cannot start: the fixed message with SDL's reason, then status 1.
[[noreturn]] static void exitVideoFailed(const char* what) {
  fprintf(stderr, "%s: %s\n", what, SDL_GetError());
  SDL_Quit();
  exit(1);
}

// The SDL 1.2 compatibility layer over SDL 2 numbers itself 1.2.50 and up;
// SDL 1.2 itself ended at 1.2.15.
static bool overSdl2() {
  const SDL_version* v = SDL_Linked_Version();
  return v->major == 1 && v->minor == 2 && v->patch >= 50;
}

// Settings of the layer over SDL 2, which SDL 1.2 ignores. The layer draws
// GL into a texture of the mode's size that it scales to the window it
// believes it made: without a window manager a full-screen window of a mode
// the screen lacks keeps the mode's size and shows a shifted part of that,
// and a host's window that grows shows only its old size. Drawn directly,
// the show fills its window as under SDL 1.2. Neither starts a message bus.
static void prepareVideoLayer() {
  if (!std::getenv("SDL12COMPAT_OPENGL_SCALING")) platform::putEnvironment("SDL12COMPAT_OPENGL_SCALING=0");
  platform::useOnlyRunningSessionBus();
}

// Whether SDL's driver of this name shows the picture on a screen.
static bool displayDriver(const char* name) {
  for (const char* const* d = platform::displayVideoDrivers; *d; ++d) {
    size_t i = 0;
    while (name[i] &&
           std::tolower(static_cast<unsigned char>(name[i])) == std::tolower(static_cast<unsigned char>((*d)[i])))
      ++i;
    if (!name[i] && !(*d)[i]) return true;
  }
  return false;
}

[[noreturn]] static void refuseDriver(const char* name) {
  SDL_SetError("SDL's video driver \"%s\" shows nothing on a screen", name);
  exitVideoFailed("Video initialization failed");
}

static char driverAssignment[64];

// Where no screen answers, SDL falls back to drivers that show nothing (a
// text terminal, which also writes escape codes to it, or an off-screen
// one, which runs on unseen): only the display drivers are tried, in their
// order, or the one the user names. The first refusal says most.
static void startDisplayDriver() {
  const char* named = std::getenv("SDL_VIDEODRIVER");
  if (named && *named) {
    if (!displayDriver(named)) refuseDriver(named);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) exitVideoFailed("Video initialization failed");
  } else {
    std::string firstRefusal;
    const char* const* d = platform::displayVideoDrivers;
    for (; *d; ++d) {
      snprintf(driverAssignment, sizeof driverAssignment, "SDL_VIDEODRIVER=%s", *d);
      platform::putEnvironment(driverAssignment);
      // The layer over SDL 2 can report success for a second try that did
      // not start video.
      if (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_WasInit(SDL_INIT_VIDEO)) break;
      if (firstRefusal.empty()) firstRefusal = std::string(*d) + ": " + SDL_GetError();
      SDL_Quit();
    }
    if (!*d) {
      SDL_SetError("%s", firstRefusal.empty() ? "no display driver" : firstRefusal.c_str());
      exitVideoFailed("Video initialization failed");
    }
  }
  char name[32] = "";
  SDL_VideoDriverName(name, sizeof name);
  if (!displayDriver(name)) refuseDriver(name);
}

// Hidden by a cursor of no pixels rather than by SDL_ShowCursor where the
// platform says so: the layer over SDL 2 takes a hidden cursor in a grabbed
// full-screen window for relative mouse mode, which hears only devices that
// move relatively, so an absolute pointer (a tablet, a remote desktop's or a
// virtual machine's) would never end the show.
static void hideCursor() {
  if (!platform::blankCursor) {
    SDL_ShowCursor(0);
    return;
  }
  static Uint8 noPixels[8] = {};
  static SDL_Cursor* blank = SDL_CreateCursor(noPixels, noPixels, 8, 8, 0, 0);
  if (blank) SDL_SetCursor(blank);
}

// SDL 1.2 draws into a host's window through a child window of its own,
// which takes a new size only when the mode is set again. The layer over
// SDL 2 draws into the host's window itself, which has its new size
// already, and setting the mode again would replace the GL context and
// leave the window black for good.
static bool setModeOnResize(DisplayTarget target) {
  return target == TargetDesktopWindow || (target == TargetHostWindow && !overSdl2());
}

void Display::startVideo() {
  prepareVideoLayer();
  startDisplayDriver();
  // SDL turns SIGINT and SIGTERM into a quit event, which the full-screen
  // show ignores like any close request; a terminate signal must still end
  // the process.
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, target == TargetFullScreen ? SIG_DFL : exitAtOnce);
}

void Display::open(int w, int h, int d) {
  target = TargetFullScreen;
  startVideo();
  const SDL_VideoInfo* info = SDL_GetVideoInfo();
  if (w == 0 && h == 0 && d == 0) {
    width = info->current_w;
    height = info->current_h;
    depth = info->vfmt->BitsPerPixel;
  } else {
    width = w;
    height = h;
    depth = d;
  }

  Uint32 flags = SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT;
  if (info->blit_hw) flags |= SDL_HWACCEL;
  setMode(flags);
  hideCursor();
}

// Names written into the environment must outlive the process.
static char windowIdAssignment[40];
const char allowScreensaver[] = "SDL_VIDEO_ALLOW_SCREENSAVER=1";

void Display::openInWindow(unsigned long windowId) {
  target = TargetHostWindow;
  if (!platform::watchHostWindow(windowId, width, height)) {
    fprintf(stderr, "No window 0x%lx to draw into\n", windowId);
    exit(0);
  }
  // SDL draws into the window named here; the compatibility layer over
  // SDL 2 also needs to be told that the foreign window takes OpenGL. The
  // host, not the show, decides when the screen may blank.
  snprintf(windowIdAssignment, sizeof windowIdAssignment, "SDL_WINDOWID=%lu", windowId);
  platform::putEnvironment(windowIdAssignment);
  platform::putEnvironment("SDL_VIDEO_FOREIGN_WINDOW_OPENGL=1");
  platform::putEnvironment(allowScreensaver);
  startVideo();
  depth = SDL_GetVideoInfo()->vfmt->BitsPerPixel;
  setMode(SDL_OPENGL);
  platform::endWithHostWindow();
}

void Display::openDesktopWindow(int w, int h) {
  target = TargetDesktopWindow;
  platform::putEnvironment(allowScreensaver);
  startVideo();
  width = w;
  height = h;
  depth = SDL_GetVideoInfo()->vfmt->BitsPerPixel;
  setMode(SDL_OPENGL | SDL_RESIZABLE);
  SDL_WM_SetCaption("Orvel Kite", "Orvel Kite");
  hideCursor();
}

static bool softwareRenderer();

void Display::setGlAttributes(int samples) {
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, samples > 0 ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, samples);
  SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
  // Swaps wait for the screen's refresh where the driver can do that; frames
  // the screen cannot show only cost power.
  SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
}

void Display::setMode(unsigned int flags) {
  videoFlags = flags;
  setGlAttributes(4);

  bool modeSet = SDL_SetVideoMode(width, height, 32, flags) != nullptr;
  const bool multisampled = modeSet && !setModeAgainWithoutSamples(flags, modeSet);
  if (!modeSet) {
    // A display without 4-sample multisampling still runs, without it.
    startOverWithOneSample();
    // Any visual: SDL 2 takes 0 for "software visuals only" and finds none
    // on a GPU or on llvmpipe.
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, -1);
    if (SDL_SetVideoMode(width, height, 32, flags) == nullptr) exitVideoFailed("Video mode set failed");
  }

  softwareRendered = softwareRenderer();
  applyInitialGlState(multisampled);
  fitView();
}

void Display::fitView() {
  setProjection(width, height);
  // A full-screen window or the root spanning several monitors keeps the
  // overlays on the primary one, where the user looks.
  int area[4];
  if (target != TargetDesktopWindow && platform::primaryMonitorArea(width, height, area))
    setOverlayArea(area[0], area[1], area[2], area[3]);
  else
    setOverlayArea(0, 0, width, height);
}

bool Display::followHostWindow() {
  if (target != TargetHostWindow) return true;
  int w, h;
  platform::HostWindowChange change = platform::pollHostWindow(w, h);
  if (change == platform::HostGone) return false;
  if (change == platform::HostResized) resize(w, h);
  return true;
}

bool Display::resize(int w, int h) {
  if (w < 1 || h < 1 || (w == width && h == height)) return false;
  width = w;
  height = h;
  // SDL keeps its GL window inside the desktop window and resizes it only
  // when asked; on X11 the GL context and its textures stay.
  if (setModeOnResize(target)) SDL_SetVideoMode(width, height, 32, videoFlags);
  fitView();
  return true;
}

// A renderer that runs on the CPU: Mesa's, or Windows' own GL 1.1.
static bool softwareRenderer() {
  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  for (const char* known : {"llvmpipe", "softpipe", "Software Rasterizer", "GDI Generic"})
    if (renderer && std::strstr(renderer, known)) return true;
  return false;
}

void Display::startOverWithOneSample() {
  SDL_Quit();
  startVideo();
  setGlAttributes(0);
}

bool Display::setModeAgainWithoutSamples(unsigned int flags, bool& modeSet) {
  if (!platform::singleSampleRestart || !softwareRenderer()) return false;
  // The renderer is known only now that a context exists. On the CPU every
  // sample is paid for, in the clear and the resolve even while
  // GL_MULTISAMPLE is off, so the mode is set again with one sample a pixel.
  startOverWithOneSample();
  modeSet = SDL_SetVideoMode(width, height, 32, flags) != nullptr;
  return true;
}

void Display::applyInitialGlState(bool multisampled) {
  // GL starts with GL_MULTISAMPLE on: a software renderer that still has
  // samples (the mode could not be set again) would pay for every one.
  if (multisampled && !softwareRenderer())
    glEnable(GL_MULTISAMPLE);
  else
    glDisable(GL_MULTISAMPLE);
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(0, 0, 0, 0);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glAlphaFunc(GL_GREATER, 0.9f);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (extensions && std::strstr(extensions, "GL_EXT_separate_specular_color"))
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnable(GL_TEXTURE_2D);
}

int Display::setProjection(int w, int h) {
  applyProjection(w, h, viewNearCorner);
  return 1;
}

double Display::viewEdgeX(double z) const { return viewEdgeAt(viewNearCorner, 0, z); }

double Display::viewEdgeY(double z) const { return viewEdgeAt(viewNearCorner, 1, z); }

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
