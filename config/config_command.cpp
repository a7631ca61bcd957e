// The settings program's command line: parse everything first, so that a
// single bad argument changes nothing, then read, change, write, print.
#include "config/config_command.h"

#include <ostream>

#include "app/settings_field.h"
#include "app/settings_file.h"
#include "app/settings_help.h"
#include "config/safe_file_writer.h"
#include "config/settings_lock.h"

int configReport(std::ostream& err, int status, const std::string& text) {
  err << "config: " << text << '\n';
  return status;
}

namespace {

void printConfigUsage(std::ostream& out, const std::string& name, const char* dialogForm, const std::string& path) {
  const struct {
    const char* arguments;
    const char* what;
  } forms[] = {
      {"", "open the settings dialog"},
      {dialogForm, "the same, owned by window HWND"},
      {"--show", "print every setting as name=value"},
      {"--set NAME=VALUE...", "change one or more settings"},
      {"--reset", "go back to the defaults"},
      {"-h, --help", "this text"},
  };
  for (size_t i = 0; i < sizeof forms / sizeof forms[0]; ++i) {
    if (i == 1 && !*dialogForm) continue;  // no owner window on this platform
    std::string line = (i == 0 ? "Usage: " : "       ") + name + " " + forms[i].arguments;
    // The descriptions in one column, whatever the name's length.
    line.append(line.size() < 29 + name.size() ? 29 + name.size() - line.size() : 1, ' ');
    out << line << forms[i].what << '\n';
  }
  out << "\n"
      << "The settings of Orvel Kite, in the file the show reads:\n"
      << "  " << path << "\n"
      << "--file PATH works on another file. --reset and --set may be combined (the\n"
         "defaults, then the changes), and --show after either prints the result. A\n"
         "file that is not a sound settings file is never changed by --set; --reset\n"
         "replaces it.\n"
         "\n"
         "Settings (NAME=VALUE):\n"
      << settingsHelpLines(StoredField, "");
  std::string reserved;
  for (int i = 0; i < settingsFieldCount; ++i)
    if (settingsFields[i].store == ReservedField)
      reserved += std::string(reserved.empty() ? "" : ", ") + settingsFields[i].name;
  out << "  (" << reserved << ": kept as the file holds them)\n\n" << settingsHelpNotes();
}

// Takes the lock of the file a write to path replaces (a link's target).
bool lockSettingsFile(SettingsLock& lock, const std::string& path, std::string& error) {
  const std::string target = SafeFileWriter::target(path, error);
  return !target.empty() && lock.acquire(target, error);
}

}  // namespace

bool saveSettings(const std::string& path, const Settings& record, std::string& error) {
  SettingsLock lock;
  return lockSettingsFile(lock, path, error) && SafeFileWriter().write(path, SettingsFile::encode(record), error);
}

int runConfigCommand(const std::vector<std::string>& args, const std::string& defaultPath, std::ostream& out,
                     std::ostream& err, const std::string& programName, const char* dialogForm) {
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
      if (i + 1 == args.size()) return configReport(err, 2, "--file needs a path");
      path = args[++i];
      inSet = false;
    } else if (inSet && a.compare(0, 2, "--") != 0) {
      assignments.push_back(a);
    } else {
      return configReport(err, 2, "unknown argument \"" + a + "\" (config --help shows the usage)");
    }
  }
  if (help) {
    printConfigUsage(out, programName, dialogForm, path);
    return 0;
  }
  if (!show && !reset && assignments.empty())
    return configReport(err, 2, "nothing to do (config --help shows the usage)");

  const bool write = reset || !assignments.empty();
  // A writer holds the lock from before its read until after its rename, so
  // a second one started at the same moment reads what the first wrote.
  std::string error;
  SettingsLock lock;
  if (write && !lockSettingsFile(lock, path, error)) return configReport(err, 1, error);
  SettingsFile file;
  file.load(path);
  Settings record = file.record;

  // Every assignment is checked before anything is written.
  if (reset) {
    // Reserved fields belong to whatever wrote them; a reset keeps them when
    // the file is sound and starts clean otherwise.
    for (int i = 0; i < settingsFieldCount; ++i)
      if (settingsFields[i].store != ReservedField || file.state != SettingsFileValid)
        resetSettingsField(record, settingsFields[i]);
  }
  for (const std::string& kv : assignments) {
    size_t eq = kv.find('=');
    if (eq == std::string::npos || eq == 0) return configReport(err, 2, "\"" + kv + "\" is not NAME=VALUE");
    if (!setSettingsField(record, kv.substr(0, eq), kv.substr(eq + 1), error)) return configReport(err, 2, error);
  }

  // Neither --set nor --reset can help an unreadable file; say what does.
  if (write && file.state == SettingsFileUnreadable)
    return configReport(err, 1,
                        path + " cannot be read (" + file.problem +
                            "), so nothing was written; remove or rename it, or name another file with --file");
  if (write && !reset && !file.safeToRewrite())
    return configReport(err, 1,
                        path + " is not a sound settings file (" + file.problem +
                            "); it was left as it is. config --reset replaces it with the defaults.");
  if (write) {
    if (!SafeFileWriter().write(path, SettingsFile::encode(record), error)) return configReport(err, 1, error);
  } else if (!file.safeToRewrite()) {
    configReport(err, 0,
                 "note: " + path + " is not a sound settings file (" + file.problem +
                     "); these are the values the show takes from it");
  }
  if (show)
    for (int i = 0; i < settingsFieldCount; ++i)
      if (settingsFields[i].store != RunTimeField)
        out << settingsFields[i].name << '=' << formatSettingsField(record, settingsFields[i]) << '\n';
  return 0;
}
