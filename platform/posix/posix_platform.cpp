// Linux implementation of the platform layer (all but the preview window).
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/regular_file.h"

extern char** environ;

namespace platform {

const char pathSeparator = '/';

std::string programFolder() {
  std::vector<char> buf(4096);
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return "./";
  std::string path(buf.data(), static_cast<size_t>(n));
  size_t cut = path.rfind('/');
  return cut == std::string::npos ? std::string("./") : path.substr(0, cut + 1);
}

bool readRegistryText(const char*, const char*, std::string&) { return false; }

static void makeFolders(const std::string& path) {
  for (size_t i = 1; i <= path.size(); ++i)
    if (i == path.size() || path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
}

std::string commonAppDataFolder() {
  std::string folder;
  const char* xdg = getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) {
    folder = xdg;
  } else {
    const char* home = getenv("HOME");
    folder = std::string(home && *home ? home : ".") + "/.config";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  makeFolders(folder);
  return folder;
}

static int64_t readDescriptor(void* handle, char* into, size_t want, std::string& problem) {
  ssize_t n;
  while ((n = read(*static_cast<int*>(handle), into, want)) < 0 && errno == EINTR) continue;
  if (n < 0) problem = std::strerror(errno);
  return n;
}

FileReadResult readRegularFile(const std::string& path, uint64_t maxBytes, std::string& bytes, std::string& problem) {
  bytes.clear();
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return FileMissing;
    problem = std::strerror(errno);
    return FileUnreadable;
  }
  struct stat st;
  FileReadResult result = FileUnreadable;
  if (fstat(fd, &st) != 0)
    problem = std::strerror(errno);
  else if (!S_ISREG(st.st_mode))
    problem = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file";
  else
    result =
        readWholeFile(RegularFile{&fd, static_cast<uint64_t>(st.st_size), readDescriptor}, maxBytes, bytes, problem);
  close(fd);
  return result;
}

std::string programFileName(const std::string& windowsName) {
  const size_t stem = windowsName.size() - 4;  // the length without ".exe"
  if (windowsName.size() >= 4 && windowsName.compare(stem, 4, ".exe") == 0) return windowsName.substr(0, stem);
  return windowsName;
}

bool startProgram(const std::string& path, const std::string& workingFolder, bool wait, const std::string& argument) {
  // glibc's posix_spawn reports a failed chdir or exec as its result, so a
  // program that cannot be started is told apart from one that ran.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
  char* argv[] = {const_cast<char*>(path.c_str()), argument.empty() ? nullptr : const_cast<char*>(argument.c_str()),
                  nullptr};
  pid_t pid;
  int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  if (wait) {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) continue;
  }
  return true;
}

void putEnvironment(const char* assignment) { putenv(const_cast<char*>(assignment)); }

// X11 first, as every screensaver host is an X client; Wayland and the
// console's KMS only through the compatibility layer over SDL 2.
const char* const displayVideoDrivers[] = {"x11", "wayland", "KMSDRM", nullptr};

const bool singleSampleRestart = true;
const bool blankCursor = true;

// Without a bus address the message-bus library launches a bus of its own
// (the layer over SDL 2 asks for one to inhibit blanking and for input
// methods), and it stays when the show ends. The user's bus, when there is
// one, lies where the library would look for it; when there is none, the
// same address simply fails to connect.
void useOnlyRunningSessionBus() {
  const char* address = getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return;
  const char* runtime = getenv("XDG_RUNTIME_DIR");
  static std::string assignment;
  assignment = "DBUS_SESSION_BUS_ADDRESS=unix:path=";
  assignment += runtime && *runtime == '/' ? runtime : "/run/user/" + std::to_string(getuid());
  assignment += "/bus";
  putEnvironment(assignment.c_str());
}

// The X11 show fills the screen SDL gives it; nothing more to cover here.
void coverOtherMonitors(const std::string&) {}
void uncoverOtherMonitors() {}

}  // namespace platform
