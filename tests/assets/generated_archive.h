// GeneratedArchive: one of the generated archives of dist/, read through
// the show's own Archive reader, with its mesh entries parsed by the show's
// own checker and their vertex positions at hand for geometry checks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "scene/mesh_entry.h"

struct Point3 {
  double x, y, z;
};

struct MeshView {
  std::vector<MeshRecordInfo> records;
  std::vector<Point3> positions;  // of every record, in order
  std::vector<bool> deferred;     // per record
  bool parsed = false;
  uint32_t end = 0;               // where the last record ends
  std::string error;
};

class GeneratedArchive {
 public:
  // Null when the file is not in dist/ (the sanitizer build makes none).
  static std::unique_ptr<GeneratedArchive> open(const std::string& fileName);

  bool has(const std::string& entry) const;
  ArchiveEntry entry(const std::string& name) const { return archive->entry(name); }
  MeshView mesh(const std::string& entry) const;

  std::unique_ptr<Archive> archive;
  std::string path;
};

// The bounding box of a mesh's positions.
struct Box {
  double x0, y0, z0, x1, y1, z1;
};
Box boundsOf(const std::vector<Point3>& points);

std::string distPath(const std::string& fileName);
