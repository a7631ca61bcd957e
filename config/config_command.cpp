// The settings program's command line: parse everything first, so that a
// single bad argument changes nothing, then read, change, write, print.
#include "config/config_command.h"

#include <ostream>

#include "config/settings_field.h"
#include "config/settings_file.h"

void printConfigUsage(std::ostream& out) {
  out << "Usage: config                       open the settings dialog\n"
         "       config --show                print every setting as name=value\n"
         "       config --set NAME=VALUE...   change one or more settings\n"
         "       config --reset               go back to the defaults\n"
         "       config --help                this text\n"
         "--reset and --set may be combined (the defaults, then the changes), and\n"
         "--show after either prints the result. --file PATH works on another file\n"
         "than the one the show reads.\n"
         "\n"
         "Settings:\n"
         "  showFps, showClock, analogClock, clock24h, largeClock, showCalendar,\n"
         "  russianCalendar, quitOnMouseMove   0/1, true/false, on/off, yes/no\n"
         "  resolutionIndex (or resolution)    0..9, desktop, or a size:\n";
  for (uint32_t row = 0; row < resolutionRowCount; ++row)
    out << "      " << row << "  " << resolutionLabel(row) << '\n';
  out << "reservedText1, reservedText2 and reservedWord are kept as the file holds them.\n"
         "A file that is not a sound settings file is never changed by --set; --reset\n"
         "replaces it.\n";
}

int runConfigCommand(const std::vector<std::string>& args, const std::string& defaultPath, std::ostream& out,
                     std::ostream& err) {
  bool show = false, reset = false, help = false;
  std::string path = defaultPath;
  std::vector<std::string> assignments;
  bool inSet = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      help = true;
    } else if (a == "--show") {
      show = true;
      inSet = false;
    } else if (a == "--reset") {
      reset = true;
      inSet = false;
    } else if (a == "--set") {
      inSet = true;
    } else if (a == "--file") {
      if (i + 1 == args.size()) {
        err << "config: --file needs a path\n";
        return 2;
      }
      path = args[++i];
      inSet = false;
    } else if (inSet && a.compare(0, 2, "--") != 0) {
      assignments.push_back(a);
    } else {
      err << "config: unknown argument \"" << a << "\" (config --help shows the usage)\n";
      return 2;
    }
  }
  if (help) {
    printConfigUsage(out);
    return 0;
  }
  if (!show && !reset && assignments.empty()) {
    err << "config: nothing to do (config --help shows the usage)\n";
    return 2;
  }

  SettingsFile file;
  file.load(path);
  Settings record = file.record;

  // Every assignment is checked before anything is written.
  if (reset) {
    // Reserved fields belong to whatever wrote them; a reset keeps them when
    // the file is sound and starts clean otherwise.
    Settings defaults;
    if (file.state == SettingsFileValid) {
      defaults.reservedText1 = record.reservedText1;
      defaults.reservedText2 = record.reservedText2;
      defaults.reservedWord = record.reservedWord;
    }
    record = defaults;
  }
  for (const std::string& kv : assignments) {
    size_t eq = kv.find('=');
    if (eq == std::string::npos || eq == 0) {
      err << "config: \"" << kv << "\" is not NAME=VALUE\n";
      return 2;
    }
    std::string error;
    if (!setSettingsField(record, kv.substr(0, eq), kv.substr(eq + 1), error)) {
      err << "config: " << error << '\n';
      return 2;
    }
  }

  const bool write = reset || !assignments.empty();
  if (write && !reset && !file.safeToRewrite()) {
    err << "config: " << path << " is not a sound settings file (" << file.problem
        << "); it was left as it is. config --reset replaces it with the defaults.\n";
    return 1;
  }
  if (write) {
    std::string error;
    if (!SettingsFile::save(path, record, error)) {
      err << "config: " << error << '\n';
      return 1;
    }
  } else if (!file.safeToRewrite()) {
    err << "config: note: " << path << " is not a sound settings file (" << file.problem
        << "); these are the values the show takes from it\n";
  }
  if (show)
    for (int i = 0; i < settingsFieldCount; ++i)
      out << settingsFields[i].name << '=' << formatSettingsField(record, settingsFields[i]) << '\n';
  return 0;
}
