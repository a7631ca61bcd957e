// Landscape, what stands on the ground: pines as tiered cones whose texture
// coordinates carry their lighting (s is the light level, so shading is
// smooth across the facets), and log cabins whose faces pick pre-shaded
// rows of one atlas, with windows that glow with a live fire.
#include <algorithm>
#include <cmath>

#include "assets/generator/landscape.h"

namespace {

const int sides = 8;
const double tierBottom[3] = {0.05, 0.36, 0.62}, tierTop[3] = {0.58, 0.82, 1.0}, tierRadius[3] = {1.0, 0.72, 0.44};

// Row bands of the cabin atlas, as texture t ranges.
const double wallBand = 64.0 / 512, roofRow0 = 256.0 / 512, roofRows = 62.0 / 512, edge0 = 320.0 / 512,
             edge1 = 352.0 / 512, stone0 = 352.0 / 512, stone1 = 384.0 / 512, tile0 = 384.0 / 512;
const double pad = 1.5 / 512;

// Sets the pixels of rows y0 to y1 (exclusive), x below x1, to colourAt(x, y) made opaque.
template <class F>
void paintOpaque(Image& img, int y0, int y1, int x1, F colourAt) {
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < x1; ++x) {
      Color c = colourAt(x, y);
      c.a = 1;
      img.at(x, y) = c;
    }
}

}  // namespace

void Landscape::addTrees(MeshBuilder& mesh) const {
  // Cones wound counter-clockwise seen from outside; open below, where the
  // camera, high above the valley, never looks into them.
  MeshPart& part = mesh.part("pine.png", false, false, true);
  for (const Tree& t : trees) {
    double row0 = t.variant * 0.25;
    for (int k = 0; k < 3; ++k) {
      double zb = t.base.z + t.height * tierBottom[k], zt = t.base.z + t.height * tierTop[k];
      double r = t.radius * tierRadius[k];
      double slope = std::atan2(r, zt - zb);  // normal's lift from horizontal
      double dark = 0.78 + 0.22 * k / 2.0;    // lower tiers sit in their neighbours' shade
      auto light = [&](Vec3 n) { return std::clamp((dot(n, sun) + 0.4) / 1.4, 0.0, 1.0) * dark; };
      Vec3 apex{t.base.x, t.base.y, zt};
      for (int i = 0; i < sides; ++i) {
        double a0 = t.turn + 2 * M_PI * i / sides, a1 = t.turn + 2 * M_PI * (i + 1) / sides;
        // Alternate long and short rim points: a star of drooping boughs.
        double r0 = r * (i % 2 ? 0.8 : 1.0), r1 = r * ((i + 1) % 2 ? 0.8 : 1.0);
        double d0 = (i % 2 ? 0.05 : -0.06) * t.height, d1 = ((i + 1) % 2 ? 0.05 : -0.06) * t.height;
        Vec3 p0{t.base.x + std::cos(a0) * r0, t.base.y + std::sin(a0) * r0, zb + d0};
        Vec3 p1{t.base.x + std::cos(a1) * r1, t.base.y + std::sin(a1) * r1, zb + d1};
        Vec3 n0{std::cos(a0) * std::cos(slope), std::sin(a0) * std::cos(slope), std::sin(slope)};
        Vec3 n1{std::cos(a1) * std::cos(slope), std::sin(a1) * std::cos(slope), std::sin(slope)};
        Vec3 nm = normalized(n0 + n1);
        auto v = [&](double l) { return row0 + 0.01 + 0.23 * l; };
        mesh.triangle(part, Vertex{apex, nm, 0.02 + 0.96 * light(nm), v(0.04)},
                      Vertex{p0, n0, 0.02 + 0.96 * light(n0), v(1.0)}, Vertex{p1, n1, 0.02 + 0.96 * light(n1), v(1.0)});
      }
    }
  }
}

