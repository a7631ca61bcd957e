// Image conversion: every PNG layout SDL_image hands back ends up as packed
// RGBA bytes in memory order, with colour keys turned into clear pixels.
#include <gtest/gtest.h>

#include <cstring>

#include "archive/rgba_surface.h"
#include "test_png.h"

namespace {

// Decodes and converts; returns the surface's bytes (packed) or empty.
std::vector<uint8_t> rgbaOf(const std::vector<uint8_t>& png, int* w = nullptr, int* h = nullptr) {
  SDL_Surface* s = toRgbaSurface(decodeImage(png.data(), static_cast<uint32_t>(png.size())));
  if (!s) return {};
  EXPECT_TRUE(isPackedRgba(s));
  if (w) *w = s->w;
  if (h) *h = s->h;
  const uint8_t* p = static_cast<const uint8_t*>(s->pixels);
  std::vector<uint8_t> out(p, p + static_cast<size_t>(s->w) * s->h * 4);
  SDL_FreeSurface(s);
  return out;
}

TEST(RgbaSurface, RgbaPngIsUsedAsDecoded) {
  const std::vector<uint8_t> png = encodePng(2, 1, PngRgba, {1, 2, 3, 4, 250, 251, 252, 253});
  SDL_Surface* decoded = decodeImage(png.data(), static_cast<uint32_t>(png.size()));
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(toRgbaSurface(decoded), decoded);  // no copy in the normal case
  EXPECT_EQ(std::memcmp(decoded->pixels, "\x01\x02\x03\x04\xFA\xFB\xFC\xFD", 8), 0);
  SDL_FreeSurface(decoded);
}

TEST(RgbaSurface, OtherLayoutsBecomeRgba) {
  int w = 0, h = 0;
  // Odd width: 24-bit rows are padded to 12 bytes in the decoded surface.
  EXPECT_EQ(rgbaOf(encodePng(3, 2, PngRgb, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}), &w, &h),
            (std::vector<uint8_t>{1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255, 13, 14, 15, 255, 16, 17, 18, 255}));
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngGrey, {0, 200})), (std::vector<uint8_t>{0, 0, 0, 255, 200, 200, 200, 255}));
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngGreyAlpha, {10, 20, 30, 40})),
            (std::vector<uint8_t>{10, 10, 10, 20, 30, 30, 30, 40}));
  EXPECT_EQ(rgbaOf(encodePng(3, 1, PngPalette, {2, 0, 1}, {9, 8, 7, 60, 50, 40, 200, 100, 0})),
            (std::vector<uint8_t>{200, 100, 0, 255, 9, 8, 7, 255, 60, 50, 40, 255}));
}

TEST(RgbaSurface, TransparencyChunksBecomeAlpha) {
  // One fully clear palette index: SDL_image gives a colour key.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngPalette, {0, 1}, {255, 0, 255, 1, 2, 3}, {0})),
            (std::vector<uint8_t>{0, 0, 0, 0, 1, 2, 3, 255}));
  // Partly clear entries: SDL_image expands to an alpha channel.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngPalette, {0, 1}, {255, 0, 255, 1, 2, 3}, {100, 255})),
            (std::vector<uint8_t>{255, 0, 255, 100, 1, 2, 3, 255}));
  // A transparent RGB colour.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngRgb, {5, 6, 7, 8, 9, 10}, {}, {0, 5, 0, 6, 0, 7})),
            (std::vector<uint8_t>{0, 0, 0, 0, 8, 9, 10, 255}));
}

TEST(RgbaSurface, PaddedRowsAndOtherByteOrdersAreRepacked) {
  // 2x2 surface, BGRA in memory, rows 16 bytes apart.
  uint8_t pixels[32] = {};
  const uint8_t row0[8] = {3, 2, 1, 4, 7, 6, 5, 8};
  const uint8_t row1[8] = {13, 12, 11, 14, 17, 16, 15, 18};
  std::memcpy(pixels, row0, 8);
  std::memcpy(pixels + 16, row1, 8);
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
  SDL_Surface* s = SDL_CreateRGBSurfaceFrom(pixels, 2, 2, 32, 16, 0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF);
#else
  SDL_Surface* s = SDL_CreateRGBSurfaceFrom(pixels, 2, 2, 32, 16, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
#endif
  ASSERT_NE(s, nullptr);
  SDL_Surface* rgba = toRgbaSurface(s);
  ASSERT_NE(rgba, nullptr);
  ASSERT_TRUE(isPackedRgba(rgba));
  EXPECT_EQ(std::memcmp(rgba->pixels, "\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0D\x0E\x0F\x10\x11\x12", 16), 0);
  SDL_FreeSurface(rgba);

  // Already RGBA, but padded rows: repacked too.
  uint8_t padded[24] = {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 5, 6, 7, 8};
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
  s = SDL_CreateRGBSurfaceFrom(padded, 1, 2, 32, 12, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF);
#else
  s = SDL_CreateRGBSurfaceFrom(padded, 1, 2, 32, 12, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
#endif
  EXPECT_FALSE(isPackedRgba(s));
  rgba = toRgbaSurface(s);
  ASSERT_NE(rgba, nullptr);
  EXPECT_EQ(std::memcmp(rgba->pixels, "\x01\x02\x03\x04\x05\x06\x07\x08", 8), 0);
  SDL_FreeSurface(rgba);
}

TEST(RgbaSurface, NothingToDecode) {
  EXPECT_EQ(decodeImage(nullptr, 0), nullptr);
  const uint8_t junk[3] = {1, 2, 3};
  EXPECT_EQ(decodeImage(junk, 3), nullptr);
  EXPECT_EQ(toRgbaSurface(nullptr), nullptr);
}

}  // namespace
