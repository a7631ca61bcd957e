// The settings writers' lock on Windows: a second writer is kept out while
// the first holds it, gives up after its wait, and gets it once released.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "config/settings_lock.h"

TEST(SettingsLockWin32, SecondWriterWaitsThenGivesUp) {
  char folder[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "orvel-lock-test-" + std::to_string(GetCurrentProcessId());
  SettingsLock first, second;
  std::string error;
  ASSERT_TRUE(first.acquire(path, error)) << error;
  const DWORD start = GetTickCount();
  EXPECT_FALSE(second.acquire(path, error, 200));
  EXPECT_GE(GetTickCount() - start, 150u);  // it did wait before giving up
  EXPECT_NE(error.find("locked"), std::string::npos) << error;
  first.release();
  EXPECT_TRUE(second.acquire(path, error, 200)) << error;
  second.release();
  DeleteFileA((path + ".lock").c_str());
}
