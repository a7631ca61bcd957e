// Replacing the settings file: a crash before the rename leaves the old file
// whole; permissions and links are kept; failures change nothing.
#include "config/safe_file_writer.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "config_test_files.h"

namespace {

std::string lastTempPath;

bool crashBeforeRename(const std::string& tempPath) {
  lastTempPath = tempPath;
  _exit(7);
}

bool stopBeforeRename(const std::string& tempPath) {
  lastTempPath = tempPath;
  return false;
}

int entriesIn(const std::string& folder) {
  int n = 0;
  DIR* d = opendir(folder.c_str());
  while (dirent* e = readdir(d))
    if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") ++n;
  closedir(d);
  return n;
}

}  // namespace

TEST(SafeFileWriter, CrashBetweenWriteAndRenameLeavesTheOldFile) {
  ConfigTestFolder dir;
  Settings old;
  old.showFps = true;
  old.resolutionIndex = 5;
  const std::string oldBytes = SettingsFile::encode(old);
  writeBytes(dir.path(), oldBytes);
  Settings next;
  next.analogClock = true;

  // A child process dies at the last moment before the rename.
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::string error;
    SafeFileWriter(crashBeforeRename).write(dir.path(), SettingsFile::encode(next), error);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 7);  // it did reach the rename
  EXPECT_EQ(readBytes(dir.path()), oldBytes);
  Settings seen = readAsTheShowDoes(dir.path());
  EXPECT_TRUE(seen.showFps);
  EXPECT_EQ(seen.resolutionIndex, 5u);
  EXPECT_EQ(entriesIn(dir.folder), 2);  // the old file and the abandoned temporary one

  // The same stop in this process: nothing replaced, and the temporary file
  // beside it already held all of the new bytes.
  std::string error;
  EXPECT_FALSE(SafeFileWriter(stopBeforeRename).write(dir.path(), SettingsFile::encode(next), error));
  EXPECT_EQ(readBytes(dir.path()), oldBytes);
  EXPECT_EQ(readBytes(lastTempPath), SettingsFile::encode(next));
  EXPECT_EQ(lastTempPath.compare(0, dir.folder.size() + 1, dir.folder + "/"), 0);

  // Without the stop the new file is in place and no temporary file is added.
  ASSERT_TRUE(SafeFileWriter().write(dir.path(), SettingsFile::encode(next), error)) << error;
  EXPECT_TRUE(readAsTheShowDoes(dir.path()).analogClock);
  EXPECT_EQ(entriesIn(dir.folder), 3);
}

TEST(SafeFileWriter, KeepsPermissionsAndLinks) {
  ConfigTestFolder dir;
  writeBytes(dir.path("real"), "old");
  chmod(dir.path("real").c_str(), 0640);
  ASSERT_EQ(symlink(dir.path("real").c_str(), dir.path().c_str()), 0);
  SafeFileWriter writer;
  std::string error;
  ASSERT_TRUE(writer.write(dir.path(), "new", error)) << error;
  struct stat st;
  ASSERT_EQ(lstat(dir.path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(readBytes(dir.path("real")), "new");
  ASSERT_EQ(stat(dir.path("real").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SafeFileWriter, ALinkToNoFileYetIsKeptAndItsTargetMade) {
  ConfigTestFolder dir;
  mkdir(dir.path("sub").c_str(), 0755);
  // A relative link to a relative link to a file that is not there yet.
  ASSERT_EQ(symlink("sub/middle", dir.path().c_str()), 0);
  ASSERT_EQ(symlink("real", dir.path("sub/middle").c_str()), 0);
  SafeFileWriter writer;
  std::string error;
  ASSERT_TRUE(writer.write(dir.path(), "new", error)) << error;
  struct stat st;
  ASSERT_EQ(lstat(dir.path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(readBytes(dir.path("sub/real")), "new");

  // Its target's folder must exist; a loop of links is refused too.
  ASSERT_EQ(symlink("gone/real", dir.path("far").c_str()), 0);
  EXPECT_FALSE(writer.write(dir.path("far"), "x", error));
  EXPECT_NE(error.find("gone/real, whose folder does not exist"), std::string::npos) << error;
  ASSERT_EQ(symlink("loop", dir.path("loop").c_str()), 0);
  EXPECT_FALSE(writer.write(dir.path("loop"), "x", error));
  EXPECT_NE(error.find("goes round"), std::string::npos) << error;
  EXPECT_EQ(entriesIn(dir.folder), 4);  // nothing added beside them
}

TEST(SafeFileWriter, FailureReportsAndChangesNothing) {
  ConfigTestFolder dir;
  SafeFileWriter writer;
  std::string error;
  EXPECT_FALSE(writer.write(dir.path("no-such-folder/file"), "x", error));
  EXPECT_NE(error.find("no-such-folder"), std::string::npos);
  // A folder or a FIFO where the file should be is left, and no temporary
  // file is left beside it.
  mkdir(dir.path("taken").c_str(), 0755);
  EXPECT_FALSE(writer.write(dir.path("taken"), "x", error));
  EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
  mkfifo(dir.path("pipe").c_str(), 0644);
  EXPECT_FALSE(writer.write(dir.path("pipe"), "x", error));
  struct stat st;
  ASSERT_EQ(lstat(dir.path("pipe").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(entriesIn(dir.folder), 2);
}
