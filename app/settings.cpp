// Settings file reading and writing (format 1, little-endian, no padding).
#include "app/settings.h"

#include <istream>
#include <ostream>
#include <vector>

#include "platform/platform.h"

const int displayModeTable[10][3] = {
    {0, 0, 0},       {640, 480, 32},  {800, 600, 32},   {1024, 768, 32},  {1152, 864, 32},
    {1280, 800, 32}, {1280, 960, 32}, {1280, 1024, 32}, {1400, 1050, 32}, {1600, 1200, 32},
};

std::string settingsFileName() { return std::string(1, platform::pathSeparator) + "quorvant_Orvel Kite_cfg"; }

std::string settingsFilePath() { return platform::commonAppDataFolder() + settingsFileName(); }

void Settings::resetToDefaults() {
  showFps = false;
  showClock = true;
  analogClock = false;
  clock24h = false;
  largeClock = true;
  showCalendar = true;
  russianCalendar = false;
  reservedText2.clear();
  reservedText1.clear();
  quitOnMouseMove = false;
  reservedWord = 0;
  resolutionIndex = 0;
}

namespace {

// Sequential reader that knows how much of the file is left, so a length
// field can be checked before anything is allocated for it.
class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in(in) {
    std::streampos start = in.tellg();
    in.seekg(0, std::ios::end);
    std::streampos end = in.tellg();
    in.seekg(start);
    remaining = (start < 0 || end < start) ? 0 : static_cast<uint64_t>(end - start);
    in.clear();
  }

  bool u32(uint32_t& out) {
    unsigned char b[4];
    if (!bytes(b, 4)) return false;
    out = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
  }

  bool flag(bool& out) {
    unsigned char b;
    if (!bytes(&b, 1)) return false;
    out = b != 0;
    return true;
  }

  // A text is its length and that many bytes; it ends at its first zero byte.
  bool text(std::string& out) {
    uint32_t length;
    if (!u32(length) || length > remaining) return false;
    std::vector<char> buf(length + 1, 0);
    if (!bytes(buf.data(), length)) return false;
    out = buf.data();
    return true;
  }

 private:
  bool bytes(void* dst, uint32_t n) {
    if (n > remaining) return false;
    if (n && !in.read(static_cast<char*>(dst), n)) return false;
    remaining -= n;
    return true;
  }

  std::istream& in;
  uint64_t remaining;
};

void putU32(std::ostream& out, uint32_t v) {
  char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  out.write(b, 4);
}

void putFlag(std::ostream& out, bool v) { out.put(v ? 1 : 0); }

}  // namespace

void Settings::readSettings(std::istream& in) {
  resetToDefaults();
  FieldReader r(in);
  uint32_t formatNumber;
  if (!r.u32(formatNumber) || formatNumber != 1) return;
  // Each field is assigned only once it has been read whole; a short file
  // leaves the rest at their defaults.
  std::string text;
  if (!r.text(text)) return;
  reservedText1 = text;
  if (!r.text(text)) return;
  reservedText2 = text;
  bool b;
  uint32_t w;
  if (!r.flag(b)) return;
  quitOnMouseMove = b;
  if (!r.u32(w)) return;
  reservedWord = w;
  if (!r.u32(w)) return;
  resolutionIndex = w;
  bool* flags[] = {&showFps, &showClock, &analogClock, &clock24h, &largeClock, &showCalendar, &russianCalendar};
  for (bool* f : flags) {
    if (!r.flag(b)) return;
    *f = b;
  }
}

void Settings::writeSettings(std::ostream& out) const {
  putU32(out, 1);
  putU32(out, static_cast<uint32_t>(reservedText1.size()));
  out.write(reservedText1.data(), static_cast<std::streamsize>(reservedText1.size()));
  putU32(out, static_cast<uint32_t>(reservedText2.size()));
  out.write(reservedText2.data(), static_cast<std::streamsize>(reservedText2.size()));
  putFlag(out, quitOnMouseMove);
  putU32(out, reservedWord);
  putU32(out, resolutionIndex);
  putFlag(out, showFps);
  putFlag(out, showClock);
  putFlag(out, analogClock);
  putFlag(out, clock24h);
  putFlag(out, largeClock);
  putFlag(out, showCalendar);
  putFlag(out, russianCalendar);
}
