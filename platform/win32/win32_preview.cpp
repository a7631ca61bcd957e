// Windows preview window: a child of the screensaver dialog's preview area,
// painted with SetPixelV by the shared paint code on every WM_PAINT. The mode
// ends when the dialog destroys the window (or its parent).
#include <windows.h>

#include "platform/platform.h"
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

}  // namespace

namespace platform {

int runPreviewWindow(void* instance, long long parentHandle, PreviewPaint paint) {
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

  HWND window = CreateWindowExA(0, "Quorvant", "Quorvant", WS_CHILD | WS_VISIBLE, 0, 0, previewWidth, previewHeight,
                                parent, nullptr, module, nullptr);
  if (!window) return 0;
  UpdateWindow(window);

  // GetMessage answers -1 on failure; only a positive answer is a message.
  MSG message = {};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got < 0 ? 0 : static_cast<int>(message.wParam);
}

}  // namespace platform
