// Landscape, the ground: its mesh, and the baked snow texture with sun and
// sky light, the long blue shadows of trees, cabins and hills, the pond's
// ice, the stream and a trodden path.
#include <algorithm>
#include <cmath>

#include "assets/generator/landscape.h"

namespace {

// Heights on a regular grid, looked up bilinearly, so the bake and its
// shadow marching do not evaluate the full height function per texel.
struct HeightGrid {
  HeightGrid(const Landscape& land, int n) : n(n), cell(2 * Landscape::extent / (n - 1)), h(size_t(n) * n) {
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i)
        h[size_t(j) * n + i] = land.height(-Landscape::extent + i * cell, -Landscape::extent + j * cell);
  }
  double at(double px, double py) const {
    double fx = std::clamp((px + Landscape::extent) / cell, 0.0, n - 1.001);
    double fy = std::clamp((py + Landscape::extent) / cell, 0.0, n - 1.001);
    int i = int(fx), j = int(fy);
    double u = fx - i, v = fy - j;
    const double* r0 = &h[size_t(j) * n + i];
    const double* r1 = r0 + n;
    return (r0[0] * (1 - u) + r0[1] * u) * (1 - v) + (r1[0] * (1 - u) + r1[1] * u) * v;
  }
  Vec3 normal(double px, double py) const {
    return normalized(Vec3{at(px - cell, py) - at(px + cell, py), at(px, py - cell) - at(px, py + cell), 2 * cell});
  }
  int n;
  double cell;
  std::vector<double> h;
};

double hash01(int x, int y) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xffff) / 65535.0;
}

Color mixc(const Color& a, const Color& b, double t) { return mix(a, b, std::clamp(t, 0.0, 1.0)); }

}  // namespace

