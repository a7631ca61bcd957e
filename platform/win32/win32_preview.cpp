// Windows preview window: a child of the screensaver dialog's preview area,
// painted with SetPixelV by the shared paint code on every WM_PAINT. The
// live show runs over it in a process of its own, so that a show that cannot
// start or fails costs nothing: its window goes with it and the picture is
// there again. The mode ends when the dialog destroys the window (or its
// parent), and the show's job with it.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_window_class.h"

namespace {

int previewWidth = 0;
int previewHeight = 0;
platform::PreviewPaint previewPaint = nullptr;

void setPixelV(void* context, int x, int y, unsigned char r, unsigned char g, unsigned char b) {
  SetPixelV(static_cast<HDC>(context), x, y, RGB(r, g, b));
}

LRESULT CALLBACK previewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc && previewPaint) previewPaint(previewWidth, previewHeight, setPixelV, dc);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// A live show that ends with a non-zero status is started again this many
// times in all: under some GL drivers making the context current fails now
// and then.
const int liveShowAttempts = 3;

}  // namespace

namespace platform {

int runPreviewWindow(void* instance, long long parentHandle, PreviewPaint paint, const PreviewLiveShow* live) {
  HINSTANCE module = instance ? static_cast<HINSTANCE>(instance) : GetModuleHandleA(nullptr);
  HWND parent = reinterpret_cast<HWND>(static_cast<intptr_t>(parentHandle));
  // A handle that names no window leaves nothing to paint into.
  if (!parent || !IsWindow(parent)) return 0;
  previewPaint = paint;

  // A class left from an earlier preview of this process serves as well.
  if (!registerWindowClass(module, "Quorvant", previewWindowProc,
                           reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_SCROLLBAR + 1)), CS_DBLCLKS,
                           LoadIconA(nullptr, IDI_APPLICATION), LoadCursorA(nullptr, IDC_ARROW)))
    return 0;

  RECT client;
  if (!GetClientRect(parent, &client)) return 0;
  previewWidth = client.right - client.left;
  previewHeight = client.bottom - client.top;

  // Clipping its children, a repaint of the picture leaves the live show's
  // window alone.
  HWND window = CreateWindowExA(0, "Quorvant", "Quorvant", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, previewWidth,
                                previewHeight, parent, nullptr, module, nullptr);
  if (!window) return 0;
  UpdateWindow(window);

  // Without a job nothing would end the show with the mode: then no show.
  HANDLE job = live && !live->path.empty() ? endWithCallerJob() : nullptr;
  HANDLE show = job ? platform::startShowInWindow(live->path, live->folder, window, live->options, job) : nullptr;
  int attempts = 1;
  MSG message = {};
  bool quit = false;
  while (!quit) {
    const DWORD woke = MsgWaitForMultipleObjects(show ? 1 : 0, &show, FALSE, INFINITE, QS_ALLINPUT);
    if (show && woke == WAIT_OBJECT_0) {
      // Status 0: its window went with ours, and so does the mode.
      DWORD status = 0;
      GetExitCodeProcess(show, &status);
      CloseHandle(show);
      show = nullptr;
      InvalidateRect(window, nullptr, FALSE);
      if (status != 0 && attempts < liveShowAttempts) {
        show = platform::startShowInWindow(live->path, live->folder, window, live->options, job);
        ++attempts;
      }
      continue;
    }
    if (woke == WAIT_FAILED) break;
    while (!quit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      quit = message.message == WM_QUIT;
      if (!quit) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }
  if (show) CloseHandle(show);
  // The last handle to the job: a show still running ends here.
  if (job) CloseHandle(job);
  return quit ? static_cast<int>(message.wParam) : 0;
}

}  // namespace platform
