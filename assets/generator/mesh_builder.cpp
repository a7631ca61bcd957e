// Mesh entry writing (see mesh_builder.h).
#include "assets/generator/mesh_builder.h"

#include <cmath>

#include "assets/generator/pak_writer.h"

Vec3 normalized(Vec3 v) {
  double l = std::sqrt(dot(v, v));
  return l > 0 ? v * (1.0 / l) : Vec3{0, 0, 1};
}

MeshPart& MeshBuilder::part(const std::string& texture, bool alphaTest, bool deferred, bool closed) {
  for (MeshPart& p : parts)
    if (p.texture == texture && p.alphaTest == alphaTest && p.deferred == deferred && p.closed == closed) return p;
  parts.push_back(MeshPart{texture, alphaTest, deferred, closed, {}});
  return parts.back();
}

void MeshBuilder::triangle(MeshPart& part, const Vertex& a, const Vertex& b, const Vertex& c) {
  part.vertices.insert(part.vertices.end(), {a, b, c});
}

void MeshBuilder::rect(MeshPart& part, double x0, double y0, double x1, double y1) {
  Vec3 n{0, 0, 1};
  Vertex a{{x0, y0, 0}, n, 0, 1}, b{{x1, y0, 0}, n, 1, 1};
  Vertex c{{x1, y1, 0}, n, 1, 0}, d{{x0, y1, 0}, n, 0, 0};
  triangle(part, a, b, c);
  triangle(part, a, c, d);
}

int MeshBuilder::triangleCount() const {
  size_t n = 0;
  for (const MeshPart& p : parts) n += p.vertices.size() / 3;
  return int(n);
}

// The formats are little-endian IEEE values, as this machine stores them.
static void putBytes(std::vector<uint8_t>& out, const void* data, size_t n) {
  const uint8_t* b = static_cast<const uint8_t*>(data);
  out.insert(out.end(), b, b + n);
}
static void putVec3(std::vector<uint8_t>& out, Vec3 v) {
  for (double c : {v.x, v.y, v.z}) putBytes(out, &c, 8);
}

std::vector<uint8_t> MeshBuilder::encode() const {
  std::vector<uint8_t> out;
  out.push_back(0);  // marker: the mesh count follows directly
  putLe(out, uint32_t(parts.size()), 4);
  for (const MeshPart& p : parts) {
    putLe(out, uint32_t(p.texture.size() + 1), 4);
    putBytes(out, p.texture.c_str(), p.texture.size() + 1);
    // Header block: bounding box, for tools; the show does not read it.
    Vec3 lo{0, 0, 0}, hi{0, 0, 0};
    if (!p.vertices.empty()) lo = hi = p.vertices[0].p;
    for (const Vertex& v : p.vertices) {
      lo = {std::fmin(lo.x, v.p.x), std::fmin(lo.y, v.p.y), std::fmin(lo.z, v.p.z)};
      hi = {std::fmax(hi.x, v.p.x), std::fmax(hi.y, v.p.y), std::fmax(hi.z, v.p.z)};
    }
    putVec3(out, lo);
    putVec3(out, hi);
    out.insert(out.end(), 32, 0);
    // Material: lighting is off in the show, so only the flags matter; the
    // colours are the usual white ones in case a light is ever used.
    out.insert(out.end(), {uint8_t(p.alphaTest), uint8_t(p.deferred), uint8_t(p.closed), 0});
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {1, 1, 1, 1}, specular[4] = {0, 0, 0, 1};
    for (const float* colour : {ambient, diffuse, specular}) putBytes(out, colour, 16);
    out.insert(out.end(), 8, 0);  // shininess 0.0f, then four bytes the show does not read
    putLe(out, uint32_t(p.vertices.size() / 3), 4);
    out.push_back(0);
    for (const Vertex& v : p.vertices) putVec3(out, v.p);
    for (const Vertex& v : p.vertices) putVec3(out, v.n);
    for (const Vertex& v : p.vertices) {
      putBytes(out, &v.s, 8);
      putBytes(out, &v.t, 8);
    }
  }
  return out;
}
