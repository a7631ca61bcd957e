// The settings program: the dialog without arguments (as the configure mode
// starts it), the command line otherwise.
#include <iostream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "config/config_command.h"
#include "config/config_dialog.h"

int main(int argc, char** argv) {
  if (argc <= 1) return runConfigDialog(argc, argv, settingsFilePath());
  std::vector<std::string> args(argv + 1, argv + argc);
  return runConfigCommand(args, settingsFilePath(), std::cout, std::cerr);
}
