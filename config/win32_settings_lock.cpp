// SettingsLock for Windows: LockFileEx on NAME.lock, polled until the wait
// is over.
#include <windows.h>

#include "config/settings_lock.h"

bool SettingsLock::acquire(const std::string& path, std::string& error, int waitMs) {
  release();
  const std::string lockPath = path + ".lock";
  HANDLE file = CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = "cannot lock " + path + ": its .lock file cannot be opened (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  for (int waited = 0;; waited += 20) {
    OVERLAPPED at = {};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      handle = reinterpret_cast<intptr_t>(file);
      return true;
    }
    const DWORD code = GetLastError();
    if (code != ERROR_LOCK_VIOLATION && code != ERROR_IO_PENDING) {
      error = "cannot lock " + path + " (error " + std::to_string(code) + ")";
      break;
    }
    if (waited >= waitMs) {
      error = waitedTooLong(path, waitMs);
      break;
    }
    Sleep(20);
  }
  CloseHandle(file);
  return false;
}

void SettingsLock::release() {
  if (handle == -1) return;
  // Closing the handle releases its locks.
  CloseHandle(reinterpret_cast<HANDLE>(handle));
  handle = -1;
}
