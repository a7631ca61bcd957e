// Windows: the only host window is the black cover that the show on the
// primary monitor puts over another monitor, and a show started for that
// monitor draws over it. GL drawn into a child of another process's window is not
// always shown (Wine shows none of it), so the show draws into a top-most
// pop-up of its own over the host's rectangle, black until the first frame,
// which never takes the focus from the show on the primary monitor: a
// full-screen SDL window that loses it minimises itself. The show ends when
// the host window goes.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win32_window_class.h"

namespace {

const char drawingClass[] = "OrvelKiteMonitor";
// This unit's own state: the host window watched and the pop-up drawn into.
HWND host;
HWND drawing;

LRESULT CALLBACK drawingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result;
  if (answerMonitorWindow(message, result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

namespace platform {

bool watchHostWindow(unsigned long& id, int& width, int& height) {
  HWND named = reinterpret_cast<HWND>(static_cast<uintptr_t>(id));
  // Only a cover: over any other window a top-most window that never takes
  // the focus would stand until that window went, with no way to close it.
  char className[64] = "";
  RECT r;
  if (!id || !IsWindow(named) || !GetClassNameA(named, className, sizeof className) ||
      std::strcmp(className, monitorCoverClass) != 0 || !GetWindowRect(named, &r) || r.right <= r.left ||
      r.bottom <= r.top)
    return false;
  drawing = showMonitorWindow(drawingClass, drawingProc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (!drawing) return false;
  host = named;
  id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(drawing));
  width = r.right - r.left;
  height = r.bottom - r.top;
  return true;
}

HostWindowChange pollHostWindow(int&, int&) { return host && !IsWindow(host) ? HostGone : HostUnchanged; }

bool hostWindowMapped() { return true; }

void endWithHostWindow() {}

bool primaryMonitorArea(int, int, int[4]) { return false; }

}  // namespace platform
