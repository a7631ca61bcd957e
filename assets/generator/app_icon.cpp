// The application icon (see app_icon.h).
#include "assets/generator/app_icon.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "assets/generator/main_art.h"
#include "assets/generator/png_writer.h"
#include "assets/generator/preview_picture.h"
#include "assets/generator/soft_renderer.h"
#include "platform/little_endian.h"

namespace {

const int master = 1024;

// The valley as the show frames it, darkened towards the top into a dusk
// sky so that the white crystal stands out even at 16 pixels.
Image duskValley(const ArtArchive& mainArchive) {
  SoftRenderer r(master / 2, master / 2);
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
  for (int side : {16, 20, 24, 32, 40, 48, 64, 256}) pictures.push_back(icon.image.resized(side, side));
  return pictures;
}

std::vector<uint8_t> encodeIco(const std::vector<Image>& pictures) {
  std::vector<std::vector<uint8_t>> images;
  for (const Image& p : pictures) {
    if (p.width != p.height || p.width < 1 || p.width > 256)
      throw std::runtime_error("icon pictures are 1..256 square");
    // Windows reads the largest size as PNG (and the file stays small).
    images.push_back(p.width == 256 ? encodePng(p) : encodeDib(p, true));
  }
  std::vector<uint8_t> out;
  putLe(out, 0, 2);
  putLe(out, 1, 2);  // icon, not cursor
  putLe(out, uint32_t(images.size()), 2);
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    uint8_t side = uint8_t(pictures[i].width);  // 256 wraps to 0, which stands for 256
    out.insert(out.end(), {side, side, 0, 0});  // width, height, no palette, reserved
    putLe(out, 1, 2);                           // planes
    putLe(out, 32, 2);                          // bits per pixel
    putLe(out, uint32_t(images[i].size()), 4);
    putLe(out, offset, 4);
    offset += uint32_t(images[i].size());
  }
  for (const std::vector<uint8_t>& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}
