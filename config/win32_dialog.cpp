// The settings dialog for Windows, in native controls: check boxes and
// radio buttons for the choices, a drop-down list of the resolutions, OK and
// Cancel. Choices that mean nothing with the others as they are stay visible
// but greyed out. Opened for Screen Saver Settings (/c:HWND) it is owned by
// that window and modal to it, and only one dialog is ever open. The layout
// is in pixels at 96 DPI, scaled to the system's DPI. It also gives the
// command line a console: config.exe is a GUI program, so when it is run
// from a command prompt without redirection it attaches to that prompt's
// console for its output.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/settings_field.h"
#include "app/settings_file.h"
#include "config/config_command.h"
#include "config/config_dialog.h"
#include "config/dialog_controls.h"
#include "platform/win32/win32_window_class.h"

namespace {

bool attachParentConsole() {
  if (GetStdHandle(STD_OUTPUT_HANDLE) || GetStdHandle(STD_ERROR_HANDLE)) return false;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
  return true;
}
const bool consoleAttached = attachParentConsole();

// Control identifiers, which the tests use: from 101 in the dialog's order,
// one for a check box or list and two for a radio pair; the radio rows'
// labels take the numbers after the last control.
const int firstControlId = 101;

// The controls of one field of the table.
struct FieldControls {
  const SettingsField* field;
  int id;       // the check box, the list or the first radio button; the second is id + 1
  int labelId;  // the row label, 0 for none
};

const char dialogClass[] = "OrvelKiteSettings";
const char dialogTitle[] = "Orvel Kite settings";

struct Dialog {
  HWND window = nullptr;
  HWND owner = nullptr;
  HFONT font = nullptr;
  int dpi = 96;
  std::string path;
  SettingsFile file;
  std::vector<FieldControls> fields;
  const DialogControls* controls = nullptr;
  bool done = false;
};

// The toolkit's side of DialogControls; dialog is the Dialog.
const Dialog& dialogOf(void* dialog) { return *static_cast<const Dialog*>(dialog); }

int readControl(void* dialog, size_t i) {
  const Dialog& d = dialogOf(dialog);
  const FieldControls& c = d.fields[i];
  if (c.field->control == ListControl) return static_cast<int>(SendDlgItemMessageA(d.window, c.id, CB_GETCURSEL, 0, 0));
  return IsDlgButtonChecked(d.window, c.id) == BST_CHECKED;
}

void showControl(void* dialog, size_t i, int value) {
  const Dialog& d = dialogOf(dialog);
  const FieldControls& c = d.fields[i];
  if (c.field->control == ListControl) SendDlgItemMessageA(d.window, c.id, CB_SETCURSEL, value, 0);
  if (c.field->control == CheckControl) CheckDlgButton(d.window, c.id, value ? BST_CHECKED : BST_UNCHECKED);
  if (c.field->control == RadioPairControl) CheckDlgButton(d.window, value ? c.id : c.id + 1, BST_CHECKED);
}

void enableControl(void* dialog, size_t i, bool on) {
  const Dialog& d = dialogOf(dialog);
  const FieldControls& c = d.fields[i];
  EnableWindow(GetDlgItem(d.window, c.id), on);
  if (c.field->control == RadioPairControl) EnableWindow(GetDlgItem(d.window, c.id + 1), on);
  if (c.labelId) EnableWindow(GetDlgItem(d.window, c.labelId), on);
}

// Layout, in pixels at 96 DPI; add() scales it to the screen's.
const int margin = 14, rowHeight = 24, listRowHeight = 30, indent = 18, columnA = 110, columnB = 210, width = 360;

int scaled(const Dialog& d, int pixels) { return MulDiv(pixels, d.dpi, 96); }

HWND add(Dialog& d, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
  HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, scaled(d, x), scaled(d, y), scaled(d, w),
                           scaled(d, h), d.window, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(d.font), TRUE);
  return c;
}

// Win32 marks mnemonics with '&' where the table has '_'.
std::string win32Label(const char* label) {
  std::string out = label;
  std::replace(out.begin(), out.end(), '_', '&');
  return out;
}

