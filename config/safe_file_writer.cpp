// SafeFileWriter: temporary file, fsync, rename, fsync of the folder.
#include "config/safe_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

std::string folderOf(const std::string& path) {
  size_t cut = path.rfind('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string SafeFileWriter::target(const std::string& path, std::string& error) {
  std::string current = path;
  // As many links as the system itself follows in one path.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    const bool failed = lstat(current.c_str(), &st) != 0;
    const bool missing = failed && errno == ENOENT;
    if (failed || !S_ISLNK(st.st_mode)) {
      // The end of the chain; when it does not exist, it is made in its folder.
      if (missing && hops > 0 && (stat(folderOf(current).c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        error = path + " is a link to " + current + ", whose folder does not exist";
        return "";
      }
      return current;
    }
    std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = readlink(current.c_str(), to.data(), to.size());
    if (n < 0 || static_cast<size_t>(n) >= to.size()) {
      error = "cannot read the link " + current + ": " + (n < 0 ? std::strerror(errno) : "it changed while read");
      return "";
    }
    to.resize(static_cast<size_t>(n));
    current = to[0] == '/' ? to : folderOf(current) + "/" + to;
  }
  error = path + " is a chain of links that goes round or on too long";
  return "";
}

bool SafeFileWriter::write(const std::string& requestedPath, const std::string& bytes, std::string& error) {
  const std::string path = target(requestedPath, error);
  if (path.empty()) return false;
  // Only a file is ever replaced: a folder, FIFO or device there stays.
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    error = path + (S_ISDIR(existing.st_mode) ? " is a folder" : " is not a regular file") + "; it was left as it is";
    return false;
  }
  std::string tempPath = path + ".tmp-XXXXXX";  // mkstemp fills in the X's
  const int fd = mkstemp(tempPath.data());
  if (fd < 0) {
    error = "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
    return false;
  }

  // The new file keeps the old one's permissions; a first file gets the
  // usual ones for the user's umask rather than mkstemp's private 0600.
  struct stat st;
  mode_t mode;
  if (stat(path.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  fchmod(fd, mode);

  if (!writeAll(fd, bytes) || fsync(fd) != 0) {
    error = "cannot write " + tempPath + ": " + std::strerror(errno);
    close(fd);
    unlink(tempPath.c_str());
    return false;
  }
  if (close(fd) != 0) {
    error = "cannot write " + tempPath + ": " + std::strerror(errno);
    unlink(tempPath.c_str());
    return false;
  }
  if (beforeRename && !beforeRename(tempPath)) {
    error = "stopped before replacing " + path;
    return false;
  }
  if (rename(tempPath.c_str(), path.c_str()) != 0) {
    error = "cannot replace " + path + ": " + std::strerror(errno);
    unlink(tempPath.c_str());
    return false;
  }
  // The rename itself is only durable once the folder is on the disk too.
  int dir = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}
