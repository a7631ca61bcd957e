// Stand-in for the screensaver dialog in the Wine preview tests: a borderless
// window at (40, 40) whose client area is WIDTH x HEIGHT starts
// "SCR /p <its handle>", keeps its messages flowing until the file GO
// exists, then destroys itself and waits (at most ten seconds) for the
// preview to end. Writes "hwnd=", "child=" (whether a child window of the
// preview appeared: the picture's or the show's), "size=" (its client size) and "status=" (the preview's exit
// status, or "timeout") to OUT.
//   preview_host WIDTH HEIGHT SCR GO OUT
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

void pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc != 6) return 2;
  const int width = std::atoi(__argv[1]), height = std::atoi(__argv[2]);
  const std::string scr = __argv[3];
  const char* go = __argv[4];
  FILE* out = std::fopen(__argv[5], "w");
  if (!out) return 2;

  WNDCLASSA cls = {};
  cls.lpfnWndProc = DefWindowProcA;
  cls.hInstance = instance;
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  cls.lpszClassName = "PreviewHost";
  RegisterClassA(&cls);
  HWND parent = CreateWindowExA(0, "PreviewHost", "preview host", WS_POPUP | WS_VISIBLE, 40, 40, width, height, nullptr,
                                nullptr, instance, nullptr);
  if (!parent) return 2;
  pump();
  std::fprintf(out, "hwnd=%lld\n", static_cast<long long>(reinterpret_cast<intptr_t>(parent)));
  std::fflush(out);

  std::string line = "\"" + scr + "\" /p " + std::to_string(reinterpret_cast<intptr_t>(parent));
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(scr.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(out, "status=cannot-start\n");
    return 1;
  }
  bool child = false;
  for (int i = 0; i < 600 && !exists(go); ++i) {
    pump();
    if (!child && GetWindow(parent, GW_CHILD)) {
      child = true;
      std::fprintf(out, "child=1\n");
      std::fflush(out);
    }
    Sleep(50);
  }
  if (!child) std::fprintf(out, "child=0\n");
  if (HWND c = GetWindow(parent, GW_CHILD)) {
    RECT r;
    GetClientRect(c, &r);
    std::fprintf(out, "size=%ldx%ld\n", r.right - r.left, r.bottom - r.top);
  }
  DestroyWindow(parent);
  DWORD status = 0;
  for (int i = 0; i < 200; ++i) {
    pump();
    if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0) break;
  }
  if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(pi.hProcess, &status)) {
    std::fprintf(out, "status=%lu\n", static_cast<unsigned long>(status));
  } else {
    std::fprintf(out, "status=timeout\n");
    TerminateProcess(pi.hProcess, 9);
  }
  std::fclose(out);
  return 0;
}
