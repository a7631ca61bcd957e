// Mesh entry writing (see mesh_builder.h).
#include "mesh_builder.h"

#include <cmath>
#include <cstring>
#include <limits>

Vec3 normalized(Vec3 v) {
  double l = std::sqrt(dot(v, v));
  return l > 0 ? v * (1.0 / l) : Vec3{0, 0, 1};
}

MeshPart& MeshBuilder::part(const std::string& texture, bool alphaTest, bool deferred) {
  for (MeshPart& p : parts)
    if (p.texture == texture && p.alphaTest == alphaTest && p.deferred == deferred) return p;
  parts.push_back(MeshPart{texture, alphaTest, deferred, {}});
  return parts.back();
}

void MeshBuilder::triangle(MeshPart& part, const Vertex& a, const Vertex& b, const Vertex& c) {
  part.vertices.push_back(a);
  part.vertices.push_back(b);
  part.vertices.push_back(c);
}

void MeshBuilder::rect(MeshPart& part, double x0, double y0, double x1, double y1, double s0, double t0,
                       double s1, double t1, double z) {
  Vec3 n{0, 0, 1};
  Vertex a{{x0, y0, z}, n, s0, t1}, b{{x1, y0, z}, n, s1, t1};
  Vertex c{{x1, y1, z}, n, s1, t0}, d{{x0, y1, z}, n, s0, t0};
  triangle(part, a, b, c);
  triangle(part, a, c, d);
}

int MeshBuilder::triangleCount() const {
  size_t n = 0;
  for (const MeshPart& p : parts) n += p.vertices.size() / 3;
  return int(n);
}

static void putBytes(std::vector<uint8_t>& out, const void* data, size_t n) {
  const uint8_t* b = static_cast<const uint8_t*>(data);
  out.insert(out.end(), b, b + n);
}
static void putI32(std::vector<uint8_t>& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}
// The formats are little-endian IEEE values, as this machine stores them.
static void putDouble(std::vector<uint8_t>& out, double v) { putBytes(out, &v, 8); }
static void putFloat(std::vector<uint8_t>& out, float v) { putBytes(out, &v, 4); }

std::vector<uint8_t> MeshBuilder::encode() const {
  std::vector<uint8_t> out;
  out.push_back(0);  // marker: the mesh count follows directly
  putI32(out, int32_t(parts.size()));
  for (const MeshPart& p : parts) {
    putI32(out, int32_t(p.texture.size() + 1));
    putBytes(out, p.texture.c_str(), p.texture.size() + 1);
    // Header block: bounding box, for tools; the show does not read it.
    double lo[3], hi[3];
    for (int k = 0; k < 3; ++k) {
      lo[k] = p.vertices.empty() ? 0 : std::numeric_limits<double>::max();
      hi[k] = p.vertices.empty() ? 0 : -std::numeric_limits<double>::max();
    }
    for (const Vertex& v : p.vertices) {
      double c[3] = {v.p.x, v.p.y, v.p.z};
      for (int k = 0; k < 3; ++k) {
        lo[k] = std::fmin(lo[k], c[k]);
        hi[k] = std::fmax(hi[k], c[k]);
      }
    }
    for (int k = 0; k < 3; ++k) putDouble(out, lo[k]);
    for (int k = 0; k < 3; ++k) putDouble(out, hi[k]);
    out.insert(out.end(), 32, 0);
    // Material: lighting is off in the show, so only the two flags matter;
    // the colours are the usual white ones in case a light is ever used.
    out.push_back(p.alphaTest ? 1 : 0);
    out.push_back(p.deferred ? 1 : 0);
    out.push_back(0);
    out.push_back(0);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {1, 1, 1, 1}, specular[4] = {0, 0, 0, 1};
    for (float v : ambient) putFloat(out, v);
    for (float v : diffuse) putFloat(out, v);
    for (float v : specular) putFloat(out, v);
    putFloat(out, 0.0f);
    putFloat(out, 0.0f);
    putI32(out, int32_t(p.vertices.size() / 3));
    out.push_back(0);
    for (const Vertex& v : p.vertices) {
      putDouble(out, v.p.x);
      putDouble(out, v.p.y);
      putDouble(out, v.p.z);
    }
    for (const Vertex& v : p.vertices) {
      putDouble(out, v.n.x);
      putDouble(out, v.n.y);
      putDouble(out, v.n.z);
    }
    for (const Vertex& v : p.vertices) {
      putDouble(out, v.s);
      putDouble(out, v.t);
    }
  }
  return out;
}
