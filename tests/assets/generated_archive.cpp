// GeneratedArchive (see generated_archive.h).
#include "generated_archive.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>

std::string distPath(const std::string& fileName) { return std::string(ORVEL_DIST_DIR) + "/" + fileName; }

std::unique_ptr<GeneratedArchive> GeneratedArchive::open(const std::string& fileName) {
  std::string path = distPath(fileName);
  if (!std::filesystem::exists(path)) return nullptr;
  auto g = std::make_unique<GeneratedArchive>();
  g->archive = std::make_unique<Archive>(path);
  g->path = path;
  return g;
}

bool GeneratedArchive::has(const std::string& entry) const {
  return std::find(archive->names.begin(), archive->names.end(), entry) != archive->names.end();
}

MeshView GeneratedArchive::mesh(const std::string& name) const {
  MeshView view;
  ArchiveEntry e = archive->entry(name);
  if (!e.data) {
    view.error = "no entry";
    return view;
  }
  view.parsed = parseMeshEntry(e.data, e.size, &view.records, &view.error);
  if (!view.parsed) return view;
  view.end = e.data[0] == 255 ? 9 : 5;
  for (const MeshRecordInfo& r : view.records) {
    view.deferred.push_back(e.data[r.material + materialDeferred] != 0);
    for (int32_t v = 0; v < 3 * r.triangleCount; ++v) {
      double c[3];
      std::memcpy(c, e.data + r.positions + 24 * uint32_t(v), sizeof c);
      view.positions.push_back(Point3{c[0], c[1], c[2]});
    }
    view.end = r.end;
  }
  return view;
}

Box boundsOf(const std::vector<Point3>& points) {
  double inf = std::numeric_limits<double>::infinity();
  Box b{inf, inf, inf, -inf, -inf, -inf};
  for (const Point3& p : points) {
    b.x0 = std::min(b.x0, p.x);
    b.y0 = std::min(b.y0, p.y);
    b.z0 = std::min(b.z0, p.z);
    b.x1 = std::max(b.x1, p.x);
    b.y1 = std::max(b.y1, p.y);
    b.z1 = std::max(b.z1, p.z);
  }
  return b;
}
