// The settings program's command line against real files: every field
// reaches the show's reader, refusals change nothing, reserved data survive.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "config/config_command.h"
#include "app/settings_field.h"
#include "app/settings_file.h"
#include "config_test_files.h"

namespace {

struct CommandResult {
  int status;
  std::string out, err;
};

CommandResult run(const std::string& path, std::vector<std::string> args) {
  std::ostringstream out, err;
  CommandResult r;
  r.status = runConfigCommand(args, path, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// A sound file whose reserved fields hold zero bytes, high bytes and a
// word no default has.
Settings awkwardRecord() {
  Settings s;
  s.reservedText1 = std::string("ab\0cd\xff", 6);
  s.reservedText2 = std::string("\0\0\x80z", 4);
  s.reservedWord = 0xDEADBEEFu;
  return s;
}

}  // namespace

TEST(ConfigCommand, EveryFieldReachesTheShowsReader) {
  ConfigTestFolder dir;
  const char* flags[] = {"showFps", "showClock", "analogClock", "clock24h",
                         "largeClock", "showCalendar", "russianCalendar", "quitOnMouseMove"};
  // Each flag on its own, both ways, so a field written at another's offset shows.
  for (const char* name : flags) {
    for (const char* value : {"1", "0"}) {
      ASSERT_EQ(run(dir.path(), {"--reset", "--set", std::string(name) + "=" + value}).status, 0) << name;
      Settings s = readAsTheShowDoes(dir.path());
      Settings expected;
      bool v = value[0] == '1';
      if (std::string(name) == "showFps") expected.showFps = v;
      if (std::string(name) == "showClock") expected.showClock = v;
      if (std::string(name) == "analogClock") expected.analogClock = v;
      if (std::string(name) == "clock24h") expected.clock24h = v;
      if (std::string(name) == "largeClock") expected.largeClock = v;
      if (std::string(name) == "showCalendar") expected.showCalendar = v;
      if (std::string(name) == "russianCalendar") expected.russianCalendar = v;
      if (std::string(name) == "quitOnMouseMove") expected.quitOnMouseMove = v;
      EXPECT_EQ(SettingsFile::encode(s), SettingsFile::encode(expected)) << name << "=" << value;
      EXPECT_EQ(readBytes(dir.path()).size(), 28u);
    }
  }
  for (uint32_t row = 0; row < 10; ++row) {
    ASSERT_EQ(run(dir.path(), {"--set", "resolutionIndex=" + std::to_string(row)}).status, 0);
    EXPECT_EQ(readAsTheShowDoes(dir.path()).resolutionIndex, row);
  }
  // The other spellings the command line takes.
  ASSERT_EQ(run(dir.path(), {"--set", "resolution=1280x1024", "showFps=TRUE", "clock24h=on", "showClock=off"}).status, 0);
  Settings s = readAsTheShowDoes(dir.path());
  EXPECT_EQ(s.resolutionIndex, 7u);
  EXPECT_EQ(s.displayWidth(), 1280);
  EXPECT_TRUE(s.showFps);
  EXPECT_TRUE(s.clock24h);
  EXPECT_FALSE(s.showClock);
  ASSERT_EQ(run(dir.path(), {"--set", "resolution=desktop"}).status, 0);
  EXPECT_EQ(readAsTheShowDoes(dir.path()).resolutionIndex, 0u);
}

TEST(ConfigCommand, RefusalsLeaveTheFileAsItWas) {
  ConfigTestFolder dir;
  writeBytes(dir.path(), SettingsFile::encode(awkwardRecord()));
  const std::string before = readBytes(dir.path());
  const std::vector<std::vector<std::string>> refused = {
      {"--set", "bogus=1"},
      {"--set", "showFps=2"},
      {"--set", "showFps="},
      {"--set", "showFps"},
      {"--set", "=1"},
      {"--set", "resolutionIndex=10"},
      {"--set", "resolution=4294967296"},
      {"--set", "resolution=-1"},
      {"--set", "resolution=1024x769"},
      {"--set", "reservedWord=1"},
      {"--set", "reservedText1=x"},
      {"--set", "showFps=1", "bogus=1"},  // one bad name stops the good one too
      {"--set", "showFps=1", "--frobnicate"},
      {"--file"},
      {},
  };
  for (const auto& args : refused) {
    CommandResult r = run(dir.path(), args);
    std::string joined;
    for (const std::string& a : args) joined += a + " ";
    EXPECT_NE(r.status, 0) << joined;
    EXPECT_FALSE(r.err.empty()) << joined;
    EXPECT_EQ(readBytes(dir.path()), before) << joined;
  }
  // No file: a refusal creates none.
  ConfigTestFolder empty;
  EXPECT_NE(run(empty.path(), {"--set", "bogus=1"}).status, 0);
  EXPECT_FALSE(fileExists(empty.path()));
}

TEST(ConfigCommand, ReservedDataSurviveARewriteByteForByte) {
  ConfigTestFolder dir;
  const std::string before = SettingsFile::encode(awkwardRecord());
  writeBytes(dir.path(), before);
  ASSERT_EQ(run(dir.path(), {"--set", "showFps=1"}).status, 0);
  std::string expected = before;
  expected[21 + 6 + 4] = 1;  // the showFps byte, after both texts
  EXPECT_EQ(readBytes(dir.path()), expected);
  // A reset changes the choices and keeps what is not ours.
  ASSERT_EQ(run(dir.path(), {"--reset"}).status, 0);
  EXPECT_EQ(readBytes(dir.path()), before);
  // The show still finds every field behind texts it cuts short.
  Settings s = readAsTheShowDoes(dir.path());
  EXPECT_EQ(s.reservedText1, "ab");
  EXPECT_EQ(s.reservedWord, 0xDEADBEEFu);
  EXPECT_TRUE(s.showClock);
}

TEST(ConfigCommand, ForeignAndDamagedFilesNeedAnExplicitReset) {
  ConfigTestFolder dir;
  std::string sound = SettingsFile::encode(awkwardRecord());
  const std::string shapes[] = {
      std::string("\x02\0\0\0", 4),              // another format
      std::string("\x01\0", 2),                  // too short for a format number
      sound.substr(0, sound.size() - 1),         // ends before its last field
      std::string("\x01\0\0\0\xff\xff\xff\xff", 8),  // a text longer than the file
      sound + "tail",                            // bytes nobody knows
  };
  for (const std::string& shape : shapes) {
    writeBytes(dir.path(), shape);
    CommandResult r = run(dir.path(), {"--set", "showFps=1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--reset"), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.path()), shape);
    // --show still works and says what the show makes of it.
    r = run(dir.path(), {"--show"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("not a sound settings file"), std::string::npos);
    EXPECT_EQ(readBytes(dir.path()), shape);
    // Asked for, the reset replaces it with clean defaults plus the change.
    ASSERT_EQ(run(dir.path(), {"--reset", "--set", "showFps=1"}).status, 0);
    Settings expected;
    expected.showFps = true;
    EXPECT_EQ(readBytes(dir.path()), SettingsFile::encode(expected));
  }
}

// A folder or a FIFO where the file should be: no writer can replace it, so
// neither --set nor --reset offers to, and a FIFO never blocks the read.
TEST(ConfigCommand, FolderOrFifoAtThePathIsLeftAndNamed) {
  ConfigTestFolder dir;
  alarm(60);  // a read that waits on the FIFO fails the test instead of hanging it
  for (const bool fifo : {false, true}) {
    const std::string path = dir.path(fifo ? "fifo" : "folder");
    ASSERT_EQ(fifo ? mkfifo(path.c_str(), 0644) : mkdir(path.c_str(), 0755), 0);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--set", "showFps=1"},
                                                 std::vector<std::string>{"--reset"}}) {
      const CommandResult r = run(path, args);
      EXPECT_EQ(r.status, 1) << args[0];
      EXPECT_EQ(r.err.find("--reset"), std::string::npos) << r.err;
      EXPECT_NE(r.err.find(fifo ? "it is not a regular file" : "it is a folder"), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("remove or rename it"), std::string::npos) << r.err;
    }
    struct stat st;
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
    // What the show takes from it: the defaults.
    SettingsFile file;
    file.load(path);
    EXPECT_EQ(file.state, SettingsFileUnreadable);
    EXPECT_EQ(SettingsFile::encode(file.record), SettingsFile::encode(Settings()));
  }
  alarm(0);
}