Image Landscape::paintPine() const {
  Image img(256, 256);
  Noise n(303);
  const Color deep = rgba(0.05, 0.11, 0.1), green = rgba(0.17, 0.31, 0.2), bright = rgba(0.3, 0.45, 0.28);
  const Color snowShade = rgba(0.55, 0.64, 0.82), snowLit = rgba(0.98, 0.98, 0.96);
  paintOpaque(img, 0, 256, 256, [&](int x, int y) {
    int variant = y / 64;
    double along = (y % 64 + 0.5) / 64, l = (x + 0.5) / 256;
    double amount = 0.2 + 0.18 * variant;
    Color g = l < 0.5 ? mix(deep, green, l * 2) : mix(green, bright, (l - 0.5) * 2);
    // Bough layers across the slope.
    double bough = 0.5 + 0.5 * std::sin(along * M_PI * 7 + n.value(x * 0.2, y * 0.05) * 2);
    g = scaled(g, 0.8 + 0.35 * bough);
    double patch = n.fractal(x / 9.0 + variant * 20, along * 9, 3);
    double snow = smoothstep(0.35 - amount, 0.6 - amount, patch + 0.3 * (1 - along) + 0.25 * bough - 0.2);
    Color s = mix(snowShade, snowLit, std::pow(l, 0.8));
    Color c = mix(g, s, snow * (1 - smoothstep(0.88, 1.0, along) * 0.7));
    return along > 0.92 ? scaled(c, 0.8) : c;
  });
  return img;
}

Image Landscape::paintCabin() const {
  Image img(512, 512, rgba(1, 1, 1, 1));
  Noise n(404);
  const double bright[4] = {0.4, 0.56, 0.76, 0.98};
  paintOpaque(img, 0, 256, 512, [&](int x, int y) {
    int k = y / 64;
    double v = (y % 64 + 0.5) / 64;        // 0 top .. 1 bottom of a wall
    double log = std::fmod(v * 5.0, 1.0);  // five logs per wall height
    double round = std::sin(log * M_PI);
    double grain = n.value(x / 16.0, y * 0.7, 32) * 0.1 + n.value(x / 5.0, y * 2.3, 102) * 0.05;
    Color wood = rgba(0.45 + grain, 0.29 + grain * 0.7, 0.17 + grain * 0.4);
    wood = scaled(wood, 0.45 + 0.6 * std::pow(round, 0.6));
    if (log < 0.12) wood = mix(wood, rgba(0.9, 0.93, 1.0), 0.55);  // snow in the chinks
    return mix(scaled(wood, bright[k]), rgba(0.2, 0.25, 0.4), (1 - bright[k]) * 0.25);
  });
  const Color snowShade = rgba(0.56, 0.65, 0.83), snowLit = rgba(1.0, 0.985, 0.95);
  paintOpaque(img, 256, 320, 512, [&](int x, int y) {
    return scaled(mix(snowShade, snowLit, (y - 256) / 63.0), 1 + 0.03 * n.value(x / 12.0, 3, 42));
  });
  paintOpaque(img, 320, 352, 512, [](int, int y) {
    double v = (y - 320) / 31.0;
    return mix(rgba(0.93, 0.95, 0.98), rgba(0.6, 0.67, 0.82), v * v);
  });
  paintOpaque(img, 352, 384, 512, [&](int x, int y) {
    double s = n.value(x / 6.0, y / 6.0, 85);
    double mortar = std::fabs(std::sin((y - 352) * M_PI / 8)) < 0.2 ? 0.6 : 1.0;
    return scaled(rgba(0.5 + 0.1 * s, 0.47 + 0.08 * s, 0.46 + 0.06 * s), mortar);
  });
  for (int y = 384; y < 512; ++y)
    for (int x = 0; x < 384; ++x) {
      double u = (x % 128 + 0.5) / 128, v = (y - 384 + 0.5) / 128;
      Color c;
      if (x < 128) {  // door: planks in a frame
        double plank = std::fabs(std::sin(u * M_PI * 5));
        c = scaled(rgba(0.36, 0.22, 0.13), 0.55 + 0.4 * plank + 0.08 * n.value(u * 4, v * 30));
        if (u < 0.08 || u > 0.92 || v < 0.05) c = rgba(0.2, 0.12, 0.07);
        if (std::hypot(u - 0.8, v - 0.55) < 0.035) c = rgba(0.85, 0.7, 0.35);
      } else if (x < 256) {  // lit room behind the glass
        double d = std::hypot(u - 0.5, v - 0.62);
        c = mix(rgba(1.0, 0.82, 0.48), rgba(0.62, 0.3, 0.12), std::min(1.0, d * 1.6));
      } else {  // frame and cross bars; the panes are cut out
        bool frame =
            u < 0.1 || u > 0.9 || v < 0.1 || v > 0.88 || std::fabs(u - 0.5) < 0.04 || std::fabs(v - 0.48) < 0.04;
        c = frame ? rgba(0.28, 0.18, 0.1) : rgba(0.28, 0.18, 0.1, 0);
        if (v > 0.88) c = rgba(0.95, 0.97, 1.0);  // snow on the sill
      }
      c.a = x >= 256 ? c.a : 1;
      img.at(x, y) = c;
    }
  return img;
}

