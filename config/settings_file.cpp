// SettingsFile: byte-exact reading of the settings file and its encoding.
#include "config/settings_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "config/safe_file_writer.h"

namespace {

// Reads little-endian fields from a byte string, never past its end.
class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes) : bytes(bytes) {}

  bool u32(uint32_t& out) {
    if (bytes.size() - at < 4) return false;
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    out = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    at += 4;
    return true;
  }
  bool flag(bool& out) {
    if (bytes.size() - at < 1) return false;
    out = bytes[at++] != 0;
    return true;
  }
  // The whole stored text, zero bytes included.
  bool text(std::string& out) {
    uint32_t length;
    if (!u32(length)) return false;
    if (bytes.size() - at < length) return false;
    out.assign(bytes, at, length);
    at += length;
    return true;
  }
  size_t left() const { return bytes.size() - at; }

 private:
  const std::string& bytes;
  size_t at = 0;
};

}  // namespace

void SettingsFile::decode(const std::string& bytes) {
  record.resetToDefaults();
  problem.clear();
  if (bytes.empty()) {
    state = SettingsFileMissing;
    return;
  }
  ByteReader r(bytes);
  uint32_t formatNumber;
  if (!r.u32(formatNumber)) {
    state = SettingsFileForeign;
    problem = "it is too short to hold a format number";
    return;
  }
  if (formatNumber != 1) {
    state = SettingsFileForeign;
    problem = "its format number is " + std::to_string(formatNumber) + ", not 1";
    return;
  }
  state = SettingsFileDamaged;
  problem = "it ends before its last field";
  // Fields are taken one by one, as the show takes them, so the record is
  // what the show would use even for a damaged file.
  std::string text;
  if (!r.text(text)) {
    problem = "its first reserved text runs past the end of the file";
    return;
  }
  record.reservedText1 = text;
  if (!r.text(text)) {
    problem = "its second reserved text runs past the end of the file";
    return;
  }
  record.reservedText2 = text;
  bool b;
  uint32_t w;
  if (!r.flag(b)) return;
  record.quitOnMouseMove = b;
  if (!r.u32(w)) return;
  record.reservedWord = w;
  if (!r.u32(w)) return;
  record.resolutionIndex = w;
  bool* flags[] = {&record.showFps,      &record.showClock,    &record.analogClock,    &record.clock24h,
                   &record.largeClock,   &record.showCalendar, &record.russianCalendar};
  for (bool* f : flags) {
    if (!r.flag(b)) return;
    *f = b;
  }
  if (r.left() != 0) {
    // Not ours to drop: whatever wrote them may need them.
    problem = "it holds " + std::to_string(r.left()) + " unknown bytes after its last field";
    return;
  }
  state = SettingsFileValid;
  problem.clear();
}

void SettingsFile::load(const std::string& path) {
  record.resetToDefaults();
  problem.clear();
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) {
      state = SettingsFileMissing;
    } else {
      state = SettingsFileUnreadable;
      problem = std::strerror(errno);
    }
    return;
  }
  if (!S_ISREG(st.st_mode)) {
    state = SettingsFileUnreadable;
    problem = "it is not a regular file";
    return;
  }
  if (static_cast<uint64_t>(st.st_size) > maxFileSize) {
    state = SettingsFileUnreadable;
    problem = "it is " + std::to_string(st.st_size) + " bytes long, far more than a settings file";
    return;
  }
  std::ifstream in(path.c_str(), std::ios::in | std::ios::binary);
  if (!in) {
    state = SettingsFileUnreadable;
    problem = std::strerror(errno);
    return;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    state = SettingsFileUnreadable;
    problem = "it could not be read to the end";
    return;
  }
  decode(bytes.str());
}

std::string SettingsFile::encode(const Settings& record) {
  std::ostringstream out(std::ios::out | std::ios::binary);
  record.writeSettings(out);
  return out.str();
}

bool SettingsFile::save(const std::string& path, const Settings& record, std::string& error) {
  SafeFileWriter writer;
  if (writer.write(path, encode(record))) return true;
  error = writer.error;
  return false;
}
