// Windows: the show in a window of another program. Two hosts exist: the
// screensaver dialog's preview pane (through the preview mode) and the black
// cover that the show on the primary monitor puts over another monitor.
// Over a pane SDL draws into a child window of our own over the pane's
// client area: SDL 1.2 takes over the procedure of the window it is given,
// which it cannot do for another process's window. The child is disabled,
// so clicks, keys and mouse moves stay the host's (moving the mouse over a
// preview must not end it), and it is shown only once a frame has been
// drawn, so the pane's picture below stays in sight until the show has
// really drawn. Over a cover the show draws in a top-most window of its own
// (platform/win32/win32_monitor_cover.h) and ends when the cover goes.
#include <windows.h>

#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/win32_monitor_cover.h"
#include "platform/win32/win32_window_class.h"

namespace {

// The show's own child of a pane, null until watched or over a cover.
HWND showWindow = nullptr;
// Whether the show draws over a monitor's cover.
bool overCover = false;
// Whether the last poll found the pane in sight, so that the main loop drew
// a frame after it; the poll after such a one shows the window.
bool hostInSight = false;

bool clientSize(HWND window, int& width, int& height) {
  RECT client;
  if (!GetClientRect(window, &client)) return false;
  width = client.right - client.left;
  height = client.bottom - client.top;
  return width > 0 && height > 0;
}

bool watchPane(HWND pane, unsigned long& id, int& width, int& height) {
  if (!IsWindow(pane) || !clientSize(pane, width, height)) return false;
  HINSTANCE module = GetModuleHandleA(nullptr);
  // No background brush: until GL draws, the window erases nothing. An own
  // device context, as GL wants it.
  if (!registerWindowClass(module, "OrvelKiteShow", DefWindowProcA, nullptr, CS_OWNDC, nullptr,
                           LoadCursorA(nullptr, IDC_ARROW)))
    return false;
  showWindow = CreateWindowExA(0, "OrvelKiteShow", "Orvel Kite", WS_CHILD | WS_DISABLED | WS_CLIPSIBLINGS, 0, 0, width,
                               height, pane, nullptr, module, nullptr);
  if (!showWindow) return false;
  hostInSight = false;
  id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(showWindow));
  return true;
}

platform::HostWindowChange pollPane(int& width, int& height) {
  // Destroyed with its parent, whatever process that belongs to.
  if (!IsWindow(showWindow)) return platform::HostGone;
  if (hostInSight && !IsWindowVisible(showWindow)) ShowWindow(showWindow, SW_SHOWNA);
  // The dialog hidden or minimised: nothing of the pane can be seen.
  HWND parent = GetParent(showWindow);
  hostInSight = !parent || (IsWindowVisible(parent) && !IsIconic(GetAncestor(parent, GA_ROOT)));
  RECT own;
  int w, h;
  if (!GetClientRect(showWindow, &own) || !clientSize(parent, w, h) || (w == own.right && h == own.bottom))
    return platform::HostUnchanged;
  MoveWindow(showWindow, 0, 0, w, h, FALSE);
  width = w;
  height = h;
  return platform::HostResized;
}

}  // namespace

namespace platform {

bool watchHostWindow(unsigned long& id, int& width, int& height) {
  // Window handles carry 32 significant bits, sign-extended (LongToHandle).
  HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(id)));
  if (!host) return false;
  if (!isMonitorCover(host)) return watchPane(host, id, width, height);
  HWND drawing = drawOverMonitorCover(host, width, height);
  if (!drawing) return false;
  overCover = true;
  id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(drawing));
  return true;
}

HostWindowChange pollHostWindow(int& width, int& height) {
  if (overCover) return monitorCoverGone() ? HostGone : HostUnchanged;
  return showWindow ? pollPane(width, height) : HostUnchanged;
}

bool hostWindowMapped() { return !showWindow || hostInSight; }

void endWithHostWindow() {}

bool primaryMonitorArea(int, int, int[4]) { return false; }

}  // namespace platform