void Landscape::addCabins(MeshBuilder& mesh) const {
  MeshPart& wood = mesh.part("cabin.png", false, false, true);
  MeshPart& frames = mesh.part("cabin.png", true, false);
  MeshPart& fire = mesh.part("_#Fire64x64", false, true);
  for (const Cabin& c : cabins) {
    double ca = std::cos(c.angle), sa = std::sin(c.angle);
    auto world = [&](double x, double y, double z) {
      return Vec3{c.centre.x + x * ca - y * sa, c.centre.y + x * sa + y * ca, c.centre.z + z};
    };
    // A quad from local corners, mapped to a texture rectangle, wound
    // counter-clockwise seen from the side `out` points to (local), so that
    // the cabin is a closed solid whose back faces can be culled.
    auto quad = [&](MeshPart& part, Vec3 out, Vec3 a, Vec3 b, Vec3 cc, Vec3 d, double s0, double t0, double s1,
                    double t1) {
      if (dot(cross(b - a, d - a), out) < 0) {
        std::swap(a, b);
        std::swap(cc, d);
        std::swap(s0, s1);
      }
      Vec3 wa = world(a.x, a.y, a.z), wb = world(b.x, b.y, b.z), wc = world(cc.x, cc.y, cc.z),
           wd = world(d.x, d.y, d.z);
      Vec3 nrm = normalized(cross(wb - wa, wd - wa));
      mesh.triangle(part, Vertex{wa, nrm, s0, t1}, Vertex{wb, nrm, s1, t1}, Vertex{wc, nrm, s1, t0});
      mesh.triangle(part, Vertex{wa, nrm, s0, t1}, Vertex{wc, nrm, s1, t0}, Vertex{wd, nrm, s0, t0});
    };
    auto band = [&](Vec3 a, Vec3 b) {
      Vec3 nrm = normalized(cross(world(b.x, b.y, b.z) - world(a.x, a.y, a.z), Vec3{0, 0, 1}));
      double l = dot(nrm, sun);
      int k = l > 0.45 ? 3 : l > 0.1 ? 2 : l > -0.25 ? 1 : 0;
      return k * wallBand;
    };
    double L = c.length / 2, W = c.width / 2, H = c.wallHeight, rise = W * 0.78, ov = 0.7;
    // Walls, sunk a little into the ground.
    Vec3 corner[4] = {{-L, -W, 0}, {L, -W, 0}, {L, W, 0}, {-L, W, 0}};
    for (int i = 0; i < 4; ++i) {
      Vec3 a = corner[i], b = corner[(i + 1) % 4];
      double len = std::hypot(b.x - a.x, b.y - a.y), t0 = band(a, b);
      quad(wood, (a + b) * 0.5, {a.x, a.y, -0.8}, {b.x, b.y, -0.8}, {b.x, b.y, H}, {a.x, a.y, H}, 0, t0 + pad, len / 8,
           t0 + wallBand - pad);
    }
    // Gable triangles at both ends.
    for (double x : {-L, L}) {
      // Left then right corner as seen from outside.
      double t0 = band({x, x < 0 ? W : -W, 0}, {x, x < 0 ? -W : W, 0});
      Vec3 a = world(x, x < 0 ? W : -W, H), b = world(x, x < 0 ? -W : W, H), top = world(x, 0, H + rise);
      Vec3 nrm = normalized(cross(b - a, top - a));
      double tb = t0 + wallBand - pad, tt = tb - (wallBand - 2 * pad) * rise / H * 0.9;
      mesh.triangle(wood, Vertex{a, nrm, 0, tb}, Vertex{b, nrm, c.width / 8, tb}, Vertex{top, nrm, c.width / 16, tt});
    }
    // Snow-covered roof planes with their thick snow edges.
    for (int side = -1; side <= 1; side += 2) {
      Vec3 ridge0{-L - ov, 0, H + rise + 0.25}, ridge1{L + ov, 0, H + rise + 0.25};
      Vec3 eave0{-L - ov, side * (W + ov), H - ov * 0.78 + 0.25}, eave1{L + ov, side * (W + ov), H - ov * 0.78 + 0.25};
      Vec3 n = normalized(cross(world(ridge1.x, ridge1.y, ridge1.z) - world(ridge0.x, ridge0.y, ridge0.z),
                                world(eave0.x, eave0.y, eave0.z) - world(ridge0.x, ridge0.y, ridge0.z)));
      if (n.z < 0) n = n * -1;
      double light = std::clamp((dot(n, sun) + 0.2) / 1.1, 0.0, 1.0);
      double tr = roofRow0 + pad + light * (roofRows - 2 * pad);
      quad(wood, {0, double(side), 1}, eave0, eave1, ridge1, ridge0, 0, tr, c.length / 8, tr);
      // The snow's thickness: its edges, and its underside.
      Vec3 drop{0, 0, -0.45};
      quad(wood, {0, double(side), 0}, eave0 + drop, eave1 + drop, eave1, eave0, 0, edge0 + pad, c.length / 8,
           edge1 - pad);
      for (double x : {-L - ov, L + ov}) {
        Vec3 e{x, side * (W + ov), eave0.z}, r{x, 0, ridge0.z};
        quad(wood, {x, 0, 0}, e + drop, r + drop, r, e, 0, edge0 + pad, 0.5, edge1 - pad);
      }
      quad(wood, {0, 0, -1}, eave0 + drop, eave1 + drop, ridge1 + drop, ridge0 + drop, 0, edge1 - pad, c.length / 8,
           edge1 - pad);
    }
    // Stone chimney with a cap of snow.
    {
      double cx = L * 0.45, cy = W * 0.4, s = 0.45, z0 = H, z1 = H + rise + 1.4;
      Vec3 q[4] = {{cx - s, cy - s, 0}, {cx + s, cy - s, 0}, {cx + s, cy + s, 0}, {cx - s, cy + s, 0}};
      for (int i = 0; i < 4; ++i) {
        Vec3 a = q[i], b = q[(i + 1) % 4];
        quad(wood, (a + b) * 0.5 - Vec3{cx, cy, 0}, {a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, z1}, {a.x, a.y, z1}, 0,
             stone0 + pad, 0.3, stone1 - pad);
      }
      // Its top, seen below the cap.
      quad(wood, {0, 0, 1}, {cx - s, cy - s, z1}, {cx + s, cy - s, z1}, {cx + s, cy + s, z1}, {cx - s, cy + s, z1}, 0,
           stone0 + pad, 0.3, stone1 - pad);
      quad(wood, {0, 0, 1}, {cx - s - 0.1, cy - s - 0.1, z1 + 0.15}, {cx + s + 0.1, cy - s - 0.1, z1 + 0.15},
           {cx + s + 0.1, cy + s + 0.1, z1 + 0.15}, {cx - s - 0.1, cy + s + 0.1, z1 + 0.15}, 0.8, roofRow0 + roofRows,
           0.9, roofRow0 + roofRows);
    }
    // The door on the front (-y) wall, and windows with fire-lit rooms.
    quad(wood, {0, -1, 0}, {-0.55, -W - 0.03, 0}, {0.55, -W - 0.03, 0}, {0.55, -W - 0.03, 2.15},
         {-0.55, -W - 0.03, 2.15}, 0 + pad, tile0 + pad, 0.25 - pad, 1 - pad);
    struct Window {
      double x, y, outX, outY;  // its middle on the wall, and the wall's outward direction
    };
    // Two in front, one at the back, one at each end.
    const Window windows[] = {
        {-L * 0.55, -W, 0, -1}, {L * 0.55, -W, 0, -1}, {0, W, 0, 1}, {L, 0, 1, 0}, {-L, 0, -1, 0}};
    for (const Window& w : windows) {
      double hw = 0.6, z0 = H * 0.38, z1 = z0 + 1.1;
      for (int layer = 0; layer < 3; ++layer) {
        double out = 0.03 + 0.04 * layer;
        // Its lower corners, left then right as seen from outside.
        Vec3 a{w.x + w.outX * out + w.outY * hw, w.y + w.outY * out - w.outX * hw, 0};
        Vec3 b{w.x + w.outX * out - w.outY * hw, w.y + w.outY * out + w.outX * hw, 0};
        Vec3 p0{a.x, a.y, z0}, p1{b.x, b.y, z0}, p2{b.x, b.y, z1}, p3{a.x, a.y, z1};
        const Vec3 outward{w.outX, w.outY, 0};
        if (layer == 0) quad(wood, outward, p0, p1, p2, p3, 0.25 + pad, tile0 + pad, 0.5 - pad, 1 - pad);
        if (layer == 1) quad(fire, outward, p0, p1, p2, p3, 0, 0, 1, 1);
        if (layer == 2) quad(frames, outward, p0, p1, p2, p3, 0.5 + pad, tile0 + pad, 0.75 - pad, 1 - pad);
      }
    }
  }
}
