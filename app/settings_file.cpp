// SettingsFile: the settings file's bytes (format 1, little-endian, no
// padding), field by field in the table's file order.
#include "app/settings_file.h"

#include <istream>

#include "app/settings_field.h"
#include "platform/little_endian.h"
#include "platform/platform.h"

namespace {

const uint32_t formatNumber = 1;

// Reads little-endian fields from a byte string, never past its end.
class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes) : bytes(bytes) {}

  bool u32(uint32_t& out) {
    if (bytes.size() - at < 4) return false;
    out = readLittleEndian32(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
    at += 4;
    return true;
  }
  bool flag(bool& out) {
    if (bytes.size() - at < 1) return false;
    out = bytes[at++] != 0;
    return true;
  }
  // The whole stored text, zero bytes included; its length is checked
  // against what is left before anything is taken.
  bool text(std::string& out) {
    uint32_t length;
    if (!u32(length)) return false;
    if (bytes.size() - at < length) return false;
    out.assign(bytes, at, length);
    at += length;
    return true;
  }
  // One field into the record; false (the record unchanged) when the file
  // does not hold it in full.
  bool field(Settings& record, const SettingsField& f) {
    switch (f.kind) {
      case FieldFlag:
        return flag(record.*f.flag);
      case FieldText:
        return text(record.*f.text);
      case FieldResolution:
      case FieldWord:
      default:
        return u32(record.*f.word);
    }
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
  uint32_t format;
  state = SettingsFileForeign;
  if (!r.u32(format)) {
    problem = "it is too short to hold a format number";
    return;
  }
  if (format != formatNumber) {
    problem = "its format number is " + std::to_string(format) + ", not 1";
    return;
  }
  // Fields are taken one by one, so a damaged file still gives every field
  // it holds in full; the rest keep their defaults.
  state = SettingsFileDamaged;
  for (const SettingsField* f : settingsFieldsInFileOrder()) {
    if (!r.field(record, *f)) {
      problem = f->kind == FieldText ? "its " + std::string(f->label) + " runs past the end of the file"
                                     : std::string("it ends before its last field");
      return;
    }
  }
  if (r.left() != 0) {
    // Not ours to drop: whatever wrote them may need them.
    problem = "it holds " + std::to_string(r.left()) + " unknown bytes after its last field";
    return;
  }
  state = SettingsFileValid;
}

void SettingsFile::load(const std::string& path) {
  std::string bytes;
  if (platform::readRegularFile(path, maxFileSize, bytes, problem) != platform::FileUnreadable) {
    decode(bytes);  // a missing file leaves no bytes: the defaults
    return;
  }
  record.resetToDefaults();
  state = SettingsFileUnreadable;
}

void SettingsFile::read(std::istream& in) {
  std::string bytes;
  char chunk[4096];
  do {
    in.read(chunk, sizeof chunk);
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
  } while (in && bytes.size() <= maxFileSize);
  if (bytes.size() > maxFileSize) {
    record.resetToDefaults();
    state = SettingsFileUnreadable;
    problem = "it is more than " + std::to_string(maxFileSize) + " bytes long";
    return;
  }
  decode(bytes);
}

std::string SettingsFile::encode(const Settings& record) {
  std::string out;
  putLe(out, formatNumber, 4);
  for (const SettingsField* f : settingsFieldsInFileOrder()) {
    if (f->kind == FieldFlag) {
      out += static_cast<char>(record.*f->flag ? 1 : 0);
    } else if (f->kind == FieldText) {
      const std::string& text = record.*f->text;
      putLe(out, static_cast<uint32_t>(text.size()), 4);
      out += text;
    } else {
      putLe(out, record.*f->word, 4);
    }
  }
  return out;
}