// The controls of one field at y. Check boxes that follow each other share
// a tab group; the arrow keys move within it.
void addField(Dialog& d, FieldControls& c, int y, bool startsGroup) {
  const SettingsField& f = *c.field;
  const int x = margin + (f.needs ? 2 * indent : indent / 2);
  if (f.control == CheckControl) {
    add(d, "BUTTON", win32Label(f.label).c_str(), BS_AUTOCHECKBOX | WS_TABSTOP | (startsGroup ? WS_GROUP : 0), x, y,
        width - 3 * margin - (f.needs ? 2 * indent : 0), 22, c.id);
  } else if (f.control == RadioPairControl) {
    add(d, "STATIC", f.label, 0, x, y + 3, columnA - x - 4, 18, c.labelId);
    add(d, "BUTTON", win32Label(f.choices[0]).c_str(), BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, columnA, y,
        columnB - columnA - 4, 22, c.id);
    add(d, "BUTTON", win32Label(f.choices[1]).c_str(), BS_AUTORADIOBUTTON, columnB, y, width - columnB - margin, 22,
        c.id + 1);
  } else {
    add(d, "STATIC", win32Label(f.label).c_str(), 0, x, y + 3, columnA - margin, 18, -1);
    HWND list = add(d, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, columnA, y,
                    width - columnA - margin - 4, 240, c.id);
    for (uint32_t row = 0; row < resolutionRowCount; ++row)
      SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(resolutionLabel(row).c_str()));
  }
}

int rowHeightOf(const SettingsField& f) { return f.control == ListControl ? listRowHeight : rowHeight; }

int buildControls(Dialog& d) {
  int id = firstControlId;
  for (const SettingsField* f : d.controls->fields) {
    d.fields.push_back(FieldControls{f, id, 0});
    id += f->control == RadioPairControl ? 2 : 1;
  }
  for (FieldControls& c : d.fields)
    if (c.field->control == RadioPairControl) c.labelId = id++;

  int y = margin;
  if (!d.file.safeToRewrite()) {
    add(d, "STATIC", unsoundFileWarning(d.file, "").c_str(), 0, margin, y, width - 2 * margin, 48, -1);
    y += 54;
  }
  // One group box a section, each as tall as its rows.
  for (size_t i = 0; i < d.fields.size();) {
    const char* section = d.fields[i].field->section;
    size_t end = i;
    int rows = 0;
    for (; end < d.fields.size() && std::string(d.fields[end].field->section) == section; ++end)
      rows += rowHeightOf(*d.fields[end].field);
    add(d, "BUTTON", section, BS_GROUPBOX, margin / 2, y, width - margin, rows + 28, -1);
    y += 20;
    for (size_t k = i; k < end; ++k) {
      addField(d, d.fields[k], y, k == i || d.fields[k - 1].field->control != CheckControl);
      y += rowHeightOf(*d.fields[k].field);
    }
    y += 18;
    i = end;
  }
  y += 4;
  add(d, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, width - 2 * 84 - margin, y, 80, 26, IDOK);
  add(d, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, width - 84 - margin + 4, y, 80, 26, IDCANCEL);
  return y + 26 + margin;
}

// The owner is enabled again before the dialog goes, so that Windows
// activates it rather than some other program's window.
void closeDialog(Dialog* d, HWND w) {
  if (d && d->owner) EnableWindow(d->owner, TRUE);
  DestroyWindow(w);
}

