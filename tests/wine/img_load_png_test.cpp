// The Windows IMG_Load_RW: what it decodes, how it lays the pixels out, and
// that broken or oversized images give null without reading out of bounds.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <vector>

#include "test_png.h"

namespace {

SDL_Surface* load(std::vector<uint8_t> bytes) {
  return IMG_Load_RW(SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

TEST(ImgLoadPng, DecodesToPackedRgba) {
  SDL_Surface* s = load(encodePng(3, 2, PngRgb, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->w, 3);
  EXPECT_EQ(s->h, 2);
  EXPECT_EQ(s->format->BitsPerPixel, 32);
  EXPECT_EQ(s->pitch, 12);
  const uint8_t* p = static_cast<const uint8_t*>(s->pixels);
  EXPECT_EQ(std::vector<uint8_t>(p, p + 8), (std::vector<uint8_t>{1, 2, 3, 255, 4, 5, 6, 255}));
  EXPECT_EQ(std::vector<uint8_t>(p + 12, p + 16), (std::vector<uint8_t>{10, 11, 12, 255}));
  SDL_FreeSurface(s);
}

TEST(ImgLoadPng, BrokenImagesGiveNull) {
  std::vector<uint8_t> good = encodePng(4, 4, PngRgba, std::vector<uint8_t>(64, 7));
  for (size_t cut : {size_t(0), size_t(7), size_t(8), size_t(20), size_t(33), good.size() - 13})
    EXPECT_EQ(load(std::vector<uint8_t>(good.begin(), good.begin() + cut)), nullptr) << "cut at " << cut;
  EXPECT_EQ(load({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}), nullptr);
  EXPECT_EQ(IMG_Load_RW(nullptr, 1), nullptr);

  // A header claiming 100000 x 100000 pixels is refused before any allocation.
  std::vector<uint8_t> huge = good;
  ASSERT_GT(huge.size(), 24u);
  const uint8_t side[4] = {0x00, 0x01, 0x86, 0xA0};
  for (size_t i = 0; i < 4; ++i) huge.at(16 + i) = huge.at(20 + i) = side[i];
  EXPECT_EQ(load(huge), nullptr);
}

TEST(ImgLoadPng, KeepsTheStreamWhenAsked) {
  std::vector<uint8_t> bytes = encodePng(1, 1, PngGrey, {9});
  SDL_RWops* stream = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* s = IMG_Load_RW(stream, 0);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(static_cast<const uint8_t*>(s->pixels)[0], 9);
  SDL_FreeSurface(s);
  EXPECT_EQ(SDL_RWseek(stream, 0, RW_SEEK_SET), 0);  // still open
  SDL_RWclose(stream);
}

}  // namespace
