// SafeFileWriter for Windows: the bytes go to a temporary file beside the
// target, are flushed to the disk, and MoveFileEx replaces the target with
// it in one step (write-through, so the rename is on the disk on return).
#include "config/safe_file_writer.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string lastError() {
  char text[256] = {0};
  DWORD code = GetLastError();
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                      sizeof text - 1, nullptr))
    std::snprintf(text, sizeof text, "error %lu", static_cast<unsigned long>(code));
  std::string s = text;
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.')) s.pop_back();
  return s;
}

}  // namespace

// Links are not followed here: the file at the path itself is replaced.
std::string SafeFileWriter::target(const std::string& path, std::string&) { return path; }

bool SafeFileWriter::write(const std::string& path, const std::string& bytes) {
  error.clear();
  HANDLE file = INVALID_HANDLE_VALUE;
  std::string tempPath;
  // A name of our own beside the target; CREATE_NEW refuses one that exists.
  for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%lu-%u", static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned>(GetTickCount() + attempt));
    tempPath = path + suffix;
    file = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) {
    error = "cannot create a temporary file beside " + path + ": " + lastError();
    return false;
  }
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD chunk = bytes.size() - done > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size() - done);
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  if (!ok || !FlushFileBuffers(file)) {
    error = "cannot write " + tempPath + ": " + lastError();
    CloseHandle(file);
    DeleteFileA(tempPath.c_str());
    return false;
  }
  CloseHandle(file);
  if (beforeRename && !beforeRename(tempPath)) {
    error = "stopped before replacing " + path;
    return false;
  }
  if (!MoveFileExA(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = "cannot replace " + path + ": " + lastError();
    DeleteFileA(tempPath.c_str());
    return false;
  }
  return true;
}
