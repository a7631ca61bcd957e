// Image: a floating-point RGBA picture (straight alpha) that the generator
// paints into, samples like a GL texture and finally stores as 8-bit RGBA.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Color {
  float r, g, b, a;
};

inline Color rgba(double r, double g, double b, double a = 1.0) {
  return Color{float(r), float(g), float(b), float(a)};
}
Color mix(const Color& a, const Color& b, double t);
// c with its colour, not its alpha, multiplied by k.
inline Color scaled(const Color& c, double k) { return Color{float(c.r * k), float(c.g * k), float(c.b * k), c.a}; }

class Image {
 public:
  Image() : width(0), height(0) {}
  Image(int width, int height, Color fill = Color{0, 0, 0, 0});

  Color& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  const Color& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  // Paints c over the pixel with the given coverage (0..1), "over" operator.
  void blend(int x, int y, const Color& c, double coverage);
  // Bilinear lookup at texture coordinates (s, t), t = 0 at row 0, wrapping
  // like GL's repeat mode; returns straight-alpha colour.
  Color sample(double s, double t) const;
  // A resized copy, area-weighted with premultiplied alpha.
  Image resized(int newWidth, int newHeight) const;
  // 8-bit RGBA, row 0 first.
  std::vector<uint8_t> toRgba8() const;

  int width, height;
  std::vector<Color> pixels;
};

// A single-channel coverage mask with the same addressing as an Image.
struct Mask {
  Mask(int width, int height) : width(width), height(height), values(size_t(width) * height, 0.0f) {}
  float& at(int x, int y) { return values[size_t(y) * width + x]; }
  float get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return values[size_t(y) * width + x];
  }
  // Gaussian-like blur by three box passes of the given radius in pixels.
  void blur(int radius);
  int width, height;
  std::vector<float> values;
};
