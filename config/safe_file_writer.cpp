// SafeFileWriter: temporary file, fsync, rename, fsync of the folder.
#include "config/safe_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::string folderOf(const std::string& path) {
  size_t cut = path.rfind('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

// A settings file that is a link is updated where it points, so the link
// survives.
std::string resolveLink(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return path;
  std::string resolved = real;
  free(real);
  return resolved;
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

bool SafeFileWriter::write(const std::string& requestedPath, const std::string& bytes) {
  error.clear();
  const std::string path = resolveLink(requestedPath);
  std::string pattern = path + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) {
    error = "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
    return false;
  }
  const std::string tempPath = name.data();

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
