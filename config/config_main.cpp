// The settings program: the dialog without arguments or with the
// screensaver's /c, /c:HWND or /c HWND (as the configure mode starts it),
// the command line otherwise.
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/settings.h"
#include "config/config_command.h"
#include "config/config_dialog.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string joined;
  for (const std::string& a : args) joined += (joined.empty() ? "" : " ") + a;
  CommandLine line = parseCommandLine(joined);
  if (args.empty() || (line.mode == RunConfigure && args.size() <= 2))
    return runConfigDialog(argc, argv, settingsFilePath(), line.hasHandle ? line.handle : 0);
  // Its name as it was started: config, config.exe or a link such as
  // orvel-kite-config.
  std::string name = argv[0] ? argv[0] : "config";
  name = name.substr(name.find_last_of("/\\") + 1);
  return runConfigCommand(args, settingsFilePath(), std::cout, std::cerr, name, configDialogForm);
}
