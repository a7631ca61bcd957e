// The settings dialog for Windows, in native controls: check boxes and
// radio buttons for the choices, a drop-down list of the resolutions, OK and
// Cancel. Choices that mean nothing with the others as they are stay visible
// but greyed out. It also gives the command line a console: config.exe is a
// GUI program, so when it is run from a command prompt without redirection
// it attaches to that prompt's console for its output.
#include "config/config_dialog.h"

#include <windows.h>

#include <cstdio>

#include "config/settings_field.h"
#include "config/settings_file.h"

namespace {

bool attachParentConsole() {
  if (GetStdHandle(STD_OUTPUT_HANDLE) || GetStdHandle(STD_ERROR_HANDLE)) return false;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
  return true;
}
const bool consoleAttached = attachParentConsole();

// Control identifiers; the tests find the controls by them.
enum {
  IdShowClock = 101,
  IdAnalog,
  IdDigital,
  IdHours12,
  IdHours24,
  IdLarge,
  IdSmall,
  IdShowCalendar,
  IdRussian,
  IdResolution,
  IdShowFps,
  IdQuitOnMouse,
  IdFaceLabel,
  IdHoursLabel,
  IdSizeLabel,
};

struct Dialog {
  HWND window = nullptr;
  HFONT font = nullptr;
  std::string path;
  SettingsFile file;
  bool done = false;
};

HWND item(HWND w, int id) { return GetDlgItem(w, id); }
bool checked(HWND w, int id) { return SendMessageA(item(w, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
void check(HWND w, int id, bool on) { SendMessageA(item(w, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

// The record as the controls show it; fields without a control come from base.
Settings choicesOf(HWND w, const Settings& base) {
  Settings r = base;
  r.showClock = checked(w, IdShowClock);
  r.analogClock = checked(w, IdAnalog);
  r.clock24h = checked(w, IdHours24);
  r.largeClock = checked(w, IdLarge);
  r.showCalendar = checked(w, IdShowCalendar);
  r.russianCalendar = checked(w, IdRussian);
  r.showFps = checked(w, IdShowFps);
  r.quitOnMouseMove = checked(w, IdQuitOnMouse);
  // An index past the table reads as the desktop; it is kept unless the
  // user picks another row.
  LRESULT row = SendMessageA(item(w, IdResolution), CB_GETCURSEL, 0, 0);
  if (!(row == 0 && base.resolutionIndex >= resolutionRowCount))
    r.resolutionIndex = row == CB_ERR ? 0 : static_cast<uint32_t>(row);
  return r;
}

void updateAvailability(HWND w) {
  ChoiceAvailability a = choiceAvailability(choicesOf(w, Settings()));
  for (int id : {IdAnalog, IdDigital, IdLarge, IdSmall, IdFaceLabel, IdSizeLabel}) EnableWindow(item(w, id), a.clockStyle);
  for (int id : {IdHours12, IdHours24, IdHoursLabel}) EnableWindow(item(w, id), a.hourFormat);
  EnableWindow(item(w, IdRussian), a.russian);
}

void fill(HWND w, const Settings& r) {
  check(w, IdShowClock, r.showClock);
  check(w, r.analogClock ? IdAnalog : IdDigital, true);
  check(w, r.clock24h ? IdHours24 : IdHours12, true);
  check(w, r.largeClock ? IdLarge : IdSmall, true);
  check(w, IdShowCalendar, r.showCalendar);
  check(w, IdRussian, r.russianCalendar);
  check(w, IdShowFps, r.showFps);
  check(w, IdQuitOnMouse, r.quitOnMouseMove);
  SendMessageA(item(w, IdResolution), CB_SETCURSEL, r.resolutionIndex < resolutionRowCount ? r.resolutionIndex : 0, 0);
}

// Layout, in pixels at the default GUI font.
const int margin = 14, rowHeight = 24, indent = 18, columnA = 110, columnB = 210, width = 360;

HWND add(Dialog& d, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
  HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, d.window,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(d.font), TRUE);
  return c;
}

void radioRow(Dialog& d, int y, int labelId, const char* label, int idA, const char* a, int idB, const char* b) {
  add(d, "STATIC", label, 0, margin + 2 * indent, y + 3, columnA - 2 * indent - margin, 18, labelId);
  add(d, "BUTTON", a, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, columnA, y, columnB - columnA - 4, 22, idA);
  add(d, "BUTTON", b, BS_AUTORADIOBUTTON, columnB, y, width - columnB - margin, 22, idB);
}

int buildControls(Dialog& d) {
  int y = margin;
  if (!d.file.safeToRewrite()) {
    // Say so before the user decides: OK replaces what is there.
    std::string text = "The settings file could not be used: " + d.file.problem +
                       ". OK replaces it with the choices below.";
    add(d, "STATIC", text.c_str(), 0, margin, y, width - 2 * margin, 48, -1);
    y += 54;
  }
  add(d, "BUTTON", "Clock", BS_GROUPBOX, margin / 2, y, width - margin, 4 * rowHeight + 28, -1);
  y += 20;
  add(d, "BUTTON", "Show the cloc&k", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, margin + indent / 2, y,
      width - 3 * margin, 22, IdShowClock);
  y += rowHeight;
  radioRow(d, y, IdFaceLabel, "Face", IdAnalog, "&Analog", IdDigital, "&Digital");
  y += rowHeight;
  radioRow(d, y, IdHoursLabel, "Hours", IdHours12, "&12 hours", IdHours24, "&24 hours");
  y += rowHeight;
  radioRow(d, y, IdSizeLabel, "Size", IdLarge, "&Large", IdSmall, "&Small");
  y += rowHeight + 18;

  add(d, "BUTTON", "Calendar", BS_GROUPBOX, margin / 2, y, width - margin, 2 * rowHeight + 28, -1);
  y += 20;
  add(d, "BUTTON", "Show the cal&endar", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, margin + indent / 2, y,
      width - 3 * margin, 22, IdShowCalendar);
  y += rowHeight;
  add(d, "BUTTON", "Russ&ian calendar", BS_AUTOCHECKBOX | WS_TABSTOP, margin + 2 * indent, y,
      width - 3 * margin - 2 * indent, 22, IdRussian);
  y += rowHeight + 18;

  add(d, "BUTTON", "Show", BS_GROUPBOX, margin / 2, y, width - margin, 3 * rowHeight + 34, -1);
  y += 22;
  add(d, "STATIC", "&Resolution", 0, margin + indent / 2, y + 3, columnA - margin, 18, -1);
  HWND list = add(d, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, columnA, y,
                  width - columnA - margin - 4, 240, IdResolution);
  for (uint32_t row = 0; row < resolutionRowCount; ++row)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(resolutionLabel(row).c_str()));
  y += rowHeight + 6;
  add(d, "BUTTON", "Show &frames per second", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, margin + indent / 2, y,
      width - 3 * margin, 22, IdShowFps);
  y += rowHeight;
  add(d, "BUTTON", "&Quit when the mouse moves", BS_AUTOCHECKBOX | WS_TABSTOP, margin + indent / 2, y,
      width - 3 * margin, 22, IdQuitOnMouse);
  y += rowHeight + 22;

  add(d, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, width - 2 * 84 - margin, y, 80, 26, IDOK);
  add(d, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, width - 84 - margin + 4, y, 80, 26, IDCANCEL);
  return y + 26 + margin;
}

LRESULT CALLBACK dialogProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* d = reinterpret_cast<Dialog*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (!d) break;
      switch (LOWORD(wParam)) {
        case IDOK: {
          std::string error;
          if (SettingsFile::save(d->path, choicesOf(w, d->file.record), error)) {
            DestroyWindow(w);
          } else {
            std::string text = "The settings could not be saved.\n\n" + error;
            MessageBoxA(w, text.c_str(), "Orvel Kite settings", MB_OK | MB_ICONERROR);
          }
          return 0;
        }
        case IDCANCEL:
          DestroyWindow(w);
          return 0;
        case IdShowClock:
        case IdAnalog:
        case IdDigital:
        case IdShowCalendar:
          updateAvailability(w);
          return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // A plain window gives its controls the white of edit fields; a
      // dialog's face colour is what they should stand on.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      DestroyWindow(w);
      return 0;
    case WM_DESTROY:
      // The quit message wakes the loop even when the last message was a
      // sent one, handled inside GetMessage.
      if (d) d->done = true;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

}  // namespace

int runConfigDialog(int&, char**&, const std::string& path) {
  Dialog d;
  d.path = path;
  d.file.load(path);
  HINSTANCE module = GetModuleHandleA(nullptr);

  WNDCLASSEXA windowClass;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = dialogProc;
  windowClass.hInstance = module;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = "OrvelKiteSettings";
  if (!RegisterClassExA(&windowClass)) return 1;

  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_POPUP;
  d.window = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, windowClass.lpszClassName,
                             "Orvel Kite settings", style, CW_USEDEFAULT, CW_USEDEFAULT, width, 200, nullptr,
                             nullptr, module, nullptr);
  if (!d.window) return 1;
  SetWindowLongPtrA(d.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&d));
  d.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  int clientHeight = buildControls(d);
  fill(d.window, d.file.record);
  updateAvailability(d.window);

  // Size the frame around the controls and centre it on the screen.
  RECT frame = {0, 0, width, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
  int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
  SetWindowPos(d.window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - fw) / 2, (GetSystemMetrics(SM_CYSCREEN) - fh) / 2,
               fw, fh, SWP_NOZORDER);
  ShowWindow(d.window, SW_SHOW);
  SetFocus(item(d.window, IdShowClock));

  // IsDialogMessage gives the keyboard its dialog meaning: Tab, arrows,
  // mnemonics, Enter for OK and Escape for Cancel.
  MSG message;
  while (!d.done && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(d.window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
