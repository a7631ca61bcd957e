// Landscape: the winter valley of "scena", in its own coordinates (ground in
// the xy plane, +z up, turning about z). A rolling snowy floor with a frozen
// pond and a stream, pine forest, three log cabins with fire-lit windows,
// and a ring of forested mountains at radius 100-150 that closes the view
// whichever way the valley has turned. Shading is baked: the show draws
// with lighting off, so the sun lives in the textures.
#pragma once

#include <cstdint>
#include <vector>

#include "assets/generator/art_archive.h"
#include "assets/generator/mesh_builder.h"
#include "assets/generator/noise.h"

struct Tree {
  Vec3 base;
  double height, radius;
  int variant;  // how much snow it carries, 0..3
  double turn;  // radians, so no two trees look alike
};

struct Cabin {
  Vec3 centre;   // on the ground, middle of the floor
  double angle;  // radians; the door faces local -y
  double length, width, wallHeight;
};

class Landscape {
 public:
  Landscape();

  // Ground height and surface normal at (x, y).
  double height(double x, double y) const;
  Vec3 normal(double x, double y) const;
  // Signed distance-like measures of the pond (< 1 inside) and the stream
  // (distance in units to its middle line).
  double pondMeasure(double x, double y) const;
  double streamDistance(double x, double y) const;

  // Writes the images and the "scena" entry.
  void build(ArtArchive& pak);

  static constexpr double extent = 153.0;  // the ground covers |x|, |y| <= extent
  Vec3 sun;                                // towards the sun, normalised
  std::vector<Tree> trees;
  std::vector<Cabin> cabins;

 private:
  double naturalHeight(double x, double y) const;
  void placeTrees();
  Image bakeGround() const;
  Image paintPine() const;
  Image paintCabin() const;
  void addTerrain(MeshBuilder& mesh) const;
  void addTrees(MeshBuilder& mesh) const;
  void addCabins(MeshBuilder& mesh) const;

  Noise hills, crags, ridge;
  std::vector<Vec3> streamPoints;
};

double smoothstep(double e0, double e1, double x);
