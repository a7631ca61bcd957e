// Image painting, sampling and resizing (see image.h).
#include "assets/generator/image.h"

#include <algorithm>
#include <cmath>

Color mix(const Color& a, const Color& b, double t) {
  float f = float(t);
  return Color{a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f, a.a + (b.a - a.a) * f};
}

Image::Image(int width, int height, Color fill) : width(width), height(height), pixels(size_t(width) * height, fill) {}

void Image::blend(int x, int y, const Color& c, double coverage) {
  if (x < 0 || y < 0 || x >= width || y >= height || coverage <= 0) return;
  Color& d = at(x, y);
  float sa = c.a * float(std::min(coverage, 1.0));
  float oa = sa + d.a * (1 - sa);
  if (oa <= 0) {
    d = Color{c.r, c.g, c.b, 0};
    return;
  }
  d.r = (c.r * sa + d.r * d.a * (1 - sa)) / oa;
  d.g = (c.g * sa + d.g * d.a * (1 - sa)) / oa;
  d.b = (c.b * sa + d.b * d.a * (1 - sa)) / oa;
  d.a = oa;
}

Color Image::sample(double s, double t) const {
  double fx = s * width - 0.5, fy = t * height - 0.5;
  double x0 = std::floor(fx), y0 = std::floor(fy);
  float u = float(fx - x0), v = float(fy - y0);
  auto wrap = [](long i, int n) { return int(((i % n) + n) % n); };
  int ix0 = wrap(long(x0), width), ix1 = wrap(long(x0) + 1, width);
  int iy0 = wrap(long(y0), height), iy1 = wrap(long(y0) + 1, height);
  const Color& a = at(ix0, iy0);
  const Color& b = at(ix1, iy0);
  const Color& c = at(ix0, iy1);
  const Color& d = at(ix1, iy1);
  // GL filters the stored (straight) values channel by channel.
  auto lerp2 = [&](float pa, float pb, float pc, float pd) {
    return (pa + (pb - pa) * u) * (1 - v) + (pc + (pd - pc) * u) * v;
  };
  return Color{lerp2(a.r, b.r, c.r, d.r), lerp2(a.g, b.g, c.g, d.g), lerp2(a.b, b.b, c.b, d.b),
               lerp2(a.a, b.a, c.a, d.a)};
}

Image Image::resized(int newWidth, int newHeight) const {
  Image out(newWidth, newHeight);
  double fx = double(width) / newWidth, fy = double(height) / newHeight;
  for (int y = 0; y < newHeight; ++y) {
    double sy0 = y * fy, sy1 = (y + 1) * fy;
    for (int x = 0; x < newWidth; ++x) {
      double sx0 = x * fx, sx1 = (x + 1) * fx;
      double r = 0, g = 0, b = 0, a = 0, w = 0;
      for (int j = int(sy0); j < std::min(height, int(std::ceil(sy1))); ++j) {
        double wy = std::min(sy1, j + 1.0) - std::max(sy0, double(j));
        for (int i = int(sx0); i < std::min(width, int(std::ceil(sx1))); ++i) {
          double wx = std::min(sx1, i + 1.0) - std::max(sx0, double(i));
          const Color& c = at(i, j);
          double k = wx * wy;
          r += c.r * c.a * k;
          g += c.g * c.a * k;
          b += c.b * c.a * k;
          a += c.a * k;
          w += k;
        }
      }
      Color& o = out.at(x, y);
      if (a > 1e-9) {
        o = Color{float(r / a), float(g / a), float(b / a), float(a / w)};
      } else {
        // Keep the colour of fully transparent areas so filtering at cut-out
        // edges does not pull in black.
        const Color& c = at(std::min(width - 1, int(sx0)), std::min(height - 1, int(sy0)));
        o = Color{c.r, c.g, c.b, 0};
      }
    }
  }
  return out;
}

std::vector<uint8_t> Image::toRgba8() const {
  std::vector<uint8_t> out;
  out.reserve(pixels.size() * 4);
  auto q = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  for (const Color& c : pixels) out.insert(out.end(), {q(c.r), q(c.g), q(c.b), q(c.a)});
  return out;
}

void Mask::blur(int radius) {
  if (radius <= 0) return;
  std::vector<float> tmp(values.size());
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < height; ++y) {
      double acc = 0;
      for (int x = -radius; x <= radius; ++x) acc += get(x, y);
      for (int x = 0; x < width; ++x) {
        tmp[size_t(y) * width + x] = float(acc / (2 * radius + 1));
        acc += get(x + radius + 1, y) - get(x - radius, y);
      }
    }
    for (int x = 0; x < width; ++x) {
      double acc = 0;
      for (int y = -radius; y <= radius; ++y) acc += (y >= 0 && y < height) ? tmp[size_t(y) * width + x] : 0.0f;
      for (int y = 0; y < height; ++y) {
        values[size_t(y) * width + x] = float(acc / (2 * radius + 1));
        int yin = y + radius + 1, yout = y - radius;
        if (yin < height) acc += tmp[size_t(yin) * width + x];
        if (yout >= 0) acc -= tmp[size_t(yout) * width + x];
      }
    }
  }
}
