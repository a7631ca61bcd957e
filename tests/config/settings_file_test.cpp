// Reading the settings file for rewriting: sound, foreign and damaged files,
// raw texts, and the dialog's rules for which choices apply.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "config/settings_field.h"
#include "config/settings_file.h"
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
}

TEST(SettingsField, ChoicesApplyOnlyWhereTheyMeanSomething) {
  Settings r;
  r.showClock = true;
  r.analogClock = true;
  EXPECT_TRUE(choiceAvailability(r).clockStyle);
  EXPECT_FALSE(choiceAvailability(r).hourFormat);  // an analog face has no 12/24
  r.analogClock = false;
  EXPECT_TRUE(choiceAvailability(r).hourFormat);
  r.showClock = false;
  EXPECT_FALSE(choiceAvailability(r).clockStyle);
  EXPECT_FALSE(choiceAvailability(r).hourFormat);
  r.showCalendar = false;
  EXPECT_FALSE(choiceAvailability(r).russian);
  EXPECT_EQ(resolutionLabel(0), "Desktop");
  EXPECT_EQ(resolutionLabel(3), "1024 x 768");
  EXPECT_EQ(resolutionLabel(9), "1600 x 1200");
}
