// Stands in for Screen Saver Settings in the Wine tests: makes a top-level
// window, starts "SCR /c:HWND" as that dialog does, waits (at most twenty
// seconds) for the settings dialog, then starts "SCR /c" once more while it
// is open and waits until no second settings program is left. It writes
// what it saw to OUT, one name=value per line, and cancels the dialog.
//   owner_host SCR OUT
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

FILE* out = nullptr;

void report(const char* name, long long value) {
  std::fprintf(out, "%s=%lld\n", name, value);
  std::fflush(out);
}

bool start(const std::string& program, const std::string& argument) {
  std::string line = "\"" + program + "\" " + argument;
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info;
  if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  WaitForSingleObject(info.hProcess, 20000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

int countProcesses(const char* exeName) {
  int n = 0;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snap, &entry); more; more = Process32Next(snap, &entry))
    if (lstrcmpiA(entry.szExeFile, exeName) == 0) ++n;
  CloseHandle(snap);
  return n;
}

BOOL CALLBACK countDialog(HWND window, LPARAM count) {
  char name[64];
  if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, "OrvelKiteSettings") == 0 && IsWindowVisible(window))
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int countDialogs() {
  int n = 0;
  EnumWindows(countDialog, reinterpret_cast<LPARAM>(&n));
  return n;
}

// Messages of the owner window are handled while waiting, as the real
// dialog would (the settings program sends it EnableWindow).
void pump(int milliseconds) {
  DWORD until = GetTickCount() + milliseconds;
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  } while (static_cast<int>(until - GetTickCount()) > 0);
}

HWND waitForDialog() {
  for (int i = 0; i < 400; ++i) {
    HWND dialog = FindWindowA("OrvelKiteSettings", nullptr);
    if (dialog && IsWindowVisible(dialog)) return dialog;
    pump(50);
  }
  return nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  out = std::fopen(__argv[2], "w");
  if (!out) return 2;
  WNDCLASSA windowClass;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "OwnerHost";
  RegisterClassA(&windowClass);
  HWND owner = CreateWindowExA(0, "OwnerHost", "Screen Saver Settings", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 180, 120,
                               520, 480, nullptr, nullptr, instance, nullptr);
  pump(200);
  std::string scr = __argv[1];
  report("started", start(scr, "/c:" + std::to_string(reinterpret_cast<intptr_t>(owner))));
  HWND dialog = waitForDialog();
  report("dialog", dialog != nullptr);
  if (!dialog) return 1;
  report("owned", GetWindow(dialog, GW_OWNER) == owner);
  report("owner_disabled", !IsWindowEnabled(owner));
  RECT o, d;
  GetWindowRect(owner, &o);
  GetWindowRect(dialog, &d);
  report("centre_dx", (d.left + d.right) / 2 - (o.left + o.right) / 2);
  report("centre_dy", (d.top + d.bottom) / 2 - (o.top + o.bottom) / 2);

  // A second request while the dialog is open: the started settings
  // program finds the open dialog and ends.
  report("second_started", start(scr, "/c"));
  int left = 0;
  for (int i = 0; i < 400 && (left = countProcesses("config.exe")) > 1; ++i) pump(50);
  report("config_processes", left);
  report("dialogs", countDialogs());
  report("same_dialog", FindWindowA("OrvelKiteSettings", nullptr) == dialog);

  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  for (int i = 0; i < 400 && IsWindow(dialog); ++i) pump(50);
  report("dialog_closed", !IsWindow(dialog));
  report("owner_enabled", IsWindowEnabled(owner) != FALSE);
  DestroyWindow(owner);
  std::fclose(out);
  return 0;
}
