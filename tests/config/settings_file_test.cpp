// Reading the settings file for rewriting: sound, foreign and damaged files,
// raw texts, and the dialog's rules for which choices apply.
#include "app/settings_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/frame_pacer.h"
#include "app/settings_field.h"
#include "config_test_files.h"

TEST(SettingsFile, KeepsTextsWholeAndMatchesTheShowOnEveryOtherField) {
  Settings r;
  r.reservedText1 = std::string("\0x\0", 3);
  r.reservedText2 = "plain";
  r.quitOnMouseMove = true;
  r.reservedWord = 77;
  r.resolutionIndex = 12;  // past the table: kept as it is
  r.russianCalendar = true;
  const std::string bytes = SettingsFile::encode(r);
  ASSERT_EQ(bytes.size(), 28u + 3 + 5);
  SettingsFile f;
  f.decode(bytes);
  EXPECT_EQ(f.state, SettingsFileValid);
  EXPECT_EQ(f.record.reservedText1, r.reservedText1);
  EXPECT_EQ(SettingsFile::encode(f.record), bytes);
  EXPECT_EQ(f.record.resolutionIndex, 12u);
}

TEST(SettingsFile, TellsWhatIsWrongWithAFile) {
  ConfigTestFolder dir;
  SettingsFile f;
  f.load(dir.path());
  EXPECT_EQ(f.state, SettingsFileMissing);
  EXPECT_TRUE(f.safeToRewrite());
  writeBytes(dir.path(), "");
  f.load(dir.path());
  EXPECT_EQ(f.state, SettingsFileMissing);  // nothing in it to lose

  // A huge text length is checked against the file before anything is read.
  f.decode(std::string("\x01\0\0\0\xf0\xff\xff\xff", 8));
  EXPECT_EQ(f.state, SettingsFileDamaged);
  EXPECT_NE(f.problem.find("first reserved text"), std::string::npos);

  // A short file keeps what the show would read and defaults for the rest.
  Settings r;
  r.showFps = true;
  r.quitOnMouseMove = true;
  std::string bytes = SettingsFile::encode(r);
  f.decode(bytes.substr(0, 14));
  EXPECT_EQ(f.state, SettingsFileDamaged);
  EXPECT_TRUE(f.record.quitOnMouseMove);
  EXPECT_FALSE(f.record.showFps);
  EXPECT_FALSE(f.safeToRewrite());

  mkdir(dir.path("folder").c_str(), 0755);
  f.load(dir.path("folder"));
  EXPECT_EQ(f.state, SettingsFileUnreadable);
  EXPECT_FALSE(f.safeToRewrite());
  // A FIFO with no writer would block a plain open for ever.
  mkfifo(dir.path("fifo").c_str(), 0644);
  f.load(dir.path("fifo"));
  EXPECT_EQ(f.state, SettingsFileUnreadable);
  EXPECT_NE(f.problem.find("not a regular file"), std::string::npos);
}

TEST(SettingsField, ChoicesApplyOnlyWhereTheyMeanSomething) {
  auto available = [](const Settings& r, const char* name) {
    return settingsFieldAvailable(r, *findSettingsField(name));
  };
  Settings r;
  r.showClock = true;
  r.analogClock = true;
  EXPECT_TRUE(available(r, "analogClock"));
  EXPECT_TRUE(available(r, "largeClock"));
  EXPECT_FALSE(available(r, "clock24h"));  // an analog face has no 12/24
  r.analogClock = false;
  EXPECT_TRUE(available(r, "clock24h"));
  r.showClock = false;
  EXPECT_FALSE(available(r, "analogClock"));
  EXPECT_FALSE(available(r, "largeClock"));
  EXPECT_FALSE(available(r, "clock24h"));
  r.showCalendar = false;
  EXPECT_FALSE(available(r, "russianCalendar"));
  EXPECT_EQ(resolutionLabel(0), "Desktop");
  EXPECT_EQ(resolutionLabel(3), "1024 x 768");
  EXPECT_EQ(resolutionLabel(9), "1600 x 1200");
}

// The show's command-line options: every field but the reserved ones, with
// the values config --set takes; anything else is left to the caller.
TEST(SettingsField, ShowOptionsOverrideTheRecord) {
  struct Case {
    const char* argument;
    SettingsOptionResult result;
  } cases[] = {
      {"--showFps", SettingsOptionTaken},
      {"--analogClock=on", SettingsOptionTaken},
      {"--largeClock=0", SettingsOptionTaken},
      {"--resolution=1024x768", SettingsOptionTaken},
      {"--showFps=2", SettingsOptionRefused},
      {"--resolutionIndex", SettingsOptionRefused},
      {"--reservedWord=1", NotASettingsOption},
      {"--window-id=5", NotASettingsOption},
      {"-root", NotASettingsOption},
      {"showFps=1", NotASettingsOption},
      // The frame cap: a run-time field, also spelt the X11 way.
      {"--maxFps=0", SettingsOptionTaken},
      {"--max-fps=30", SettingsOptionTaken},
      {"--max-fps=1001", SettingsOptionRefused},
      {"--max-fps=-1", SettingsOptionRefused},
      {"--max-fps", SettingsOptionRefused},
      {"--frame-clock=50", SettingsOptionTaken},
      {"--frame-clock=1001", SettingsOptionRefused},
  };
  Settings r;
  EXPECT_EQ(r.maxFps, FramePacer::rendererDefault);
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(applySettingsOption(r, c.argument, error), c.result) << c.argument;
    EXPECT_EQ(error.empty(), c.result != SettingsOptionRefused) << c.argument;
  }
  EXPECT_TRUE(r.showFps);
  EXPECT_TRUE(r.analogClock);
  EXPECT_FALSE(r.largeClock);
  EXPECT_EQ(r.resolutionIndex, 3u);
  EXPECT_EQ(r.reservedWord, 0u);
  EXPECT_EQ(r.maxFps, 30u);
  EXPECT_EQ(r.frameClock, 50u);
}
