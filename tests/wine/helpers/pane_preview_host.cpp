// Stand-in for the screensaver dialog that runs the preview in its own
// process, so that what it draws can be read: a borderless window at
// (40, 40) holding a child "pane" of WIDTH x HEIGHT, as the dialog holds its
// preview area, and the preview mode run into the pane as "/p <its handle>"
// would. Writes "started" to OUT first; once the file GO exists, "view="
// (the client size of the preview's window in the pane, if any) and
// destroys the window; "status=" (the preview's exit status) when the mode
// has returned.
//   pane_preview_host WIDTH HEIGHT GO OUT
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/entry.h"

namespace {

const char* go = nullptr;
FILE* out = nullptr;
HWND pane = nullptr;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && GetFileAttributesA(go) != INVALID_FILE_ATTRIBUTES) {
    KillTimer(window, 1);
    if (HWND view = GetWindow(pane, GW_CHILD)) {
      RECT r;
      GetClientRect(view, &r);
      std::fprintf(out, "view=%ldx%ld\n", r.right, r.bottom);
    }
    DestroyWindow(window);  // the preview, in this thread, sees its window go
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc != 5) return 2;
  const int width = std::atoi(__argv[1]), height = std::atoi(__argv[2]);
  go = __argv[3];
  out = std::fopen(__argv[4], "w");
  if (!out) return 2;

  WNDCLASSA cls = {};
  cls.lpfnWndProc = hostProc;
  cls.hInstance = instance;
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  cls.lpszClassName = "PanePreviewHost";
  RegisterClassA(&cls);
  // The window's outer size is its client size: no frame; the pane fills it.
  HWND host = CreateWindowExA(0, "PanePreviewHost", "pane preview host", WS_POPUP | WS_VISIBLE, 40, 40, width, height,
                              nullptr, nullptr, instance, nullptr);
  if (!host) return 2;
  pane = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, host, nullptr, instance, nullptr);
  if (!pane) return 2;
  SetTimer(host, 1, 100, nullptr);
  const long long handle = static_cast<long long>(reinterpret_cast<intptr_t>(pane));
  std::fprintf(out, "started\n");
  std::fflush(out);
  const int status = appMain("/p " + std::to_string(handle), instance);
  std::fprintf(out, "status=%d\n", status);
  std::fclose(out);
  return 0;
}
