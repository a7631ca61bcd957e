// Works the settings dialog in the Wine tests as a user would: waits (at
// most twenty seconds) for the "Orvel Kite settings" window, writes
// "found" to OUT, waits for the file GO, then clicks the controls with the
// given identifiers in order.
//   dialog_driver OUT GO ID...
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  FILE* out = std::fopen(__argv[1], "w");
  if (!out) return 2;
  HWND dialog = nullptr;
  for (int i = 0; i < 400 && !dialog; ++i) {
    dialog = FindWindowA("OrvelKiteSettings", "Orvel Kite settings");
    if (!dialog) Sleep(50);
  }
  if (!dialog) {
    std::fprintf(out, "missing\n");
    return 1;
  }
  std::fprintf(out, "found\n");
  std::fflush(out);
  for (int i = 0; i < 400 && GetFileAttributesA(__argv[2]) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  for (int i = 3; i < __argc; ++i) {
    HWND control = GetDlgItem(dialog, std::atoi(__argv[i]));
    if (!control) {
      std::fprintf(out, "no control %s\n", __argv[i]);
      return 1;
    }
    SendMessageA(control, BM_CLICK, 0, 0);
  }
  std::fprintf(out, "clicked\n");
  std::fclose(out);
  return 0;
}
