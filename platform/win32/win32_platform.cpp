// Windows implementation of the platform layer (all but the preview window):
// the registry, the shell's common application-data folder, starting
// programs and the C runtime's environment.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/regular_file.h"
#include "platform/win32/win32_process.h"

namespace platform {

const char pathSeparator = '\\';

std::string programFolder() {
  // Room for the longest path (32767 characters, at most two bytes each in
  // the ANSI code page); a truncated name is no folder.
  std::vector<char> buf(65536);
  const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
  if (n == 0 || n >= buf.size()) return ".\\";
  const std::string path(buf.data(), n);
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
}

// Install folders are short; a value past this is not one.
static const DWORD maxRegistryText = 32768;

bool readRegistryText(const char* subKey, const char* valueName, std::string& out) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  // One query with room for the longest value taken: a longer one fails
  // (ERROR_MORE_DATA), as does one that is empty or not text.
  std::vector<char> buf(maxRegistryText + 1, '\0');  // registry text need not end with NUL
  DWORD type = 0, got = maxRegistryText;
  const bool ok =
      RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got) == ERROR_SUCCESS &&
      got > 0 && (type == REG_SZ || type == REG_EXPAND_SZ);
  RegCloseKey(key);
  if (!ok) return false;
  out = std::string(buf.data(), strnlen(buf.data(), got));
  if (type == REG_EXPAND_SZ) {
    std::vector<char> expanded(maxRegistryText);
    const DWORD n = ExpandEnvironmentStringsA(out.c_str(), expanded.data(), maxRegistryText);
    if (n > 0 && n <= maxRegistryText) out = expanded.data();
  }
  return true;
}

std::string commonAppDataFolder() {
  char buf[MAX_PATH + 1] = {0};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buf)))
    return ".";
  std::string folder(buf);
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

static int64_t readHandle(void* handle, char* into, size_t want, std::string& problem) {
  DWORD n = 0;
  if (ReadFile(static_cast<HANDLE>(handle), into, static_cast<DWORD>(std::min<size_t>(want, 1u << 20)), &n, nullptr))
    return n;
  problem = "it could not be read to the end";
  return -1;
}

FileReadResult readRegularFile(const std::string& path, uint64_t maxBytes, std::string& bytes, std::string& problem) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    // A folder cannot be opened as a file at all; say what it is.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      problem = "it is a folder";
      return FileUnreadable;
    }
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileMissing;
    problem = error == ERROR_ACCESS_DENIED ? std::string("access is denied")
                                           : "it cannot be opened (error " + std::to_string(error) + ")";
    return FileUnreadable;
  }
  FileReadResult result = FileUnreadable;
  LARGE_INTEGER size;
  if (GetFileType(file) != FILE_TYPE_DISK)
    problem = "it is not a regular file";
  else if (!GetFileSizeEx(file, &size))
    problem = "its size cannot be read";
  else
    result =
        readWholeFile(RegularFile{file, static_cast<uint64_t>(size.QuadPart), readHandle}, maxBytes, bytes, problem);
  CloseHandle(file);
  return result;
}

std::string programFileName(const std::string& windowsName) { return windowsName; }

HANDLE endWithCallerJob() {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (!job) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    CloseHandle(job);
    return nullptr;
  }
  return job;
}

HANDLE startProcess(const std::string& path, const std::string& workingFolder, const std::string& argument,
                    HANDLE job) {
  // The command line starts with the quoted path. Without one, Windows uses
  // the bare path, and the started program would take the words after a
  // space in its folder name for its command line (a folder "My
  // Screensavers" would start it in the configure mode).
  std::string line = "\"" + path + "\"";
  if (!argument.empty()) line += " " + argument;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // Into a job it starts suspended, so that it is in the job before it can
  // start anything of its own.
  if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, job ? CREATE_SUSPENDED : 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    return nullptr;
  // Where the job cannot take it (an older system inside a job of its own),
  // the program still runs, as it did before jobs.
  if (job) {
    AssignProcessToJobObject(job, info.hProcess);
    ResumeThread(info.hThread);
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

HANDLE startShowInWindow(const std::string& path, const std::string& workingFolder, HWND window,
                         const std::string& options, HANDLE job) {
  // Window handles carry 32 significant bits; the show sign-extends them.
  std::string argument =
      "-window-id " + std::to_string(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
  if (!options.empty()) argument += " " + options;
  return startProcess(path, workingFolder, argument, job);
}

bool startProgram(const std::string& path, const std::string& workingFolder, bool wait, const std::string& argument) {
  // A program waited for runs in a job that ends it when this process's
  // handle to the job closes: the system knows only the waiting process (the
  // .scr), and ending that must end the show as well.
  HANDLE job = wait ? endWithCallerJob() : nullptr;
  HANDLE process = startProcess(path, workingFolder, argument, job);
  if (process && wait) WaitForSingleObject(process, INFINITE);
  // Kept open until now: closing the job ends everything still in it.
  if (job) CloseHandle(job);
  if (!process) return false;
  CloseHandle(process);
  return true;
}

void putEnvironment(const char* assignment) { _putenv(assignment); }

// The graphics device interface driver carries OpenGL through WGL.
const char* const displayVideoDrivers[] = {"windib", "directx", nullptr};

const bool singleSampleRestart = false;
const bool blankCursor = false;

// Windows has no session message bus.
void useOnlyRunningSessionBus() {}

int displayRefreshRate() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
  // 0 and 1 stand for the hardware's default rate, which it does not name.
  return mode.dmDisplayFrequency > 1 ? static_cast<int>(mode.dmDisplayFrequency) : 0;
}

}  // namespace platform
