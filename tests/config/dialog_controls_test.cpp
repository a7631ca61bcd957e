// The dialogs' controls to and from the record, through a stand-in toolkit
// that keeps each control's value: a round trip that loses or inverts a
// choice, a resolution past the list that a rewrite would lose, and the
// greying of choices that depend on another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings_field.h"
#include "config/dialog_controls.h"

namespace {

struct FakeDialog {
  std::vector<int> values = std::vector<int>(32, -1);
  std::vector<int> enabled = std::vector<int>(32, -1);
};

int readValue(void* d, size_t i) { return static_cast<FakeDialog*>(d)->values[i]; }
void showValue(void* d, size_t i, int value) { static_cast<FakeDialog*>(d)->values[i] = value; }
void enableValue(void* d, size_t i, bool on) { static_cast<FakeDialog*>(d)->enabled[i] = on; }

class DialogControlsTest : public ::testing::Test {
 protected:
  int indexOf(const std::string& name) const {
    for (size_t i = 0; i < controls.fields.size(); ++i)
      if (controls.fields[i]->name == name) return static_cast<int>(i);
    return -1;
  }
  FakeDialog dialog;
  DialogControls controls{&dialog, readValue, showValue, enableValue};
};

std::string shown(const Settings& r) {
  std::string out;
  for (int i = 0; i < settingsFieldCount; ++i) out += formatSettingsField(r, settingsFields[i]) + " ";
  return out;
}

TEST_F(DialogControlsTest, EveryChoiceComesBackAsItWasFilledIn) {
  Settings flipped;
  for (int i = 0; i < settingsFieldCount; ++i)
    if (settingsFields[i].flag && settingsFields[i].dialogPlace > 0)  // run-time options have no control
      flipped.*settingsFields[i].flag = !(flipped.*settingsFields[i].flag);
  flipped.resolutionIndex = 6;
  for (const Settings& r : {Settings(), flipped}) {
    controls.fill(r);
    EXPECT_EQ(shown(controls.choices(Settings())), shown(r));
  }
  // A radio pair shows its first button for the value firstChoiceOn names.
  EXPECT_EQ(dialog.values[indexOf("analogClock")], 1);  // analog, the first button
  EXPECT_EQ(dialog.values[indexOf("clock24h")], 0);     // 24 hours, the second
}

TEST_F(DialogControlsTest, AResolutionPastTheListIsKeptUntilAnotherRowIsPicked) {
  Settings stored;
  stored.resolutionIndex = 12;
  controls.fill(stored);
  const int list = indexOf("resolutionIndex");
  EXPECT_EQ(dialog.values[list], 0);  // shown as the desktop
  EXPECT_EQ(controls.choices(stored).resolutionIndex, 12u);
  dialog.values[list] = 3;
  EXPECT_EQ(controls.choices(stored).resolutionIndex, 3u);
  dialog.values[list] = -1;
  EXPECT_EQ(controls.choices(Settings()).resolutionIndex, 0u);
}

TEST_F(DialogControlsTest, ChoicesThatDependOnAnotherAreGreyedOut) {
  Settings r;
  r.showClock = true;
  r.analogClock = true;
  r.showCalendar = false;
  controls.fill(r);
  controls.updateAvailability();
  EXPECT_EQ(dialog.enabled[indexOf("showClock")], 1);
  EXPECT_EQ(dialog.enabled[indexOf("largeClock")], 1);
  EXPECT_EQ(dialog.enabled[indexOf("clock24h")], 0);  // an analog face has no 12/24 hours
  EXPECT_EQ(dialog.enabled[indexOf("russianCalendar")], 0);
}

}  // namespace
