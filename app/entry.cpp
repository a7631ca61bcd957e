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
#include "app/settings_help.h"
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
      "Usage: orvel-kite [-root | -window-id ID | -window] [OPTION...]\n"
      "\n"
      "Orvel Kite, a screensaver: a snowy valley turns under falling snow, with a\n"
      "calendar page and a clock in the corners. Without -root, -window-id or -window\n"
      "the show takes the whole screen until Escape.\n"
      "\n"
      "Where it draws:\n%s%s%s\n"
      "Settings for this run, over those of the settings file (which config sets):\n%s\n"
      "Options of this run only, not kept in the settings file:\n%s%s%s\n%s",
      settingsHelpRow("-root", "XSCREENSAVER_WINDOW's window, else the root window").c_str(),
      settingsHelpRow("-window-id ID", "the window ID (decimal or 0x hexadecimal)").c_str(),
      settingsHelpRow("-window", "a resizable window of 1024 x 768 on the desktop").c_str(),
      settingsHelpLines(StoredField, "--").c_str(), settingsHelpLines(RunTimeField, "--").c_str(),
      settingsHelpRow("-fps", "the same as --showFps=1").c_str(),
      settingsHelpRow("-h, --help", "this text (after checking the options before it)").c_str(),
      settingsHelpNotes().c_str());
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
    platform::coverOtherMonitors(commandLine);
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
