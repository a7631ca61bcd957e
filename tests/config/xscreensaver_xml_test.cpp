// The xscreensaver settings page: every setting that means something in the
// daemon's window has its control, passing options the show takes.
#include "config/xscreensaver_xml.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/settings_field.h"

TEST(XscreensaverXml, EverySettingOfAHostWindowHasItsControl) {
  std::ostringstream out;
  writeXscreensaverXml(out);
  const std::string page = out.str();
  for (int i = 0; i < settingsFieldCount; ++i) {
    const SettingsField& field = settingsFields[i];
    const std::string option = "--" + std::string(field.name) + "=";
    // Reserved fields are set by nobody; the daemon decides the window's
    // size and when the show ends; a fixed frame clock is for benchmarks.
    const bool expected = field.store != ReservedField && field.word != &Settings::resolutionIndex &&
                          field.flag != &Settings::quitOnMouseMove && field.word != &Settings::frameClock;
    EXPECT_EQ(page.find("id=\"" + std::string(field.name) + "\"") != std::string::npos, expected) << field.name;
    EXPECT_EQ(page.find(option) != std::string::npos, expected) << field.name;
    if (!expected) continue;
    // Each control passes a value the show's options take.
    for (size_t at = page.find(option); at != std::string::npos; at = page.find(option, at + 1)) {
      const size_t end = page.find('"', at);
      std::string argument = page.substr(at, end - at);
      if (argument.back() == '%') argument.replace(argument.size() - 1, 1, "0");
      Settings record;
      std::string error;
      EXPECT_EQ(applySettingsOption(record, argument, error), SettingsOptionTaken) << argument << ": " << error;
    }
  }
}