Image Landscape::bakeGround() const {
  const int size = 1024;
  const double texel = 2 * extent / size;
  HeightGrid grid(*this, 384);
  Noise grain(5), ice(77), drift(91);
  Vec3 sunFlat = normalized(Vec3{sun.x, sun.y, 0});
  double sunSlope = sun.z / std::hypot(sun.x, sun.y);

  // Calls paint(i, j, x, y) for the texels (i, j) within the box, (x, y)
  // being their middles; texel row 0 is the box's top (largest y).
  auto forTexels = [&](double x0, double y0, double x1, double y1, auto paint) {
    int i0 = std::max(0, int((x0 + extent) / texel)), i1 = std::min(size - 1, int((x1 + extent) / texel));
    int j0 = std::max(0, int((extent - y1) / texel)), j1 = std::min(size - 1, int((extent - y0) / texel));
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i) paint(i, j, -extent + (i + 0.5) * texel, extent - (j + 0.5) * texel);
  };
  // Shadows cast by trees and cabins onto the ground.
  Mask shadow(size, size);
  for (const Tree& t : trees) {
    double len = t.height / sunSlope * 0.95;
    Vec3 tip = t.base - sunFlat * len;
    double x0 = std::min(t.base.x, tip.x) - t.radius - 1, x1 = std::max(t.base.x, tip.x) + t.radius + 1;
    double y0 = std::min(t.base.y, tip.y) - t.radius - 1, y1 = std::max(t.base.y, tip.y) + t.radius + 1;
    forTexels(x0, y0, x1, y1, [&](int i, int j, double x, double y) {
      double ax = x - t.base.x, ay = y - t.base.y;
      double along = -(ax * sunFlat.x + ay * sunFlat.y) / len;
      double side = std::fabs(ax * sunFlat.y - ay * sunFlat.x);
      float s = 0;
      if (along > -0.15 && along < 1.0) {
        double half = t.radius * (1.0 - std::max(0.0, along)) + 0.3;
        s = float(0.62 * std::clamp((half - side) / 1.3 + 0.5, 0.0, 1.0) * smoothstep(1.05, 0.6, along));
      }
      double contact = std::hypot(ax, ay) / (t.radius * 1.15);
      s = std::max(s, float(0.45 * (1 - smoothstep(0.5, 1.0, contact))));
      shadow.at(i, j) = std::max(shadow.at(i, j), s);
    });
  }
  for (const Cabin& c : cabins) {
    double ca = std::cos(c.angle), sa = std::sin(c.angle);
    double hx = c.length / 2 + 0.6, hy = c.width / 2 + 0.6, top = c.wallHeight + c.width * 0.35;
    double reach = top / sunSlope + c.length;
    const Vec3& o = c.centre;
    forTexels(o.x - reach, o.y - reach, o.x + reach, o.y + reach, [&](int i, int j, double wx, double wy) {
      // Ray from the ground point towards the sun, in the cabin's frame.
      double x = wx - o.x, y = wy - o.y;
      double px = x * ca + y * sa, py = -x * sa + y * ca, pz = 0.2;
      double dx = sun.x * ca + sun.y * sa, dy = -sun.x * sa + sun.y * ca, dz = sun.z;
      double t0 = 0, t1 = 1e9;
      auto slab = [&](double p, double d, double lo, double hi) {
        if (std::fabs(d) < 1e-9) return p >= lo && p <= hi;
        double a = (lo - p) / d, b = (hi - p) / d;
        t0 = std::max(t0, std::min(a, b));
        t1 = std::min(t1, std::max(a, b));
        return t0 <= t1;
      };
      bool hit = slab(px, dx, -hx, hx) && slab(py, dy, -hy, hy) && slab(pz, dz, -1, top);
      if (hit) shadow.at(i, j) = std::max(shadow.at(i, j), 0.8f);
    });
  }
  shadow.blur(1);  // softer edges

  const Color snowLit = rgba(1.0, 0.985, 0.95), snowShade = rgba(0.56, 0.65, 0.83);
  const Color rock = rgba(0.5, 0.49, 0.52), iceClear = rgba(0.3, 0.43, 0.55), iceWhite = rgba(0.66, 0.78, 0.86);
  const Cabin& home = cabins.front();
  Vec3 door =
      home.centre + Vec3{std::sin(home.angle) * home.width * 0.5 + 0.0, -std::cos(home.angle) * home.width * 0.5, 0};
  Vec3 shore{-12.5, 9.5, 0};
  Image out(size, size);
  forTexels(-extent, -extent, extent, extent, [&](int i, int j, double x, double y) {
    double h = grid.at(x, y);
    Vec3 n = grid.normal(x, y);
    // Hills shading the valley: march towards the sun over the grid.
    double hill = 0;
    for (double d = 1.5; d < 70; d *= 1.18) {
      double rise = grid.at(x + sunFlat.x * d, y + sunFlat.y * d) - (h + d * sunSlope);
      if (rise > 0) hill = std::max(hill, std::min(1.0, rise / 2.5));
    }
    double direct = std::clamp(dot(n, sun) / sun.z, 0.0, 1.3);
    double shade = std::max(hill * 0.8, double(shadow.at(i, j)));
    double light = direct * (1 - shade);
    Color c = mixc(snowShade, snowLit, std::pow(std::min(light, 1.0), 0.85));
    if (light > 1) c = scaled(c, 1 + (light - 1) * 0.08);
    // Wind-blown drifts and rock on the steep mountain faces.
    double steep = smoothstep(0.86, 0.66, n.z) * smoothstep(0.0, 0.4, drift.fractal(x / 6, y / 6, 3) + 0.25);
    if (steep > 0) c = mixc(c, scaled(rock, 0.6 + 0.4 * std::min(light, 1.0)), steep * 0.6);
    c = scaled(c, 1 + 0.025 * drift.fractal(x / 3, y / 3, 3));
    // The pond: clear dark ice in the middle, whiter and dusted near the shore.
    double p = pondMeasure(x, y);
    if (p < 1.0) {
      double streak = 0.5 + 0.5 * ice.fractal(x / 9 + y / 30, y / 2.2, 4);
      Color ic = mixc(iceClear, iceWhite, smoothstep(0.3, 1.0, p) * 0.8 + streak * 0.35);
      // Pale bands where the ice froze in layers.
      double band = std::fabs(ice.fractal(x / 14, y / 14, 2));
      ic = mixc(ic, rgba(0.85, 0.92, 0.98), (1 - smoothstep(0.0, 0.12, band)) * 0.35);
      double dust = smoothstep(0.72, 1.0, p + 0.15 * drift.fractal(x / 2.5, y / 2.5, 2));
      ic = mixc(ic, c, dust);
      c = mixc(ic, scaled(ic, 0.82), shade * 0.6);
    }
    // The stream: ice with a dark thread of open water.
    double s = streamDistance(x, y);
    double inStream = 1 - smoothstep(1.6, 2.4, s);
    if (inStream > 0 && std::hypot(x, y) < 110) {
      Color sc = mixc(rgba(0.3, 0.42, 0.52), iceWhite, smoothstep(0.2, 1.8, s));
      c = mixc(c, mixc(sc, scaled(sc, 0.8), shade), inStream * (1 - smoothstep(95, 110, std::hypot(x, y))));
    }
    // A trodden path from the first cabin's door to the pond.
    {
      double dx = shore.x - door.x, dy = shore.y - door.y;
      double t = std::clamp(((x - door.x) * dx + (y - door.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
      double wob = 0.8 * std::sin(t * 7.0);
      double d = std::hypot(x - door.x - dx * t + dy / std::hypot(dx, dy) * wob,
                            y - door.y - dy * t - dx / std::hypot(dx, dy) * wob);
      double k = 1 - smoothstep(0.6, 1.1, d);
      if (k > 0) c = mixc(c, scaled(mixc(c, snowShade, 0.35), 0.97), k * 0.8);
    }
    double g = grain.value(i * 0.7, j * 0.7) * 0.012;
    if (hash01(i, j) > 0.997) g += 0.05 * std::min(light, 1.0);
    c = scaled(c, 1 + g);
    c.a = 1;
    out.at(i, j) = c;
  });
  return out;
}

void Landscape::addTerrain(MeshBuilder& mesh) const {
  // Seen from above only, and a height field: its back faces lie behind its
  // front ones.
  MeshPart& part = mesh.part("ground.png", false, false, true);
  const double step = 3.0;
  const int n = int(2 * extent / step);
  // Each grid vertex once, then the cells inside the circle.
  std::vector<Vertex> grid;
  for (int j = 0; j <= n; ++j)
    for (int i = 0; i <= n; ++i) {
      double x = -extent + i * step, y = -extent + j * step;
      grid.push_back(
          Vertex{{x, y, height(x, y)}, normal(x, y), (x + extent) / (2 * extent), (extent - y) / (2 * extent)});
    }
  auto at = [&](int i, int j) -> const Vertex& { return grid[size_t(j) * (n + 1) + i]; };
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      double cx = -extent + (i + 0.5) * step, cy = -extent + (j + 0.5) * step;
      if (std::hypot(cx, cy) > extent - 1) continue;
      const Vertex &a = at(i, j), &b = at(i + 1, j), &c = at(i + 1, j + 1), &d = at(i, j + 1);
      if ((i + j) % 2) {
        mesh.triangle(part, a, b, c);
        mesh.triangle(part, a, c, d);
      } else {
        mesh.triangle(part, a, b, d);
        mesh.triangle(part, b, c, d);
      }
    }
}
