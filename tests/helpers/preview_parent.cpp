// Test helper: a top-level X window that stands in for the screensaver
// dialog's preview area. Prints its decimal id once it is mapped, then waits
// for lines on standard input: "destroy" destroys the window, end of input
// ends the program (which closes the window too).
//   preview_parent WIDTH HEIGHT [X Y] [--input-only]
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: preview_parent WIDTH HEIGHT [X Y] [--input-only]\n");
    return 2;
  }
  int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  int x = argc > 4 ? std::atoi(argv[3]) : 0, y = argc > 4 ? std::atoi(argv[4]) : 0;
  bool inputOnly = std::strcmp(argv[argc - 1], "--input-only") == 0;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "preview_parent: no display\n");
    return 1;
  }
  int screen = DefaultScreen(display);
  XSetWindowAttributes attrs;
  attrs.override_redirect = True;  // no window manager in the test server
  attrs.event_mask = StructureNotifyMask;
  unsigned long mask = CWOverrideRedirect | CWEventMask;
  Window window;
  if (inputOnly) {
    window = XCreateWindow(display, RootWindow(display, screen), x, y, width, height, 0, 0, InputOnly,
                           CopyFromParent, mask, &attrs);
  } else {
    // Magenta, so that any part of the parent the preview leaves uncovered
    // shows in a screenshot.
    XColor magenta;
    magenta.red = 0xffff;
    magenta.green = 0;
    magenta.blue = 0xffff;
    magenta.flags = DoRed | DoGreen | DoBlue;
    XAllocColor(display, DefaultColormap(display, screen), &magenta);
    attrs.background_pixel = magenta.pixel;
    window = XCreateWindow(display, RootWindow(display, screen), x, y, width, height, 0, CopyFromParent,
                           InputOutput, CopyFromParent, mask | CWBackPixel, &attrs);
  }
  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify) break;
  }
  std::printf("%lu\n", static_cast<unsigned long>(window));
  std::fflush(stdout);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line == "destroy") {
      XDestroyWindow(display, window);
      XSync(display, False);
      std::printf("destroyed\n");
      std::fflush(stdout);
    }
  }
  XCloseDisplay(display);
  return 0;
}
