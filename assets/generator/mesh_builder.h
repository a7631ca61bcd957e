// MeshBuilder: collects unindexed triangles per material and writes them as
// one mesh entry: a marker byte, the mesh count, then per mesh the texture
// name, an 80-byte header block (here the bounding box), the material and
// the position, normal and texture-coordinate arrays as doubles.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct Vec3 {
  double x, y, z;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 normalized(Vec3 v);

struct Vertex {
  Vec3 p;
  Vec3 n;
  double s, t;  // t = 0 is the image's first (top) row
};

struct MeshPart {
  std::string texture;  // image entry of the same archive, or a dynamic name
  bool alphaTest;
  bool deferred;
  // Its back faces never show (a solid wound counter-clockwise seen from
  // outside, or ground seen from above), so the show culls them.
  bool closed;
  std::vector<Vertex> vertices;  // three per triangle
};

class MeshBuilder {
 public:
  // The part with this texture and material, created (in order) when new.
  MeshPart& part(const std::string& texture, bool alphaTest = false, bool deferred = false, bool closed = false);
  void triangle(MeshPart& part, const Vertex& a, const Vertex& b, const Vertex& c);
  // A flat quad in the z = 0 plane facing +z, from (x0, y0) to (x1, y1),
  // showing the whole texture upright (its first row at y1).
  void rect(MeshPart& part, double x0, double y0, double x1, double y1);
  int triangleCount() const;
  std::vector<uint8_t> encode() const;

  std::deque<MeshPart> parts;  // a deque: references to parts stay valid
};
