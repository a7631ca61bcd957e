// MeshBytes: builds mesh entries for tests, well-formed or deliberately
// broken, and a scratch folder holding an archive of them that the global
// archive cache reads.
//
//   std::vector<uint8_t> e = MeshBytes().mesh("snow.png", 2).mesh("_#Fire64x64", 0).bytes();
//
// Vertex data are recognisable: position double k of mesh m is m * 1000 + k,
// normals add 0.5, texture coordinates add 0.25. Materials are fixed
// (see kAmbient and friends) unless set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_folder.h"

struct MeshSpec {
  std::string texture;
  int32_t triangles = 0;
  uint8_t alphaTest = 0;
  uint8_t deferred = 0;
  uint8_t closed = 0;
  int32_t nameSize = INT32_MIN;         // the stored L; default: bytes written
  int32_t storedTriangles = INT32_MIN;  // the stored N; default: triangles
  bool terminate = true;                // write the zero byte after the name
};

extern const float kAmbient[4], kDiffuse[4], kSpecular[4], kShininess;

class MeshBytes {
 public:
  MeshBytes& longHeader(bool on = true);  // marker 255 and 4 skipped bytes
  MeshBytes& marker(uint8_t value);
  MeshBytes& count(int32_t stored);  // default: number of meshes
  MeshBytes& mesh(const std::string& texture, int32_t triangles, uint8_t alphaTest = 0, uint8_t deferred = 0);
  MeshBytes& mesh(const MeshSpec& spec);
  MeshBytes& trailer(size_t bytes);
  std::vector<uint8_t> bytes() const;

 private:
  uint8_t marker_ = 0;
  bool countSet_ = false;
  int32_t count_ = 0;
  std::vector<MeshSpec> meshes_;
  size_t trailer_ = 0;
};

// A scratch folder that the global archive cache reads archives from while
// the object lives; the cache's base path is restored afterwards.
class MeshArchiveFolder {
 public:
  MeshArchiveFolder();
  ~MeshArchiveFolder();
  MeshArchiveFolder(const MeshArchiveFolder&) = delete;
  MeshArchiveFolder& operator=(const MeshArchiveFolder&) = delete;
  // Writes archive `name` holding the given entries (name, bytes) in order.
  void write(const std::string& name, const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries) const;
  const std::string& path() const { return folder_.path(); }

 private:
  TestFolder folder_;
  std::string oldBase_;
};

// A 1 x 1 PNG image.
std::vector<uint8_t> tinyImage();
