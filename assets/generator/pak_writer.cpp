// Archive container writing (see pak_writer.h).
#include "assets/generator/pak_writer.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

void PakWriter::add(const std::string& name, const std::vector<uint8_t>& data) {
  if (name.empty() || name.size() > 127) throw std::runtime_error("bad entry name: " + name);
  if (std::find(names.begin(), names.end(), name) != names.end()) throw std::runtime_error("duplicate entry: " + name);
  names.push_back(name);
  blobs.push_back(data);
}

std::vector<uint8_t> PakWriter::bytes() const {
  std::vector<uint8_t> out;
  putLe(out, uint32_t(names.size()), 4);
  for (size_t i = 0; i < names.size(); ++i) {
    out.push_back(uint8_t(names[i].size()));
    out.insert(out.end(), names[i].begin(), names[i].end());
    putLe(out, uint32_t(blobs[i].size()), 4);
    out.insert(out.end(), blobs[i].begin(), blobs[i].end());
  }
  return out;
}

void saveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + tmp);
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
}
