// Software rasterisation (see soft_renderer.h).
#include "assets/generator/soft_renderer.h"

#include <algorithm>
#include <cmath>

namespace {

struct ClipVertex {
  double x, y, z;  // eye space
  double s, t;
};

const double nearPlane = 0.1, farPlane = 250.0;
// The show's fog, exponential squared, and how far the eye stands from the
// landscape's centre (the frame's 100 less the stage's 10).
const double fogDensity = 0.005, eyeDistance = 90;
const Color fogColour = rgba(0.9, 0.9, 0.9);

// Keeps the part of a polygon on the side where sign * (z - plane) >= 0.
std::vector<ClipVertex> clip(const std::vector<ClipVertex>& in, double plane, double sign) {
  std::vector<ClipVertex> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const ClipVertex& a = in[i];
    const ClipVertex& b = in[(i + 1) % in.size()];
    double da = sign * (a.z - plane), db = sign * (b.z - plane);
    if (da >= 0) out.push_back(a);
    if ((da >= 0) != (db >= 0)) {
      double k = da / (da - db);
      out.push_back(ClipVertex{a.x + (b.x - a.x) * k, a.y + (b.y - a.y) * k, a.z + (b.z - a.z) * k,
                               a.s + (b.s - a.s) * k, a.t + (b.t - a.t) * k});
    }
  }
  return out;
}

}  // namespace

SoftRenderer::SoftRenderer(int width, int height)
    : width(width), height(height), colour(width, height, Color{0, 0, 0, 1}), depth(size_t(width) * height, 0.0f) {
  placeLandscape(0);
}

void SoftRenderer::placeLandscape(double turnDegrees) {
  double t = turnDegrees * M_PI / 180, c = std::cos(t), s = std::sin(t);
  double tc = std::cos(-M_PI / 3), ts = std::sin(-M_PI / 3);
  // Tilt (about x) times turn (about z).
  double m[9] = {c, -s, 0, tc * s, tc * c, -ts, ts * s, ts * c, tc};
  std::copy(m, m + 9, rotation);
}

void SoftRenderer::draw(const MeshBuilder& mesh, const std::map<std::string, Image>& images, bool textured,
                        const char* onlyPart) {
  // Opaque parts first, blended ones after, as the show's deferred pass does.
  for (int pass = 0; pass < 2; ++pass)
    for (const MeshPart& part : mesh.parts) {
      if (part.deferred != (pass == 1)) continue;
      if (onlyPart && part.texture != onlyPart) continue;
      auto found = images.find(part.texture);
      const Image* texture = found == images.end() ? nullptr : &found->second;
      // Procedural textures stand in as a warm glow.
      Color flat = part.texture.size() > 1 && part.texture[1] == '#' ? rgba(1.0, 0.62, 0.25, 0.55) : rgba(1, 1, 1);
      for (size_t i = 0; i + 2 < part.vertices.size(); i += 3) {
        const Vertex* v[3] = {&part.vertices[i], &part.vertices[i + 1], &part.vertices[i + 2]};
        drawTriangle(v, texture, part.alphaTest, part.deferred, textured, flat);
      }
    }
}

void SoftRenderer::drawTriangle(const Vertex* v[3], const Image* texture, bool alphaTest, bool blended, bool textured,
                                const Color& flat) {
  std::vector<ClipVertex> poly;
  for (int k = 0; k < 3; ++k) {
    const Vec3& p = v[k]->p;
    const double* m = rotation;
    poly.push_back(ClipVertex{m[0] * p.x + m[1] * p.y + m[2] * p.z, m[3] * p.x + m[4] * p.y + m[5] * p.z,
                              m[6] * p.x + m[7] * p.y + m[8] * p.z - eyeDistance, v[k]->s, v[k]->t});
  }
  poly = clip(poly, -nearPlane, -1);  // keep z <= -near
  if (poly.size() < 3) return;
  poly = clip(poly, -farPlane, 1);  // keep z >= -far
  if (poly.size() < 3) return;
  const double f = 1 / std::tan(M_PI / 8), aspect = double(width) / height;
  struct Screen {
    double x, y, w, sw, tw;
  };
  std::vector<Screen> sp;
  for (const ClipVertex& c : poly) {
    double w = -c.z;
    sp.push_back(
        Screen{(f / aspect * c.x / w + 1) * 0.5 * width, (1 - f * c.y / w) * 0.5 * height, 1 / w, c.s / w, c.t / w});
  }
  for (size_t k = 1; k + 1 < sp.size(); ++k) {
    const Screen& a = sp[0];
    const Screen& b = sp[k];
    const Screen& c = sp[k + 1];
    double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (std::fabs(area) < 1e-12) continue;
    int x0 = std::max(0, int(std::floor(std::min({a.x, b.x, c.x})))),
        x1 = std::min(width - 1, int(std::max({a.x, b.x, c.x})));
    int y0 = std::max(0, int(std::floor(std::min({a.y, b.y, c.y})))),
        y1 = std::min(height - 1, int(std::max({a.y, b.y, c.y})));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        double px = x + 0.5, py = y + 0.5;
        double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
        double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
        double wc = 1 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0) continue;
        double iw = wa * a.w + wb * b.w + wc * c.w;
        float d = float(1 / iw);
        float& zb = depth[size_t(y) * width + x];
        if (zb != 0 && d >= zb) continue;
        if (!textured) {
          zb = d;
          continue;
        }
        Color texel = texture ? texture->sample((wa * a.sw + wb * b.sw + wc * c.sw) / iw,
                                                (wa * a.tw + wb * b.tw + wc * c.tw) / iw)
                              : flat;
        if (alphaTest && texel.a <= 0.9f) continue;
        Color out = blended ? texel : mix(fogColour, texel, std::exp(-std::pow(fogDensity * d, 2)));
        Color& dst = colour.at(x, y);
        if (blended) {
          dst = mix(dst, Color{out.r, out.g, out.b, 1}, out.a);
        } else {
          dst = Color{out.r, out.g, out.b, 1};
          zb = d;
        }
      }
  }
}

int SoftRenderer::uncovered() const { return int(std::count(depth.begin(), depth.end(), 0.0f)); }
