// SettingsLock: keeps the other writers of a settings file out for the
// whole of one read-modify-write (config --set, --reset, the dialog's OK),
// so that two writers started together both land instead of one silently
// undoing the other. It is an exclusive lock on a small file of its own
// beside the settings file ("NAME.lock", empty, left in place): the
// settings file itself is replaced by a rename, which would leave a lock
// held on it behind on the old file. Readers (the show) take no lock; the
// replacement is atomic for them.
#pragma once

#include <cstdint>
#include <string>

class SettingsLock {
 public:
  // How long a writer waits for another one before it gives up.
  static const int defaultWaitMs = 5000;

  SettingsLock() = default;
  ~SettingsLock() { release(); }
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  // Takes the lock of the settings file at path (a link's target already
  // followed), waiting up to waitMs. False with error set when another
  // writer keeps it that long or the lock file cannot be made.
  bool acquire(const std::string& path, std::string& error, int waitMs = defaultWaitMs);
  void release();

 private:
  static std::string waitedTooLong(const std::string& path, int waitMs) {
    return "another writer has kept " + path + " locked for " + std::to_string((waitMs + 999) / 1000) +
           " s; nothing was written (try again)";
  }

  intptr_t handle = -1;  // a file descriptor, or a Windows HANDLE
};
