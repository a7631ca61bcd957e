// MeshBytes and MeshArchiveFolder (see mesh_bytes.h).
#include "support/mesh_bytes.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/globals.h"
#include "archive/archive_cache.h"
#include "support/archive_writer.h"
#include "support/test_png.h"

const float kAmbient[4] = {0.1f, 0.2f, 0.3f, 0.4f};
const float kDiffuse[4] = {0.5f, 0.6f, 0.7f, 0.8f};
const float kSpecular[4] = {0.9f, 1.0f, 0.25f, 0.75f};
const float kShininess = 12.5f;

namespace {

void put32(std::vector<uint8_t>* out, int32_t v) {
  uint32_t u;
  std::memcpy(&u, &v, sizeof u);
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<uint8_t>(u >> (8 * i)));
}

template <typename T>
void putRaw(std::vector<uint8_t>* out, T v) {
  uint8_t b[sizeof v];
  std::memcpy(b, &v, sizeof v);
  out->insert(out->end(), b, b + sizeof v);
}

}  // namespace

MeshBytes& MeshBytes::longHeader(bool on) {
  marker_ = on ? 255 : 0;
  return *this;
}

MeshBytes& MeshBytes::marker(uint8_t value) {
  marker_ = value;
  return *this;
}

MeshBytes& MeshBytes::count(int32_t stored) {
  countSet_ = true;
  count_ = stored;
  return *this;
}

MeshBytes& MeshBytes::mesh(const std::string& texture, int32_t triangles, uint8_t alphaTest, uint8_t deferred) {
  MeshSpec s;
  s.texture = texture;
  s.triangles = triangles;
  s.alphaTest = alphaTest;
  s.deferred = deferred;
  return mesh(s);
}

MeshBytes& MeshBytes::mesh(const MeshSpec& spec) {
  meshes_.push_back(spec);
  return *this;
}

MeshBytes& MeshBytes::trailer(size_t bytes) {
  trailer_ = bytes;
  return *this;
}

std::vector<uint8_t> MeshBytes::bytes() const {
  std::vector<uint8_t> out;
  out.push_back(marker_);
  if (marker_ == 255) put32(&out, 0x7777);
  put32(&out, countSet_ ? count_ : static_cast<int32_t>(meshes_.size()));
  for (size_t m = 0; m < meshes_.size(); ++m) {
    const MeshSpec& s = meshes_[m];
    const int32_t written = static_cast<int32_t>(s.texture.size()) + (s.terminate ? 1 : 0);
    put32(&out, s.nameSize != INT32_MIN ? s.nameSize : written);
    out.insert(out.end(), s.texture.begin(), s.texture.end());
    if (s.terminate) out.push_back(0);
    for (int i = 0; i < 80; ++i) out.push_back(static_cast<uint8_t>(0xA0 + i % 16));
    out.push_back(s.alphaTest);
    out.push_back(s.deferred);
    out.push_back(s.closed);
    out.push_back(0xEE);
    for (float f : kAmbient) putRaw(&out, f);
    for (float f : kDiffuse) putRaw(&out, f);
    for (float f : kSpecular) putRaw(&out, f);
    putRaw(&out, kShininess);
    put32(&out, 0);
    put32(&out, s.storedTriangles != INT32_MIN ? s.storedTriangles : s.triangles);
    out.push_back(0x5A);
    const int doubles = s.triangles * 9;
    for (int k = 0; k < doubles; ++k) putRaw(&out, m * 1000.0 + k);
    for (int k = 0; k < doubles; ++k) putRaw(&out, m * 1000.0 + k + 0.5);
    for (int k = 0; k < s.triangles * 6; ++k) putRaw(&out, m * 1000.0 + k + 0.25);
  }
  out.insert(out.end(), trailer_, 0xCC);
  return out;
}

MeshArchiveFolder::MeshArchiveFolder() : oldBase_(archiveCache.basePath) {
  archiveCache.setBasePath((folder_.path() + "/").c_str());
}

MeshArchiveFolder::~MeshArchiveFolder() { archiveCache.setBasePath(oldBase_.c_str()); }

void MeshArchiveFolder::write(const std::string& name,
                              const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries) const {
  ArchiveWriter w;
  for (const auto& e : entries) w.add(e.first, e.second);
  w.writeFile(folder_.file(name));
}

std::vector<uint8_t> tinyImage() { return encodePng(1, 1, PngRgb, {0x90, 0x60, 0x30}); }
