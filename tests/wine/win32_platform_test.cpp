// The Windows platform layer under Wine: registry text, the shell's data
// folder, starting programs (spaces in folder names, the working folder,
// waiting), the environment, the preview window painted in-process and
// read back with GetPixel, and the window a monitor's show draws in.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/install_dir.h"
#include "app/preview.h"
#include "platform/platform.h"
#include "platform/win32/win32_monitor_cover.h"
#include "platform/win32/win32_window_class.h"

namespace {

const char* testKey = "Software\\orvel-kite-test";

class RegistryText : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, testKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, testKey);
  }
  void set(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  HKEY key;
};

TEST_F(RegistryText, ReadsTextValuesAndRefusesTheRest) {
  set("Path", REG_SZ, "C:\\Prog\\", 9);
  set("NoNul", REG_SZ, "abc", 3);  // stored without its terminating zero
  DWORD number = 7;
  set("Number", REG_DWORD, &number, sizeof number);
  std::string big(40000, 'x');
  set("Huge", REG_SZ, big.c_str(), static_cast<DWORD>(big.size() + 1));
  set("Expand", REG_EXPAND_SZ, "%SystemRoot%\\x\\", 16);

  std::string out;
  EXPECT_TRUE(platform::readRegistryText(testKey, "Path", out));
  EXPECT_EQ(out, "C:\\Prog\\");
  EXPECT_TRUE(platform::readRegistryText(testKey, "NoNul", out));
  EXPECT_EQ(out, "abc");
  out = "kept";
  EXPECT_FALSE(platform::readRegistryText(testKey, "Number", out));
  EXPECT_FALSE(platform::readRegistryText(testKey, "Huge", out));
  EXPECT_FALSE(platform::readRegistryText(testKey, "Absent", out));
  EXPECT_FALSE(platform::readRegistryText("Software\\orvel-kite-no-such-key", "Path", out));
  EXPECT_EQ(out, "kept");
  EXPECT_TRUE(platform::readRegistryText(testKey, "Expand", out));
  EXPECT_EQ(out.find('%'), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 3), "\\x\\");
}