LRESULT CALLBACK dialogProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* d = reinterpret_cast<Dialog*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (!d) break;
      switch (LOWORD(wParam)) {
        case IDOK: {
          std::string error;
          if (saveSettings(d->path, d->controls->choices(d->file.record), error)) {
            closeDialog(d, w);
          } else {
            MessageBoxA(w, ("The settings could not be saved.\n\n" + error).c_str(), dialogTitle, MB_OK | MB_ICONERROR);
          }
          return 0;
        }
        case IDCANCEL:
          closeDialog(d, w);
          return 0;
      }
      // Every other command comes from a choice.
      d->controls->updateAvailability();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // A plain window gives its controls the white of edit fields; a
      // dialog's face colour is what they should stand on.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      closeDialog(d, w);
      return 0;
    case WM_DESTROY:
      // The quit message wakes the loop even when the last message was a
      // sent one, handled inside GetMessage. closeDialog, the only way the
      // dialog goes, has enabled the owner already.
      if (d) d->done = true;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

// A dialog of an earlier start, if one is open: it is brought to the front
// and true returned. The mutex tells an earlier start that has not made its
// window yet from none; that one is waited for a moment.
bool raiseOpenDialog() {
  CreateMutexA(nullptr, FALSE, "Local\\quorvant Orvel Kite settings");
  if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  HWND open = nullptr;
  for (int i = 0; i < 100 && !open; ++i) {
    open = FindWindowA(dialogClass, dialogTitle);
    if (!open) Sleep(50);
  }
  if (!open) return false;
  if (IsIconic(open)) ShowWindow(open, SW_RESTORE);
  SetForegroundWindow(open);
  return true;
}

// Centred over the owner (or the primary screen) and kept inside the work
// area of the monitor it is on.
void placeDialog(HWND window, HWND owner, int fw, int fh) {
  RECT over;
  if (!owner || !GetWindowRect(owner, &over)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
  int x = (over.left + over.right - fw) / 2, y = (over.top + over.bottom - fh) / 2;
  MONITORINFO monitor;
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - fw));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - fh));
  }
  SetWindowPos(window, nullptr, x, y, fw, fh, SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT messageFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);
    if (font) return font;
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

const char configDialogForm[] = "/c[:HWND]";

int runConfigDialog(int&, char**&, const std::string& path, long long ownerWindow) {
  if (raiseOpenDialog()) return 0;
  Dialog d;
  d.path = path;
  d.owner = reinterpret_cast<HWND>(static_cast<intptr_t>(ownerWindow));
  if (d.owner && !IsWindow(d.owner)) d.owner = nullptr;
  d.file.load(path);
  HINSTANCE module = GetModuleHandleA(nullptr);

  if (!registerWindowClass(module, dialogClass, dialogProc,
                           reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1)), 0,
                           LoadIconA(module, MAKEINTRESOURCEA(1)), LoadCursorA(nullptr, IDC_ARROW)))
    return 1;

  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_POPUP;
  // A pop-up with a parent is owned by it: it stays above it and goes
  // with it.
  d.window = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, dialogClass, dialogTitle, style, CW_USEDEFAULT,
                             CW_USEDEFAULT, width, 200, d.owner, nullptr, module, nullptr);
  if (!d.window) return 1;
  SetWindowLongPtrA(d.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&d));
  HDC screen = GetDC(nullptr);
  d.dpi = std::max(96, screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96);
  if (screen) ReleaseDC(nullptr, screen);
  d.font = messageFont();
  DialogControls controls(&d, readControl, showControl, enableControl);
  d.controls = &controls;
  int clientHeight = buildControls(d);
  controls.fill(d.file.record);
  controls.updateAvailability();

  // Size the frame around the controls and centre it over its owner, which
  // takes no input while the dialog is open.
  RECT frame = {0, 0, scaled(d, width), scaled(d, clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
  placeDialog(d.window, d.owner, frame.right - frame.left, frame.bottom - frame.top);
  if (d.owner) EnableWindow(d.owner, FALSE);
  ShowWindow(d.window, SW_SHOW);
  SetForegroundWindow(d.window);
  SetFocus(GetDlgItem(d.window, firstControlId));

  // IsDialogMessage gives the keyboard its dialog meaning: Tab, arrows,
  // mnemonics, Enter for OK and Escape for Cancel.
  MSG message;
  while (!d.done && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(d.window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (d.font != GetStockObject(DEFAULT_GUI_FONT)) DeleteObject(d.font);
  return 0;
}
