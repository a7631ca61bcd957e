// Preview picture and coverage check (see preview_picture.h).
#include "assets/generator/preview_picture.h"

#include <cmath>
#include <stdexcept>

#include "assets/generator/random.h"
#include "assets/generator/soft_renderer.h"
#include "platform/little_endian.h"

std::vector<uint8_t> encodeDib(const Image& image, bool iconForm) {
  if (!iconForm && image.width * 3 % 4 != 0) throw std::runtime_error("BMP rows would need padding");
  const uint32_t w = uint32_t(image.width), h = uint32_t(image.height), maskRow = (w + 31) / 32 * 4;
  std::vector<uint8_t> out;
  putLe(out, 40, 4);
  putLe(out, w, 4);
  putLe(out, iconForm ? 2 * h : h, 4);
  putLe(out, 1, 2);
  putLe(out, iconForm ? 32 : 24, 2);
  putLe(out, 0, 4);  // no compression
  putLe(out, iconForm ? w * h * 4 + maskRow * h : w * 3 * h, 4);
  putLe(out, iconForm ? 0 : 2835, 4);  // pixels per metre, across and down
  putLe(out, iconForm ? 0 : 2835, 4);
  putLe(out, 0, 4);
  putLe(out, 0, 4);
  std::vector<uint8_t> rgba = image.toRgba8();
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &rgba[(size_t(y) * w + x) * 4];
      out.insert(out.end(), {p[2], p[1], p[0]});
      if (iconForm) out.push_back(p[3]);
    }
  for (int y = image.height - 1; iconForm && y >= 0; --y) {
    std::vector<uint8_t> row(maskRow, 0);
    for (int x = 0; x < image.width; ++x)
      if (rgba[(size_t(y) * w + x) * 4 + 3] == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> renderPreview(const ArtArchive& mainArchive, double turnDegrees) {
  const int w = 152, h = 112, ss = 4;
  SoftRenderer r(w * ss, h * ss);
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
  // A BMP file: the 14-byte file header, then the bitmap.
  std::vector<uint8_t> dib = encodeDib(picture, false);
  std::vector<uint8_t> out{'B', 'M'};
  putLe(out, uint32_t(14 + dib.size()), 4);
  putLe(out, 0, 4);
  putLe(out, 54, 4);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

int worstUncovered(const ArtArchive& mainArchive, int width, int height, double stepDegrees, double* worstAngle) {
  int worst = 0;
  for (double a = 0; a < 360; a += stepDegrees) {
    SoftRenderer r(width, height);
    r.placeLandscape(a);
    // The ground alone must close the view: trees only add to it.
    r.draw(mainArchive.meshes.at("scena"), mainArchive.images, false, "ground.png");
    int n = r.uncovered();
    if (n > worst) {
      worst = n;
      *worstAngle = a;
    }
  }
  return worst;
}