TEST(Win32Folders, ProgramAndDataFolders) {
  const std::string program = platform::programFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '\\');
  EXPECT_NE(GetFileAttributesA((program + "test_win32.exe").c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string data = platform::commonAppDataFolder();
  ASSERT_FALSE(data.empty());
  EXPECT_NE(data.back(), '\\');
  DWORD attributes = GetFileAttributesA(data.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(platform::programFileName("config.exe"), "config.exe");
  EXPECT_EQ(platform::pathSeparator, '\\');
}

std::string readFile(const std::string& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Thread body: creates "Orvel Kite.exe.release" in the folder once the
// stand-in has written its record (two minutes at most).
DWORD WINAPI releaseWhenStarted(void* folder) {
  const std::string& install = *static_cast<std::string*>(folder);
  for (int i = 0;
       i < 2400 && GetFileAttributesA((install + "Orvel Kite.exe.started").c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
    Sleep(50);
  std::ofstream((install + "Orvel Kite.exe.release").c_str()).put('\n');
  return 0;
}

TEST(Win32Programs, StartsFromAFolderWithSpacesAndWaits) {
  // fake_program.exe records its command line, folder and environment.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "orvel test " + std::to_string(GetCurrentProcessId());
  const std::string install = folder + "\\My Screensavers\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA(install.c_str(), nullptr);
  const std::string helper = std::string(ORVEL_BINARY_DIR) + "/tests/wine/fake_program.exe";
  ASSERT_TRUE(CopyFileA(helper.c_str(), (install + "Orvel Kite.exe").c_str(), FALSE));

  EXPECT_FALSE(InstallDir(install).runProgram("config.exe", true));  // not there

  // The stand-in stays until its release file appears: a run that waits
  // returns only after a helper thread has released it, one that does not
  // returns while it still runs.
  static char allow[] = "SDL_VIDEO_ALLOW_SCREENSAVER=1";
  platform::putEnvironment(allow);
  const std::string started = install + "Orvel Kite.exe.started";
  const std::string release = install + "Orvel Kite.exe.release";
  HANDLE releaser = CreateThread(nullptr, 0, releaseWhenStarted, const_cast<std::string*>(&install), 0, nullptr);
  EXPECT_TRUE(InstallDir(install).runProgram("Orvel Kite.exe", true));
  WaitForSingleObject(releaser, INFINITE);
  CloseHandle(releaser);
  std::string record = readFile(started);
  // No words of the folder name leak into the started program's command line.
  EXPECT_NE(record.find("args=[]\n"), std::string::npos) << record;
  EXPECT_NE(record.find("cwd=" + install.substr(0, install.size() - 1) + "\n"), std::string::npos) << record;
  EXPECT_NE(record.find("allow=1\n"), std::string::npos) << record;
  EXPECT_NE(record.find("ended\n"), std::string::npos) << record;

  DeleteFileA(started.c_str());
  DeleteFileA(release.c_str());
  EXPECT_TRUE(InstallDir(install).runProgram("Orvel Kite.exe", false));
  EXPECT_EQ(readFile(started).find("ended\n"), std::string::npos) << "the run waited for the program";
  std::ofstream(release.c_str()).put('\n');
  for (int i = 0; i < 2400 && readFile(started).find("ended\n") == std::string::npos; ++i) Sleep(50);
  DeleteFileA(started.c_str());
  DeleteFileA(release.c_str());
  DeleteFileA((install + "Orvel Kite.exe").c_str());
  RemoveDirectoryA(install.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Win32Environment, PutEnvironmentReachesBothViews) {
  static char text[] = "ORVEL_KITE_TEST_VALUE=42";
  platform::putEnvironment(text);
  ASSERT_NE(std::getenv("ORVEL_KITE_TEST_VALUE"), nullptr);
  EXPECT_STREQ(std::getenv("ORVEL_KITE_TEST_VALUE"), "42");
  char buf[16] = {0};
  EXPECT_EQ(GetEnvironmentVariableA("ORVEL_KITE_TEST_VALUE", buf, sizeof buf), 2u);
  EXPECT_STREQ(buf, "42");
}

// The preview painted in this process, so that the pixels can be read back
// (under Wine a child window of another process draws where no one sees it).
struct PreviewProbe {
  int width = 0, height = 0;
  COLORREF pixels[3] = {};
  int paints = 0;
};
PreviewProbe probe;
std::string picturePath;

void paintProbe(int width, int height, platform::PreviewSetPixel setPixel, void* context) {
  ++probe.paints;
  paintPreviewFrom(picturePath, width, height, setPixel, context);
}

LRESULT CALLBACK hostProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    HWND child = FindWindowExA(w, nullptr, "Quorvant", nullptr);
    if (child && probe.paints > 0) {
      RECT r;
      GetClientRect(child, &r);
      probe.width = r.right;
      probe.height = r.bottom;
      HDC dc = GetDC(child);
      probe.pixels[0] = GetPixel(dc, 0, 0);
      probe.pixels[1] = GetPixel(dc, 100, 50);
      probe.pixels[2] = GetPixel(dc, probe.width - 1, probe.height - 1);
      ReleaseDC(child, dc);
      KillTimer(w, 1);
      DestroyWindow(w);  // ends the preview's message loop through its WM_DESTROY
    }
    return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

HWND makeHost(int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA c = {};
    c.lpfnWndProc = hostProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = "PreviewProbeHost";
    RegisterClassA(&c);
    registered = true;
  }
  HWND w = CreateWindowExA(0, "PreviewProbeHost", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  SetTimer(w, 1, 300, nullptr);
  return w;
}

COLORREF bmpPixel(const std::string& bmp, int x, int y) {
  // 24-bit bottom-up BMP of the generator: offset at 10, width at 18, height at 22.
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bmp[at])) | static_cast<uint8_t>(bmp[at + 1]) << 8 |
           static_cast<uint8_t>(bmp[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 3])) << 24;
  };
  uint32_t offset = u32(10), width = u32(18), height = u32(22);
  size_t stride = (width * 3 + 3) / 4 * 4;
  size_t at = offset + stride * (height - 1 - y) + 3 * x;
  return RGB(static_cast<uint8_t>(bmp[at + 2]), static_cast<uint8_t>(bmp[at + 1]), static_cast<uint8_t>(bmp[at]));
}

// Catches a picture painted only at the dialog's standard width, or not
// scaled to the pane on a scaled screen (150 % and 200 %).
TEST(Win32Preview, PaintsThePictureScaledToThePane) {
  picturePath = std::string(ORVEL_DIST_DIR) + "/preview.ppk";
  const std::string bmp = readFile(picturePath);
  if (bmp.size() < 54) GTEST_SKIP() << "no preview.ppk in " << ORVEL_DIST_DIR;

  for (int scale = 2; scale <= 4; ++scale) {  // in halves
    const int width = 152 * scale / 2, height = 112 * scale / 2;
    SCOPED_TRACE(width);
    probe = PreviewProbe();
    HWND host = makeHost(width, height);
    EXPECT_EQ(platform::runPreviewWindow(nullptr, reinterpret_cast<intptr_t>(host), paintProbe), 0);
    EXPECT_EQ(probe.width, width);
    EXPECT_EQ(probe.height, height);
    // Scaled up, the corners keep the picture's corner colours.
    EXPECT_EQ(probe.pixels[0], bmpPixel(bmp, 0, 0));
    EXPECT_EQ(probe.pixels[2], bmpPixel(bmp, 151, 111));
    if (scale == 2) {
      EXPECT_EQ(probe.pixels[1], bmpPixel(bmp, 100, 50));
    }
  }
}

TEST(Win32Preview, NoWindowNoPreview) {
  EXPECT_EQ(platform::runPreviewWindow(nullptr, 0, paintProbe), 0);
  EXPECT_EQ(platform::runPreviewWindow(nullptr, 0x7ffff0, paintProbe), 0);
}

// Catches a show drawing over a cover as into a pane (a child GL window of
// another process, which Wine does not show), or not over the whole cover,
// or not ending with it; any other window is a pane and gets a child.
TEST(Win32HostWindow, DrawsOverAMonitorCoverUntilItGoes) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  ASSERT_TRUE(registerWindowClass(module, monitorCoverClass, DefWindowProcA, nullptr, 0, nullptr, nullptr));
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, 300, 200, nullptr, nullptr, module, nullptr);
  HWND cover = CreateWindowExA(0, monitorCoverClass, "", WS_POPUP, 10, 20, 300, 200, nullptr, nullptr, module, nullptr);
  ASSERT_TRUE(other && cover);
  unsigned long id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(other));
  int width = 0, height = 0;
  // Any other window is a pane: the show gets a child of it.
  ASSERT_TRUE(platform::watchHostWindow(id, width, height));
  EXPECT_EQ(GetParent(reinterpret_cast<HWND>(static_cast<uintptr_t>(id))), other);

  id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(cover));
  ASSERT_TRUE(platform::watchHostWindow(id, width, height));
  HWND drawing = reinterpret_cast<HWND>(static_cast<uintptr_t>(id));
  EXPECT_NE(drawing, cover);
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 200);
  RECT r;
  ASSERT_TRUE(GetWindowRect(drawing, &r));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right, 310);
  EXPECT_EQ(r.bottom, 220);
  const LONG_PTR exStyle = GetWindowLongPtrA(drawing, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
  EXPECT_NE(GetForegroundWindow(), drawing);

  EXPECT_EQ(platform::pollHostWindow(width, height), platform::HostUnchanged);
  DestroyWindow(cover);
  EXPECT_EQ(platform::pollHostWindow(width, height), platform::HostGone);
  DestroyWindow(other);
}

}  // namespace
