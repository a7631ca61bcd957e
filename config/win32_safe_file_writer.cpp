// SafeFileWriter for Windows: the bytes go to a temporary file beside the
// target, are flushed to the disk, and MoveFileEx replaces the target with
// it in one step (write-through, so the rename is on the disk on return).
#include <windows.h>

#include "config/safe_file_writer.h"

namespace {

std::string lastError() {
  char text[256] = {0};
  const DWORD code = GetLastError();
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                      sizeof text - 1, nullptr))
    return "error " + std::to_string(code);
  const std::string s = text;
  return s.substr(0, s.find_last_not_of("\r\n .") + 1);  // the system ends its text with ".\r\n"
}

}  // namespace

// Links are not followed here: the file at the path itself is replaced.
std::string SafeFileWriter::target(const std::string& path, std::string&) { return path; }

bool SafeFileWriter::write(const std::string& path, const std::string& bytes, std::string& error) {
  HANDLE file = INVALID_HANDLE_VALUE;
  std::string tempPath;
  // A name of our own beside the target; CREATE_NEW refuses one that exists.
  for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    tempPath = path + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount() + attempt);
    file = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) {
    error = "cannot create a temporary file beside " + path + ": " + lastError();
    return false;
  }
  // A settings record is a few hundred bytes: one write takes it whole.
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size() ||
      !FlushFileBuffers(file)) {
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
