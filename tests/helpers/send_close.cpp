// Sends the window-close request (WM_DELETE_WINDOW) to every top-level
// window of the display that accepts it, as a window manager's close button
// would. Exits 0 when at least one window was asked.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

static int sendTo(Display* dpy, Window w, Atom protocols, Atom deleteWindow) {
  Atom* list = nullptr;
  int n = 0, sent = 0;
  if (XGetWMProtocols(dpy, w, &list, &n)) {
    for (int i = 0; i < n; ++i)
      if (list[i] == deleteWindow) {
        XEvent ev = {};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = protocols;
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(deleteWindow);
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy, w, False, NoEventMask, &ev);
        sent = 1;
      }
    XFree(list);
  }
  Window root, parent, *kids = nullptr;
  unsigned int count = 0;
  if (XQueryTree(dpy, w, &root, &parent, &kids, &count)) {
    for (unsigned int i = 0; i < count; ++i) sent |= sendTo(dpy, kids[i], protocols, deleteWindow);
    if (kids) XFree(kids);
  }
  return sent;
}

int main() {
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) return 2;
  Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
  Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
  int sent = sendTo(dpy, DefaultRootWindow(dpy), protocols, deleteWindow);
  XSync(dpy, False);
  XCloseDisplay(dpy);
  if (!sent) fprintf(stderr, "no window accepts WM_DELETE_WINDOW\n");
  return sent ? 0 : 1;
}
