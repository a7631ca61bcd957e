// The application icon (see app_icon.h).
#include "app_icon.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "main_art.h"
#include "png_writer.h"
#include "soft_renderer.h"

const int appIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
const int appIconSizeCount = sizeof appIconSizes / sizeof appIconSizes[0];

namespace {

const int master = 1024;

// The valley as the show frames it, darkened towards the top into a dusk
// sky so that the white crystal stands out even at 16 pixels.
Image duskValley(const ArtArchive& mainArchive) {
  SoftRenderer r(master / 2, master / 2);
  r.fog = FogSettings{true, 0.005, rgba(0.9, 0.9, 0.9)};
  r.placeLandscape(215);
  r.draw(mainArchive.meshes.at("scena"), mainArchive.images, true);
  Image valley = r.colour.resized(master, master);
  for (int y = 0; y < master; ++y) {
    double dusk = std::clamp(1.0 - double(y) / master * 1.6, 0.0, 1.0);
    for (int x = 0; x < master; ++x) {
      Color& c = valley.at(x, y);
      c = mix(Color{c.r * 0.66f, c.g * 0.74f, c.b * 0.94f, 1}, rgba(0.07, 0.12, 0.32), dusk * 0.85);
    }
  }
  return valley;
}

void putLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A 32-bit bottom-up bitmap of twice the height (the colour rows, then the
// 1-bit mask that icon readers without alpha use).
std::vector<uint8_t> iconBitmap(const Image& picture) {
  const int w = picture.width, h = picture.height;
  const int maskRow = (w + 31) / 32 * 4;
  std::vector<uint8_t> rgba = picture.toRgba8();
  std::vector<uint8_t> out;
  putLe(out, 40, 4);
  putLe(out, uint32_t(w), 4);
  putLe(out, uint32_t(2 * h), 4);
  putLe(out, 1, 2);
  putLe(out, 32, 2);
  putLe(out, 0, 4);
  putLe(out, uint32_t(w * h * 4 + maskRow * h), 4);
  for (int i = 0; i < 4; ++i) putLe(out, 0, 4);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &rgba[(size_t(y) * w + x) * 4];
      out.insert(out.end(), {p[2], p[1], p[0], p[3]});
    }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskRow, 0);
    for (int x = 0; x < w; ++x)
      if (rgba[(size_t(y) * w + x) * 4 + 3] == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<Image> renderAppIcon(const ArtArchive& mainArchive) {
  Image valley = duskValley(mainArchive);
  // The round view with a dark frame, then the crystal over it; the canvas
  // spans 14.4 units, so the crystal's arms reach three quarters out.
  Canvas icon(-7.2, -7.2, 7.2, 7.2, master, master);
  const double radius = 6.9, frame = 0.32;
  for (int y = 0; y < master; ++y)
    for (int x = 0; x < master; ++x) {
      double d = (std::hypot(icon.unitX(x + 0.5), icon.unitY(y + 0.5)) - radius) * icon.scaleX;
      icon.image.blend(x, y, valley.at(x, y), std::clamp(0.5 - d, 0.0, 1.0));
    }
  icon.ring(0, 0, radius - frame / 2, frame / 2, rgba(0.04, 0.08, 0.22, 0.95));
  drawSnowCrystal(icon, rgba(0.05, 0.12, 0.36, 0.85), 0.42, rgba(0.97, 0.99, 1.0, 1.0));

  std::vector<Image> pictures;
  for (int i = 0; i < appIconSizeCount; ++i) pictures.push_back(icon.image.resized(appIconSizes[i], appIconSizes[i]));
  return pictures;
}

std::vector<uint8_t> encodeIco(const std::vector<Image>& pictures) {
  std::vector<std::vector<uint8_t>> images;
  for (const Image& p : pictures) {
    if (p.width != p.height || p.width < 1 || p.width > 256) throw std::runtime_error("icon pictures are 1..256 square");
    // Windows reads the largest size as PNG (and the file stays small).
    images.push_back(p.width == 256 ? encodePng(p) : iconBitmap(p));
  }
  std::vector<uint8_t> out;
  putLe(out, 0, 2);
  putLe(out, 1, 2);  // icon, not cursor
  putLe(out, uint32_t(images.size()), 2);
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    int side = pictures[i].width;
    out.push_back(uint8_t(side == 256 ? 0 : side));  // 0 stands for 256
    out.push_back(uint8_t(side == 256 ? 0 : side));
    out.push_back(0);  // no palette
    out.push_back(0);
    putLe(out, 1, 2);   // planes
    putLe(out, 32, 2);  // bits per pixel
    putLe(out, uint32_t(images[i].size()), 4);
    putLe(out, offset, 4);
    offset += uint32_t(images[i].size());
  }
  for (const std::vector<uint8_t>& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}
