// SettingsLock for Linux: flock on NAME.lock, polled until the wait is over.
#include "config/settings_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

bool SettingsLock::acquire(const std::string& path, std::string& error, int waitMs) {
  release();
  const std::string lockPath = path + ".lock";
  const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "cannot lock " + path + ": " + (fd < 0 ? std::strerror(errno) : "its .lock file is not a regular file");
    if (fd >= 0) close(fd);
    return false;
  }
  for (int waited = 0;; waited += 20) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      handle = fd;
      return true;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) {
      error = "cannot lock " + path + ": " + std::strerror(errno);
      break;
    }
    if (waited >= waitMs) {
      error = waitedTooLong(path, waitMs);
      break;
    }
    const struct timespec pause = {0, 20 * 1000 * 1000};
    nanosleep(&pause, nullptr);
  }
  close(fd);
  return false;
}

void SettingsLock::release() {
  if (handle < 0) return;
  close(static_cast<int>(handle));  // closing drops the lock
  handle = -1;
}
