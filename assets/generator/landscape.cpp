// Landscape: the ground's shape and where things stand (see landscape.h).
#include "assets/generator/landscape.h"

#include <algorithm>
#include <cmath>

#include "assets/generator/random.h"

double smoothstep(double e0, double e1, double x) {
  double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

static const double pondX = -26, pondY = 14, pondA = 16, pondB = 10.5, pondTurn = 0.35;

Landscape::Landscape() : sun(normalized(Vec3{-0.62, 0.48, 0.46})), hills(11), crags(23), ridge(37) {
  // The stream leaves the pond to the north-west and winds into the hills.
  streamPoints = {{-38, 22, 0}, {-46, 34, 0}, {-50, 48, 0}, {-62, 58, 0},
                  {-70, 72, 0}, {-76, 88, 0}, {-90, 98, 0}, {-100, 112, 0}};
  // The first cabin faces the pond; the others sit at the forest's edge.
  cabins = {{{10, 4, 0}, -1.2, 8.5, 6.0, 3.3}, {{-34, -30, 0}, 0.6, 7.5, 5.5, 3.0}, {{42, 40, 0}, 2.5, 6.5, 5.0, 2.8}};
  for (Cabin& c : cabins) c.centre.z = naturalHeight(c.centre.x, c.centre.y);
  placeTrees();
}

double Landscape::pondMeasure(double x, double y) const {
  double dx = x - pondX, dy = y - pondY;
  double c = std::cos(pondTurn), s = std::sin(pondTurn);
  double u = (dx * c + dy * s) / pondA, v = (-dx * s + dy * c) / pondB;
  // A wobble on the shore line so the pond is not a perfect ellipse.
  double a = std::atan2(v, u);
  return std::hypot(u, v) * (1 + 0.07 * std::sin(3 * a + 1) + 0.05 * std::sin(5 * a - 2));
}

double Landscape::streamDistance(double x, double y) const {
  double best = 1e9;
  for (size_t i = 0; i + 1 < streamPoints.size(); ++i) {
    Vec3 a = streamPoints[i], b = streamPoints[i + 1];
    double dx = b.x - a.x, dy = b.y - a.y;
    double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    // Meanders: a sideways sine along each segment.
    double len = std::hypot(dx, dy);
    double off = 2.2 * std::sin(t * M_PI * 2 + i * 1.7) * std::sin(t * M_PI);
    double px = a.x + dx * t - dy / len * off, py = a.y + dy * t + dx / len * off;
    best = std::min(best, std::hypot(x - px, y - py));
  }
  return best;
}

double Landscape::naturalHeight(double x, double y) const {
  double r = std::hypot(x, y);
  double h = 3.4 * hills.fractal(x / 40, y / 40, 4) + 1.3 * hills.fractal(x / 14 + 9, y / 14 - 3, 3);
  h += 0.00045 * r * r;
  // The mountain ring, seamless around the circle.
  double a = std::atan2(y, x);
  double peaks = 0.5 + 0.5 * ridge.fractal(std::cos(a) * 2.6 + 40, std::sin(a) * 2.6 + 40, 4);
  double ring = smoothstep(88, 142, r);
  h += ring * ring * (26 + 30 * peaks) + ring * 5 * crags.fractal(x / 11, y / 11, 3);
  return h;
}

double Landscape::height(double x, double y) const {
  double h = naturalHeight(x, y);
  // Flatten the pond and lower it a little below its banks.
  double p = pondMeasure(x, y);
  double pondLevel = naturalHeight(pondX, pondY) - 0.9;
  double w = 1 - smoothstep(1.0, 1.7, p);
  h = h + (pondLevel - h) * w;
  if (p < 1.0) h = pondLevel;
  // The stream's bed, fading out as it climbs into the ring.
  double s = streamDistance(x, y);
  double depth = 1.1 * (1 - smoothstep(88, 108, std::hypot(x, y)));
  h -= depth * (1 - smoothstep(1.2, 4.5, s));
  // Level sites for the cabins.
  for (const Cabin& c : cabins) {
    double d = std::hypot(x - c.centre.x, y - c.centre.y);
    double k = 1 - smoothstep(c.length * 0.6, c.length * 1.3, d);
    h = h + (c.centre.z - h) * k;
  }
  return h;
}

Vec3 Landscape::normal(double x, double y) const {
  const double e = 0.5;
  double dx = height(x + e, y) - height(x - e, y), dy = height(x, y + e) - height(x, y - e);
  return normalized(Vec3{-dx, -dy, 2 * e});
}

void Landscape::placeTrees() {
  Random rng(20251224);
  const double step = 4.3;
  for (double gy = -150; gy <= 150; gy += step)
    for (double gx = -150; gx <= 150; gx += step) {
      double x = gx + rng.range(-0.45, 0.45) * step, y = gy + rng.range(-0.45, 0.45) * step;
      double r = std::hypot(x, y);
      double roll = rng.uniform();
      if (r > 147) continue;
      // Forest clumps in the valley, dense woods on the lower ring, open
      // snow on the summits.
      double clump = smoothstep(0.02, 0.3, hills.fractal(x / 34 + 100, y / 34 - 50, 3));
      double valley = 0.6 * clump;
      double woods = smoothstep(90, 110, r) * (1 - smoothstep(0.55, 0.9, (naturalHeight(x, y) - 20) / 40));
      double density = std::max(valley, 0.8 * woods);
      if (r < 16) density *= 0.15;
      if (pondMeasure(x, y) < 1.45 || streamDistance(x, y) < 4.0) density = 0;
      for (const Cabin& c : cabins)
        if (std::hypot(x - c.centre.x, y - c.centre.y) < c.length * 1.25) density = 0;
      if (roll >= density) continue;
      double far = smoothstep(80, 130, r);
      double hgt = rng.range(6.5, 11.5) * (1 + 0.55 * far);
      Tree t{{x, y, 0}, hgt, hgt * rng.range(0.3, 0.38), rng.below(4), rng.range(0, 2 * M_PI)};
      t.base.z = height(x, y) - 0.3;
      trees.push_back(t);
    }
}

void Landscape::build(ArtArchive& pak) {
  // What stands on the ground goes first: drawn before it, the pines and
  // cabins hide the ground's fragments behind them instead of being drawn
  // over them.
  MeshBuilder mesh;
  addTrees(mesh);
  addCabins(mesh);
  addTerrain(mesh);
  pak.addImage("ground.png", bakeGround());
  pak.addImage("pine.png", paintPine());
  pak.addImage("cabin.png", paintCabin());
  pak.addMesh("scena", mesh);
}
