// Black windows over the monitors that SDL 1.2's full-screen window does not
// fill (it takes the primary one only), so a locked or unattended machine
// shows no desktop anywhere while the show runs, and on each a show of its
// own: this program again, started with the cover as its host window, with
// its own view, clock and calendar, in a process of its own because SDL 1.2
// has one window a process. The covers are plain top-most pop-ups of this
// thread: SDL's event pump dispatches their messages, and their procedure
// turns a key or a real mouse movement into the SDL event the show's loop
// already handles. A monitor's show that ends with status 0 ended on the
// user's input (or its cover went): this show then ends as on Escape, and
// its covers going end all the others. A monitor's show draws over its
// cover in a top-most pop-up of its own (GL drawn into another process's
// window is not always shown: Wine shows none of it), black until the first
// frame, which never takes the focus: a full-screen SDL window that loses it
// minimises itself.
#include "platform/win32/win32_monitor_cover.h"

#include <windows.h>
#include <SDL/SDL.h>
// SDL's header defines it bare; the build defines it as 1.
#undef WIN32_LEAN_AND_MEAN
#include <SDL/SDL_syswm.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/monitor_rect.h"
#include "platform/platform.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_window_class.h"

const char monitorCoverClass[] = "OrvelKiteCover";

namespace {

const char drawingClass[] = "OrvelKiteMonitor";
// This unit's own state: the cover windows shown, and the cursor position
// last seen, against which a real mouse movement is told apart; in a
// monitor's show, the cover it draws over.
std::vector<HWND> covers;
POINT lastCursor;
// The monitors' shows still running, and whether one has ended the show.
std::vector<HANDLE> monitorShows;
bool endedByMonitorShow = false;
HWND coverDrawnOver;

// How often the covers look at the monitors' shows, and how long the show
// waits for them at its end.
const UINT showCheckMs = 100;
const DWORD showEndWaitMs = 5000;

// A black top-most pop-up over a monitor, of the class name with procedure,
// shown without taking the focus and kept out of the task bar and Alt+Tab.
HWND showMonitorWindow(const char* className, WNDPROC procedure, int left, int top, int width, int height) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  if (!registerWindowClass(module, className, procedure, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 0, nullptr,
                           nullptr))
    return nullptr;
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, "Orvel Kite", WS_POPUP,
                                left, top, width, height, nullptr, nullptr, module, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  return window;
}

// What every window over a monitor answers alike: no cursor, no activation
// by a click (the keyboard stays with the show on the primary monitor), no
// close on request (only its program removes it). True, with result, for
// those messages.
bool answerMonitorWindow(UINT message, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(nullptr);
      result = TRUE;
      return true;
    case WM_MOUSEACTIVATE:
      result = MA_NOACTIVATE;
      return true;
    case WM_CLOSE:
      result = 0;
      return true;
  }
  return false;
}

LRESULT CALLBACK drawingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result;
  if (answerMonitorWindow(message, result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

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

// A monitor's show that ended with status 0 ends this one.
void checkMonitorShows() {
  for (size_t i = 0; i < monitorShows.size();) {
    DWORD status = 1;
    if (GetExitCodeProcess(monitorShows[i], &status) && status == STILL_ACTIVE) {
      ++i;
      continue;
    }
    if (status == 0 && !endedByMonitorShow) {
      endedByMonitorShow = true;
      pushKey(VK_ESCAPE);
    }
    CloseHandle(monitorShows[i]);
    monitorShows.erase(monitorShows.begin() + i);
  }
}

// This program, drawing over cover with the same options as this show. It
// stays in this show's job, if any: the screensaver run's end ends it.
void startMonitorShow(HWND cover, const std::string& showArguments) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  HANDLE show = platform::startShowInWindow(path, "", cover, showArguments, nullptr);
  if (show) monitorShows.push_back(show);
}

LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result;
  if (answerMonitorWindow(message, result)) return result;
  switch (message) {
    case WM_MOUSEMOVE:
      pushMotion();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      pushKey(wParam);
      return 0;
    case WM_TIMER:
      checkMonitorShows();
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

void coverOtherMonitors(const std::string& showArguments) {
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

  GetCursorPos(&lastCursor);
  for (const MonitorRect& m : others) {
    HWND cover = showMonitorWindow(monitorCoverClass, coverProc, m.left, m.top, m.right - m.left, m.bottom - m.top);
    if (!cover) continue;
    covers.push_back(cover);
    startMonitorShow(cover, showArguments);
  }
  if (!monitorShows.empty()) SetTimer(covers.front(), 1, showCheckMs, nullptr);
  // SDL 1.2 confines the pointer to its full-screen window, which kept it
  // off the covers: a mouse pushed towards another monitor then moved
  // nothing and did not end the show.
  if (!covers.empty()) ClipCursor(nullptr);
}

void uncoverOtherMonitors() {
  for (HWND cover : covers) DestroyWindow(cover);
  covers.clear();
  // The monitors' shows end with their covers; one that does not is ended.
  if (!monitorShows.empty() && WaitForMultipleObjects(static_cast<DWORD>(monitorShows.size()), monitorShows.data(),
                                                      TRUE, showEndWaitMs) == WAIT_TIMEOUT)
    for (HANDLE show : monitorShows) TerminateProcess(show, 0);
  for (HANDLE show : monitorShows) CloseHandle(show);
  monitorShows.clear();
}

}  // namespace platform

bool isMonitorCover(HWND window) {
  char className[sizeof monitorCoverClass + 1] = "";
  return IsWindow(window) && GetClassNameA(window, className, sizeof className) &&
         std::strcmp(className, monitorCoverClass) == 0;
}

HWND drawOverMonitorCover(HWND cover, int& width, int& height) {
  RECT r;
  if (!GetWindowRect(cover, &r) || r.right <= r.left || r.bottom <= r.top) return nullptr;
  HWND drawing = showMonitorWindow(drawingClass, drawingProc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (!drawing) return nullptr;
  coverDrawnOver = cover;
  width = r.right - r.left;
  height = r.bottom - r.top;
  return drawing;
}

bool monitorCoverGone() { return coverDrawnOver && !IsWindow(coverDrawnOver); }
