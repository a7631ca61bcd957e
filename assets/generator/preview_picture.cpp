// Preview picture and coverage check (see preview_picture.h).
#include "preview_picture.h"

#include <cmath>
#include <stdexcept>

#include "random.h"
#include "soft_renderer.h"

static void putLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> encodeBmp24(const Image& image) {
  if (image.width * 3 % 4 != 0) throw std::runtime_error("BMP rows would need padding");
  uint32_t rowBytes = uint32_t(image.width) * 3, pixelBytes = rowBytes * uint32_t(image.height);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  putLe(out, 54 + pixelBytes, 4);
  putLe(out, 0, 4);
  putLe(out, 54, 4);
  putLe(out, 40, 4);
  putLe(out, uint32_t(image.width), 4);
  putLe(out, uint32_t(image.height), 4);
  putLe(out, 1, 2);
  putLe(out, 24, 2);
  putLe(out, 0, 4);  // no compression
  putLe(out, pixelBytes, 4);
  putLe(out, 2835, 4);
  putLe(out, 2835, 4);
  putLe(out, 0, 4);
  putLe(out, 0, 4);
  std::vector<uint8_t> rgba = image.toRgba8();
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &rgba[(size_t(y) * image.width + x) * 4];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
  return out;
}

std::vector<uint8_t> renderPreview(const ArtArchive& mainArchive, double turnDegrees) {
  const int w = 152, h = 112, ss = 4;
  SoftRenderer r(w * ss, h * ss);
  r.fog = FogSettings{true, 0.005, rgba(0.9, 0.9, 0.9)};
  r.placeLandscape(turnDegrees);
  r.draw(mainArchive.meshes.at("scena"), mainArchive.images, true);
  Image picture = r.colour.resized(w, h);
  // A few flakes in the air, soft white dots of one or two pixels.
  Random rng(7);
  for (int i = 0; i < 70; ++i) {
    double x = rng.range(0, w), y = rng.range(0, h), rad = rng.range(0.5, 1.2);
    for (int py = int(y - 2); py <= int(y + 2); ++py)
      for (int px = int(x - 2); px <= int(x + 2); ++px) {
        double d = std::hypot(px + 0.5 - x, py + 0.5 - y);
        picture.blend(px, py, rgba(1, 1, 1, 0.9), std::max(0.0, 1 - d / rad) * 0.9);
      }
  }
  for (Color& c : picture.pixels) c.a = 1;
  return encodeBmp24(picture);
}

int worstUncovered(const ArtArchive& mainArchive, int width, int height, double stepDegrees, double* worstAngle) {
  int worst = 0;
  for (double a = 0; a < 360; a += stepDegrees) {
    SoftRenderer r(width, height);
    r.placeLandscape(a);
    // The ground alone must close the view: trees only add to it.
    r.draw(mainArchive.meshes.at("scena"), mainArchive.images, false, "ground.png");
    int n = r.uncovered();
    if (n > worst || a == 0) {
      if (n > worst && worstAngle) *worstAngle = a;
      worst = std::max(worst, n);
    }
  }
  return worst;
}
