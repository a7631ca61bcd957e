// Window classes: a WNDCLASSEX filled from the parts that differ.
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
