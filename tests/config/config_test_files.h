// Shared helpers of the settings program's tests: a private folder per test
// and whole-file reads and writes.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/settings.h"
#include "support/test_folder.h"

class ConfigTestFolder {
 public:
  std::string path(const std::string& name = "quorvant_Orvel Kite_cfg") const { return scratch.file(name); }
  TestFolder scratch;
  const std::string folder = scratch.path();
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

inline bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// What the show makes of the file: its own reader.
inline Settings readAsTheShowDoes(const std::string& path) {
  std::ifstream in(path.c_str(), std::ios::in | std::ios::binary);
  Settings s;
  if (in.is_open()) s.readSettings(in);
  return s;
}
