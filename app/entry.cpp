// Entry: command-line parsing, run modes, the show's start-up and shut-down.
#include "app/entry.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "app/display.h"
#include "app/globals.h"
#include "app/install_dir.h"
#include "app/main_loop.h"
#include "app/preview.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "app/settings_field.h"
#include "app/settings_file.h"
#include "app/show_options.h"
#include "archive/archive_cache.h"
#include "platform/platform.h"

static int runScreensaver() {
  platform::putEnvironment(allowScreensaver);
  installDir.runProgram("Orvel Kite.exe", true);
  return 0;
}

static int runConfigure(const CommandLine& line) {
  // The settings program gets the owner window as /c:HWND, so its dialog
  // belongs to the window that asked for it.
  std::string argument = line.hasHandle ? "/c:" + std::to_string(line.handle) : std::string();
  installDir.runProgram("config.exe", false, argument);
  return 0;
}

static void printShowHelp() {
  std::printf(
      "Usage: orvel-kite [-root | -window-id ID | -window] [--SETTING=VALUE ...]\n"
      "Without a place, the show takes the whole screen until Escape.\n"
      "  -root             draw into the window named by XSCREENSAVER_WINDOW, else the root window\n"
      "  -window-id ID     draw into window ID (decimal or 0x hexadecimal)\n"
      "  -window           a resizable window on the desktop; closing it ends the show\n"
      "  -fps              the same as --showFps=1\n"
      "  --help            this text (after checking the options before it)\n"
      "Settings for this run, over those of the settings file:\n");
  for (int i = 0; i < settingsFieldCount; ++i) {
    const SettingsField& field = settingsFields[i];
    if (field.store == ReservedField) continue;
    std::printf("  --%s=VALUE  %s: %s\n", field.name, plainLabel(field.label).c_str(),
                settingsValueHelp(field).c_str());
  }
}

// The show: full screen, or where its options say (ShowOptions).
static int runShow(const std::string& commandLine) {
  ShowOptions options;
  if (!options.parse(commandLine, std::getenv("XSCREENSAVER_WINDOW"))) {
    std::fprintf(stderr, "Orvel Kite: %s\n", options.error.c_str());
    return 2;
  }
  // A missing, foreign or unreadable file gives the defaults; the show
  // reports nothing about it.
  SettingsFile file;
  file.load(settingsFilePath());
  Settings record(file.record);
  for (const std::string& argument : options.settingArguments) {
    std::string error;
    SettingsOptionResult result = applySettingsOption(record, argument, error);
    if (result == NotASettingsOption) error = "unknown option " + argument + " (--help lists them)";
    if (result != SettingsOptionTaken) {
      std::fprintf(stderr, "Orvel Kite: %s\n", error.c_str());
      return 2;
    }
  }
  if (options.help) {
    printShowHelp();
    return 0;
  }
  archiveCache.setBasePath(installDir.folder().c_str());
  settings = new Settings(record);

  display = new Display;
  if (options.place == ShowInWindow) {
    display->openInWindow(options.windowId);
  } else if (options.place == ShowInDesktopWindow) {
    display->openDesktopWindow(1024, 768);
  } else {
    display->open(settings->displayWidth(), settings->displayHeight(), settings->displayDepth());
    platform::coverOtherMonitors();
  }
  buildScene();
  runMainLoop();
  platform::uncoverOtherMonitors();
  shutDownShow();
  return 0;
}

int appMain(const std::string& commandLine, void* instance) {
  CommandLine line = parseCommandLine(commandLine);
  switch (line.mode) {
    case RunScreensaver:
      return runScreensaver();
    case RunConfigure:
      return runConfigure(line);
    case RunPreview:
      return runPreview(instance, line.hasHandle, line.handle);
    case RunShow:
    default:
      return runShow(commandLine);
  }
}
