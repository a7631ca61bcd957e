// Window classes: a WNDCLASSEX filled from the parts that differ; the
// windows over monitors, made and answering alike.
#include "platform/win32/win32_window_class.h"

bool registerWindowClass(HINSTANCE module, const char* name, WNDPROC procedure, HBRUSH background, UINT style,
                         HICON icon, HCURSOR cursor) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module;
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

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
