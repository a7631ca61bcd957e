// Black windows over the monitors that SDL 1.2's full-screen window does not
// fill (it takes the primary one only), so a locked or unattended machine
// shows no desktop anywhere while the show runs. They are plain top-most
// pop-ups of this thread: SDL's event pump dispatches their messages, and
// their procedure turns a key or a real mouse movement into the SDL event
// the show's loop already handles.
#include <windows.h>
#include <SDL/SDL.h>
// SDL's header defines it bare; the build defines it as 1.
#undef WIN32_LEAN_AND_MEAN
#include <SDL/SDL_syswm.h>

#include <vector>

#include "platform/monitor_rect.h"
#include "platform/platform.h"
#include "platform/win32/win32_window_class.h"

namespace {

const char coverClass[] = "OrvelKiteCover";
// This unit's own state: the cover windows shown, and the cursor position
// last seen, against which a real mouse movement is told apart.
std::vector<HWND> covers;
POINT lastCursor;

void pushKey(WPARAM key) {
  SDL_Event event;
  SDL_memset(&event, 0, sizeof event);
  event.type = SDL_KEYDOWN;  // the type of every member of the union
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = key == VK_ESCAPE ? SDLK_ESCAPE : SDLK_UNKNOWN;
  SDL_PushEvent(&event);
}

void pushMotion() {
  // Windows also sends WM_MOUSEMOVE when a window appears under a still
  // cursor; only a changed position is a movement.
  POINT p;
  if (!GetCursorPos(&p) || (p.x == lastCursor.x && p.y == lastCursor.y)) return;
  lastCursor = p;
  SDL_Event event;
  SDL_memset(&event, 0, sizeof event);
  event.type = SDL_MOUSEMOTION;
  SDL_PushEvent(&event);
}

LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_MOUSEACTIVATE:
      // Keyboard focus stays with the show.
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      pushMotion();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      pushKey(wParam);
      return 0;
    case WM_CLOSE:
      // Only the show removes its covers.
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT r, LPARAM list) {
  reinterpret_cast<std::vector<MonitorRect>*>(list)->push_back(MonitorRect{r->left, r->top, r->right, r->bottom});
  return TRUE;
}

}  // namespace

namespace platform {

void coverOtherMonitors() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  RECT shown;
  if (SDL_GetWMInfo(&info) <= 0 || !GetWindowRect(info.window, &shown)) return;
  std::vector<MonitorRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
  // The monitor Windows puts the show on is never covered, even when the
  // window's own rectangle is not yet where it ends up or a second monitor
  // is reported at the first one's place (as Wine 10 without XRandR can):
  // a top-most cover over it would hide the show.
  std::vector<MonitorRect> others =
      monitorsToCover(monitors, MonitorRect{shown.left, shown.top, shown.right, shown.bottom});
  MONITORINFO showMonitor;
  showMonitor.cbSize = sizeof showMonitor;
  if (GetMonitorInfoA(MonitorFromWindow(info.window, MONITOR_DEFAULTTOPRIMARY), &showMonitor)) {
    const RECT& r = showMonitor.rcMonitor;
    others = monitorsToCover(others, MonitorRect{r.left, r.top, r.right, r.bottom});
  }
  if (others.empty()) return;

  HINSTANCE module = GetModuleHandleA(nullptr);
  if (!registerWindowClass(module, coverClass, coverProc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 0, nullptr,
                           nullptr))
    return;

  GetCursorPos(&lastCursor);
  for (const MonitorRect& m : others) {
    // A tool window stays out of the task bar and Alt+Tab.
    HWND cover =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, coverClass, "Orvel Kite", WS_POPUP, m.left,
                        m.top, m.right - m.left, m.bottom - m.top, nullptr, nullptr, module, nullptr);
    if (!cover) continue;
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    UpdateWindow(cover);
    covers.push_back(cover);
  }
  // SDL 1.2 confines the pointer to its full-screen window, which kept it
  // off the covers: a mouse pushed towards another monitor then moved
  // nothing and did not end the show.
  if (!covers.empty()) ClipCursor(nullptr);
}

void uncoverOtherMonitors() {
  for (HWND cover : covers) DestroyWindow(cover);
  covers.clear();
}

}  // namespace platform
