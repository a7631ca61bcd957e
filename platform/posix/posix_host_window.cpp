// Linux host window: the window of another program the show draws into,
// watched on a connection of our own for its size, its mapping and its end;
// and the monitors of the X screen (XRandR): where the primary one lies and
// how fast it refreshes.
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/platform.h"

namespace {

// This unit's own state: the watching connection (null until the host
// window is watched), the window, its last known size and mapping, and
// whether an X error was seen on the connection.
Display* watcher = nullptr;
Window hostWindow = 0;
int hostWidth = 0;
int hostHeight = 0;
bool hostMapped = true;
bool watcherError = false;

int recordWatcherError(Display*, XErrorEvent*) {
  watcherError = true;
  return 0;
}

// The server has gone, and with it the window we drew into.
int endOnIOError(Display*) { _exit(0); }

bool hostGone() {
  watcherError = false;
  XWindowAttributes attrs;
  Status ok = XGetWindowAttributes(watcher, hostWindow, &attrs);
  XSync(watcher, False);
  return !ok || watcherError;
}

int endOnXError(Display* display, XErrorEvent* error) {
  if (display == watcher) return recordWatcherError(display, error);
  if (hostGone()) _exit(0);
  char text[160];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d.%d)\n", text, error->request_code, error->minor_code);
  _exit(1);
}

}  // namespace

namespace platform {

bool watchHostWindow(unsigned long& id, int& width, int& height) {
  if (id > UINT32_MAX) return false;
  if (!watcher) watcher = XOpenDisplay(nullptr);
  if (!watcher) return false;
  XErrorHandler old = XSetErrorHandler(recordWatcherError);
  XSetIOErrorHandler(endOnIOError);
  watcherError = false;
  Window window = id ? static_cast<Window>(id) : DefaultRootWindow(watcher);
  XWindowAttributes attrs;
  Status ok = XGetWindowAttributes(watcher, window, &attrs);
  if (ok) XSelectInput(watcher, window, StructureNotifyMask);
  XSync(watcher, False);
  XSetErrorHandler(old);
  if (!ok || watcherError) return false;
  hostWindow = window;
  hostWidth = attrs.width;
  hostHeight = attrs.height;
  hostMapped = attrs.map_state != IsUnmapped;
  id = window;
  width = hostWidth;
  height = hostHeight;
  return true;
}

HostWindowChange pollHostWindow(int& width, int& height) {
  if (!watcher) return HostUnchanged;
  bool resized = false;
  while (XPending(watcher)) {
    XEvent event;
    XNextEvent(watcher, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == hostWindow) return HostGone;
    if (event.type == UnmapNotify && event.xunmap.window == hostWindow) hostMapped = false;
    if (event.type == MapNotify && event.xmap.window == hostWindow) hostMapped = true;
    if (event.type == ConfigureNotify && event.xconfigure.window == hostWindow &&
        (event.xconfigure.width != hostWidth || event.xconfigure.height != hostHeight)) {
      hostWidth = event.xconfigure.width;
      hostHeight = event.xconfigure.height;
      resized = true;
    }
  }
  width = hostWidth;
  height = hostHeight;
  return resized ? HostResized : HostUnchanged;
}

bool hostWindowMapped() { return hostMapped; }

void endWithHostWindow() {
  XSetErrorHandler(endOnXError);
  XSetIOErrorHandler(endOnIOError);
}

bool primaryMonitorArea(int screenWidth, int screenHeight, int area[4]) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  int eventBase, errorBase, major = 0, minor = 0;
  bool found = false;
  const int screen = DefaultScreen(display);
  // Monitors came with XRandR 1.5.
  if (XRRQueryExtension(display, &eventBase, &errorBase) && XRRQueryVersion(display, &major, &minor) &&
      (major > 1 || (major == 1 && minor >= 5)) && DisplayWidth(display, screen) == screenWidth &&
      DisplayHeight(display, screen) == screenHeight) {
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, RootWindow(display, screen), True, &count);
    if (monitors && count > 1) {
      // Without a primary one, the first monitor stands in for it.
      int chosen = 0;
      for (int i = 0; i < count; ++i)
        if (monitors[i].primary) chosen = i;
      const XRRMonitorInfo& m = monitors[chosen];
      // Only a monitor inside the screen: the overlays must stay visible.
      if (m.x >= 0 && m.y >= 0 && m.width > 0 && m.height > 0 && m.x + m.width <= screenWidth &&
          m.y + m.height <= screenHeight) {
        area[0] = m.x;
        area[1] = m.y;
        area[2] = m.width;
        area[3] = m.height;
        found = true;
      }
    }
    if (monitors) XRRFreeMonitors(monitors);
  }
  XCloseDisplay(display);
  return found;
}

// The primary output's mode, else the first lit CRTC's: the show covers the
// whole X screen, and its corner items sit on the primary monitor.
static double crtcModeRate(Display* x, Window root) {
  XRRScreenResources* res = XRRGetScreenResourcesCurrent(x, root);
  if (!res) return 0;
  RRCrtc primary = 0;
  if (RROutput out = XRRGetOutputPrimary(x, root)) {
    if (XRROutputInfo* info = XRRGetOutputInfo(x, res, out)) {
      primary = info->crtc;
      XRRFreeOutputInfo(info);
    }
  }
  double rate = 0;
  for (int pass = 0; pass < 2 && rate == 0; ++pass) {
    for (int c = 0; c < res->ncrtc && rate == 0; ++c) {
      if (pass == 0 && res->crtcs[c] != primary) continue;
      XRRCrtcInfo* crtc = XRRGetCrtcInfo(x, res, res->crtcs[c]);
      if (!crtc) continue;
      for (int m = 0; m < res->nmode && crtc->mode != None; ++m) {
        const XRRModeInfo& mode = res->modes[m];
        if (mode.id != crtc->mode || mode.hTotal == 0 || mode.vTotal == 0) continue;
        double lines = mode.vTotal;
        if (mode.modeFlags & RR_Interlace) lines /= 2;
        if (mode.modeFlags & RR_DoubleScan) lines *= 2;
        rate = static_cast<double>(mode.dotClock) / (mode.hTotal * lines);
      }
      XRRFreeCrtcInfo(crtc);
    }
  }
  XRRFreeScreenResources(res);
  return rate;
}

int displayRefreshRate() {
  Display* x = XOpenDisplay(nullptr);
  if (!x) return 0;
  int event, error, major = 0, minor = 0;
  double rate = 0;
  if (XRRQueryExtension(x, &event, &error) && XRRQueryVersion(x, &major, &minor)) {
    Window root = DefaultRootWindow(x);
    if (major > 1 || (major == 1 && minor >= 3)) {
      rate = crtcModeRate(x, root);
    } else if (XRRScreenConfiguration* config = XRRGetScreenInfo(x, root)) {
      rate = XRRConfigCurrentRate(config);
      XRRFreeScreenConfigInfo(config);
    }
  }
  XCloseDisplay(x);
  return static_cast<int>(std::lround(rate));
}

}  // namespace platform