TEST(ConfigCommand, ShowPrintsEveryFieldInTheRecordsOrder) {
  ConfigTestFolder dir;
  writeBytes(dir.path(), SettingsFile::encode(awkwardRecord()));
  CommandResult r = run(dir.path(), {"--set", "resolution=3", "--show"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "showFps=false\nshowClock=true\nanalogClock=false\nclock24h=false\nlargeClock=true\n"
            "showCalendar=true\nrussianCalendar=false\nreservedText2=\\x00\\x00\\x80z\n"
            "reservedText1=ab\\x00cd\\xff\nquitOnMouseMove=false\nreservedWord=3735928559\n"
            "resolutionIndex=3\n");
  // A missing file shows the defaults and is not created.
  ConfigTestFolder empty;
  r = run(empty.path(), {"--show"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("showClock=true\n"), std::string::npos);
  EXPECT_FALSE(fileExists(empty.path()));
  EXPECT_EQ(run(empty.path(), {"--help"}).status, 0);
}

// --help as a new user reads it: the program's own name, the dialog's form
// of this platform only where it has one, every setting once with its
// values and default in aligned columns, and the sizes the resolution takes.
TEST(ConfigCommand, HelpListsEverySettingInAlignedColumns) {
  ConfigTestFolder dir;
  for (const char* form : {"", "/c[:HWND]"}) {
    std::ostringstream out, err;
    ASSERT_EQ(0, runConfigCommand({"--help"}, dir.path(), out, err, "orvel-kite-config", form));
    const std::string help = out.str();
    EXPECT_EQ(0u, help.find("Usage: orvel-kite-config "));
    EXPECT_EQ(*form != 0, help.find("/c[:HWND]") != std::string::npos);
    EXPECT_NE(std::string::npos, help.find(dir.path()));
    EXPECT_NE(std::string::npos, help.find("1280x1024"));
    std::istringstream lines(help);
    size_t defaultColumn = 0, settings = 0;
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(line.size(), 79u) << line;
      const size_t at = line.find("  default ");
      if (at == std::string::npos) continue;
      ++settings;
      if (defaultColumn == 0) defaultColumn = at;
      EXPECT_EQ(defaultColumn, at) << line;
    }
    int stored = 0;
    for (int i = 0; i < settingsFieldCount; ++i) {
      const SettingsField& f = settingsFields[i];
      if (f.store != StoredField) continue;
      ++stored;
      EXPECT_NE(std::string::npos, help.find("  " + settingsFieldOptionName(f) + "=")) << f.name;
    }
    EXPECT_EQ(static_cast<size_t>(stored), settings);
    EXPECT_NE(std::string::npos, help.find("analogClock=0|1"));
    EXPECT_NE(std::string::npos, help.find("Clock face: 1 analog, 0 digital"));
  }
  // A size that is not in the list is refused with the list.
  const CommandResult r = run(dir.path(), {"--set", "resolution=1920x1080"});
  EXPECT_EQ(2, r.status);
  EXPECT_NE(std::string::npos, r.err.find("1920x1080")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("640x480, 800x600")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("or 1600x1200")) << r.err;
}

TEST(ConfigCommand, FileOptionNamesAnotherFile) {
  ConfigTestFolder dir;
  ASSERT_EQ(run(dir.path(), {"--file", dir.path("other"), "--set", "showFps=1"}).status, 0);
  EXPECT_FALSE(fileExists(dir.path()));
  EXPECT_TRUE(readAsTheShowDoes(dir.path("other")).showFps);
}
