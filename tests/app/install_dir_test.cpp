// Starting programs from the install folder: working folder, waiting, and a
// program that is not there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "app/globals.h"
#include "app/install_dir.h"
#include "support/test_folder.h"

namespace {

class RunProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string helper = std::string(ORVEL_HELPER_DIR) + "/start_recorder";
    // Installed under the names the modes start, without the Windows suffix.
    ASSERT_EQ(symlink(helper.c_str(), (folder + "/Orvel Kite").c_str()), 0);
    ASSERT_EQ(symlink(helper.c_str(), (folder + "/config").c_str()), 0);
  }
  bool started() const { return std::ifstream(folder + "/started.txt").good(); }
  std::string line(int n) const {
    std::ifstream in(folder + "/started.txt");
    std::string s;
    for (int i = 0; i <= n; ++i) std::getline(in, s);
    return s;
  }

  TestFolder scratch;
  const std::string folder = scratch.path();
};

}  // namespace

TEST_F(RunProgram, WaitsAndRunsInTheFolderWithoutItsTrailingSeparator) {
  std::ofstream(folder + "/delay") << 300;
  InstallDir dir(folder + "/");
  EXPECT_EQ(dir.pathOf("main.pak"), folder + "/main.pak");
  EXPECT_TRUE(dir.runProgram("Orvel Kite.exe", true));
  ASSERT_TRUE(started()) << "returned before the program ended";
  EXPECT_EQ(line(0), folder);
}

TEST_F(RunProgram, WithoutWaitingReturnsAtOnce) {
  std::ofstream(folder + "/hold") << "";
  InstallDir dir(folder + "/");
  EXPECT_TRUE(dir.runProgram("config.exe", false));
  EXPECT_FALSE(started()) << "waited for the program";
  std::ofstream(folder + "/release") << "";
  for (int i = 0; i < 1200 && !started(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(started());
  EXPECT_EQ(line(0), folder);
}

TEST_F(RunProgram, AMissingProgramIsReportedAndNothingRuns) {
  InstallDir dir(folder + "/");
  EXPECT_FALSE(dir.runProgram("nothing.exe", true));
  EXPECT_FALSE(dir.runProgram("nothing.exe", false));
  InstallDir elsewhere(folder + "/no-such-folder/");
  EXPECT_FALSE(elsewhere.runProgram("config.exe", true));
}

TEST(InstallDirText, AFolderWithoutItsSeparatorGetsOne) {
  EXPECT_EQ(InstallDir("/opt/kite").pathOf("main.pak"), "/opt/kite/main.pak");
  EXPECT_EQ(InstallDir("/opt/kite/").pathOf("main.pak"), "/opt/kite/main.pak");
  EXPECT_EQ(InstallDir("").pathOf("main.pak"), "main.pak");
}

TEST(InstallDirDefault, IsTheFolderOfTheRunningProgram) {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  ASSERT_GT(n, 0);
  std::string exe(buf, static_cast<size_t>(n));
  EXPECT_EQ(installDir.folder(), exe.substr(0, exe.rfind('/') + 1));
}
