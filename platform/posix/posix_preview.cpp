// Linux preview window: an Xlib child of the X window whose id the dialog
// passes, covering the parent's area, painted point by point on every
// exposure until the parent goes away.
#include <unistd.h>

#include <X11/Xlib.h>

#include <cstdint>

#include "platform/platform.h"

namespace {

// A foreign window may vanish at any moment; its errors must not end the
// process the way Xlib's default handler would.
bool xErrorSeen = false;

int recordXError(Display*, XErrorEvent*) {
  xErrorSeen = true;
  return 0;
}

// The connection is gone (the server ended): the dialog is gone with it.
int endOnIOError(Display*) { _exit(0); }

// Draws points of 8-bit channels into the preview window, each channel
// mapped to a pixel value of the window's visual.
struct PreviewPainter {
  Display* display;
  Window window;
  GC gc;
  Colormap colormap;
  bool trueColor;
  unsigned long mask[3];
  int shift[3];
  int bits[3];
  bool haveForeground;
  unsigned long foreground;

  void init(Display* d, const XWindowAttributes& attrs) {
    display = d;
    colormap = attrs.colormap;
    Visual* v = attrs.visual;
    trueColor = v && (v->c_class == TrueColor || v->c_class == DirectColor);
    if (!trueColor) return;
    unsigned long masks[3] = {v->red_mask, v->green_mask, v->blue_mask};
    for (int i = 0; i < 3; ++i) {
      mask[i] = masks[i];
      shift[i] = 0;
      bits[i] = 0;
      if (!masks[i]) continue;
      while (!((masks[i] >> shift[i]) & 1)) ++shift[i];
      while ((masks[i] >> (shift[i] + bits[i])) & 1) ++bits[i];
    }
  }

  unsigned long pixel(unsigned char r, unsigned char g, unsigned char b) {
    if (trueColor) {
      unsigned char c[3] = {r, g, b};
      unsigned long value = 0;
      for (int i = 0; i < 3; ++i) {
        unsigned long channel = bits[i] >= 8 ? static_cast<unsigned long>(c[i]) << (bits[i] - 8)
                                             : static_cast<unsigned long>(c[i]) >> (8 - bits[i]);
        value |= (channel << shift[i]) & mask[i];
      }
      return value;
    }
    XColor colour;
    colour.red = static_cast<unsigned short>(r * 257);
    colour.green = static_cast<unsigned short>(g * 257);
    colour.blue = static_cast<unsigned short>(b * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    return XAllocColor(display, colormap, &colour) ? colour.pixel : 0;
  }
};

// Consecutive points of one colour share a foreground change; Xlib packs
// the points themselves into as few requests as it can.
void setPreviewPixel(void* context, int x, int y, unsigned char r, unsigned char g, unsigned char b) {
  PreviewPainter* t = static_cast<PreviewPainter*>(context);
  unsigned long p = t->pixel(r, g, b);
  if (!t->haveForeground || p != t->foreground) {
    XSetForeground(t->display, t->gc, p);
    t->foreground = p;
    t->haveForeground = true;
  }
  XDrawPoint(t->display, t->window, t->gc, x, y);
}

int runPreviewOn(Display* display, Window parent, platform::PreviewPaint paint) {
  XWindowAttributes attrs;
  xErrorSeen = false;
  if (!XGetWindowAttributes(display, parent, &attrs) || xErrorSeen) return 0;

  PreviewPainter painter;
  painter.init(display, attrs);
  const unsigned long black = painter.pixel(0, 0, 0);
  // A window cannot be empty; a zero-sized parent still gets a 1x1 child,
  // and the paint covers only the measured area.
  Window previewWindow = XCreateSimpleWindow(display, parent, 0, 0, attrs.width > 0 ? attrs.width : 1,
                                             attrs.height > 0 ? attrs.height : 1, 0, black, black);
  // Told when the parent goes, and when our own window goes with it.
  XSelectInput(display, parent, StructureNotifyMask | SubstructureNotifyMask);
  XSelectInput(display, previewWindow, ExposureMask | StructureNotifyMask);
  XMapWindow(display, previewWindow);
  XSync(display, False);
  if (xErrorSeen) return 0;  // the parent vanished or cannot hold a child

  painter.window = previewWindow;
  painter.gc = XCreateGC(display, previewWindow, 0, nullptr);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.window == previewWindow) {
      // One paint per exposure: the last event of a series carries count 0.
      if (event.xexpose.count != 0) continue;
      painter.haveForeground = false;
      paint(attrs.width, attrs.height, setPreviewPixel, &painter);
      XFlush(display);
    } else if (event.type == DestroyNotify &&
               (event.xdestroywindow.window == parent || event.xdestroywindow.window == previewWindow)) {
      break;
    }
  }
  // The windows are gone; only the client-side GC is left to free.
  XFreeGC(display, painter.gc);
  return 0;
}

}  // namespace

namespace platform {

int runPreviewWindow(void*, long long parentHandle, PreviewPaint paint, const PreviewLiveShow*) {
  if (parentHandle <= 0 || parentHandle > static_cast<long long>(UINT32_MAX)) return 0;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  XErrorHandler oldHandler = XSetErrorHandler(recordXError);
  XIOErrorHandler oldIOHandler = XSetIOErrorHandler(endOnIOError);
  int status = runPreviewOn(display, static_cast<Window>(parentHandle), paint);
  XCloseDisplay(display);
  XSetErrorHandler(oldHandler);
  XSetIOErrorHandler(oldIOHandler);
  return status;
}

}  // namespace platform
