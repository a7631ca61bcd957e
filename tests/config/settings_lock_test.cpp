// Writers of one settings file: two started at the same moment both land,
// and one that cannot have the lock gives up instead of writing.
#include "config/settings_lock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sstream>

#include "app/settings_file.h"
#include "config/config_command.h"
#include "config_test_files.h"

TEST(SettingsLock, TwoWritersStartedTogetherBothLand) {
  ConfigTestFolder dir;
  const char* changes[2] = {"showFps=1", "clock24h=1"};
  // Without the lock one change was lost in about three trials of four.
  for (int trial = 0; trial < 30; ++trial) {
    writeBytes(dir.path(), SettingsFile::encode(Settings()));
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t writers[2];
    for (int k = 0; k < 2; ++k) {
      writers[k] = fork();
      ASSERT_GE(writers[k], 0);
      if (writers[k] == 0) {
        close(start[1]);
        char byte;
        if (read(start[0], &byte, 1) != 0) _exit(9);  // both wake when the pipe closes
        std::ostringstream out, err;
        _exit(runConfigCommand({"--set", changes[k]}, dir.path(), out, err));
      }
    }
    close(start[0]);
    close(start[1]);
    for (pid_t w : writers) {
      int status = -1;
      ASSERT_EQ(waitpid(w, &status, 0), w);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "trial " << trial;
    }
    const Settings seen = readAsTheShowDoes(dir.path());
    ASSERT_TRUE(seen.showFps && seen.clock24h) << "trial " << trial << ": a change reported as made is not in the file";
  }
}

TEST(SettingsLock, AWriterKeptOutGivesUp) {
  ConfigTestFolder dir;
  SettingsLock first, second;
  std::string error;
  ASSERT_TRUE(first.acquire(dir.path(), error)) << error;
  EXPECT_FALSE(second.acquire(dir.path(), error, 60));
  EXPECT_NE(error.find("locked"), std::string::npos) << error;
  first.release();
  EXPECT_TRUE(second.acquire(dir.path(), error, 60)) << error;
}
