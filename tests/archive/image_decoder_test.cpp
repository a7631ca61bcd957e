// Image entries: every PNG layout comes out as packed RGBA bytes in memory
// order, with colour keys turned into clear pixels; anything else (cut,
// foreign, oversized, or made to trip the loaders of other libraries) makes
// no texture, costs one line on standard error and returns at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "archive/archive.h"
#include "archive/image_decoder.h"
#include "assets/generator/png_writer.h"
#include "support/archive_writer.h"
#include "support/gl_recorder.h"
#include "support/test_folder.h"
#include "support/test_png.h"

namespace {

// Decodes; returns the surface's bytes (packed) or empty.
std::vector<uint8_t> rgbaOf(const std::vector<uint8_t>& png, int* w = nullptr, int* h = nullptr) {
  SDL_Surface* s = decodeImage(png.data(), static_cast<uint32_t>(png.size()));
  if (!s) return {};
  EXPECT_TRUE(isPackedRgba(s));
  if (w) *w = s->w;
  if (h) *h = s->h;
  const uint8_t* p = static_cast<const uint8_t*>(s->pixels);
  std::vector<uint8_t> out(p, p + static_cast<size_t>(s->w) * s->h * 4);
  SDL_FreeSurface(s);
  return out;
}

TEST(ImageDecoder, EveryLayoutBecomesPackedRgba) {
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngRgba, {1, 2, 3, 4, 250, 251, 252, 253})),
            (std::vector<uint8_t>{1, 2, 3, 4, 250, 251, 252, 253}));
  int w = 0, h = 0;
  // Odd width: three bytes a pixel would leave gaps between rows.
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

TEST(ImageDecoder, TransparencyChunksBecomeAlpha) {
  // One fully clear palette index is a colour key: clear black.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngPalette, {0, 1}, {255, 0, 255, 1, 2, 3}, {0})),
            (std::vector<uint8_t>{0, 0, 0, 0, 1, 2, 3, 255}));
  // Partly clear entries keep their colour under their alpha.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngPalette, {0, 1}, {255, 0, 255, 1, 2, 3}, {100, 255})),
            (std::vector<uint8_t>{255, 0, 255, 100, 1, 2, 3, 255}));
  // A transparent RGB colour.
  EXPECT_EQ(rgbaOf(encodePng(2, 1, PngRgb, {5, 6, 7, 8, 9, 10}, {}, {0, 5, 0, 6, 0, 7})),
            (std::vector<uint8_t>{0, 0, 0, 0, 8, 9, 10, 255}));
}

// A PNG with the given sides whose data stops after its header chunk.
std::vector<uint8_t> headerOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> png = encodePng(1, 1, PngRgba, {0, 0, 0, 0});
  png.resize(33);  // signature and IHDR
  std::vector<uint8_t> ihdr(png.begin() + 16, png.begin() + 29);
  for (int i = 0; i < 4; ++i) {
    ihdr[i] = static_cast<uint8_t>(width >> (24 - 8 * i));
    ihdr[4 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
  }
  png.resize(8);
  appendPngChunk(&png, "IHDR", ihdr);
  return png;
}

TEST(ImageDecoder, BrokenImagesMakeNoTextureOneLineAndNoWait) {
  const std::vector<uint8_t> good = encodePng(4, 4, PngRgba, std::vector<uint8_t>(64, 7));
  std::vector<uint8_t> textAtEnd = headerOnly(4, 4);  // made a library loader re-read its last chunk forever
  appendPngChunk(&textAtEnd, "tEXt", {'a', 0, 'b'});
  std::vector<uint8_t> badCrc = good;
  badCrc[30] ^= 1;  // IHDR's checksum
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"cut in the signature", std::vector<uint8_t>(good.begin(), good.begin() + 7)},
      {"cut after the signature", std::vector<uint8_t>(good.begin(), good.begin() + 8)},
      {"cut in the header", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
      {"cut in the data", std::vector<uint8_t>(good.begin(), good.end() - 20)},
      {"no end chunk", std::vector<uint8_t>(good.begin(), good.end() - 12)},
      {"header checksum", badCrc},
      {"wrong signature", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
      {"sides over 8192", headerOnly(100000, 100000)},
      {"area over 4096 x 4096", headerOnly(8192, 8192)},
      {"largest area, no data", headerOnly(4096, 4096)},
      {"text chunk at the end", textAtEnd},
      // 65535 x 65535 GIF of 35 bytes: crashed a general image loader.
      {"GIF", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, ',', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 8, 8,
               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, ';'}},
      {"BMP", {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0}},
  };
  TestFolder dir;
  ArchiveWriter writer;
  for (const auto& c : cases) writer.add(c.name, c.bytes);
  writer.writeFile(dir.file("a.pak"));
  Archive archive(dir.file("a.pak"));
  glrec::reset();
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    // A second user of the same broken entry is answered without a retry.
    EXPECT_EQ(archive.acquireTexture(c.name), 0u) << c.name;
    EXPECT_EQ(archive.acquireTexture(c.name), 0u) << c.name;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string err = testing::internal::GetCapturedStderr();
    // Generous: each takes well under a millisecond; a loop would never end.
    EXPECT_LT(seconds, 2.0) << c.name;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.name << ": " << err;
    EXPECT_NE(err.find(std::string("\"") + c.name + "\" not used: "), std::string::npos) << err;
  }
  testing::internal::CaptureStderr();
  EXPECT_EQ(archive.acquireTexture("absent"), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // no entry: nothing to report
  EXPECT_TRUE(glrec::calls().empty()) << glrec::dump();
  EXPECT_TRUE(archive.textures.names.empty());
}

// Seeds for the image fuzzer: PNGs as the generator writes them (compressed,
// filtered), every layout of the small encoder, and other formats' headers.
// (The name makes the fuzz test run after it.)
TEST(FuzzSeeds, image_entry_fuzz) {
  const std::filesystem::path folder = std::filesystem::path(ORVEL_BINARY_DIR) / "fuzz-corpus" / "image_entry_fuzz";
  std::filesystem::create_directories(folder);
  Image picture(16, 8);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) picture.at(x, y) = rgba(x / 16.0, y / 8.0, 0.5, (x + y) % 3 / 2.0);
  std::vector<std::vector<uint8_t>> seeds = {
      encodePng(picture),
      encodePng(Image(1, 1, rgba(1, 1, 1))),
      encodePng(Image(64, 2, rgba(0.2, 0.4, 0.6, 0.5))),
      encodePng(3, 2, PngRgb, std::vector<uint8_t>(18, 9)),
      encodePng(2, 2, PngGrey, {0, 80, 160, 240}),
      encodePng(2, 1, PngGreyAlpha, {10, 20, 30, 40}),
      encodePng(2, 1, PngPalette, {0, 1}, {255, 0, 255, 1, 2, 3}, {0}),
      encodePng(2, 1, PngRgb, {5, 6, 7, 8, 9, 10}, {}, {0, 5, 0, 6, 0, 7}),
      headerOnly(4096, 4096),
      {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, ';'},
      {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0},
      {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0xFF, 0xD9},
  };
  for (size_t i = 0; i < seeds.size(); ++i) ArchiveWriter::writeBytes((folder / ("seed" + std::to_string(i))).string(), seeds[i]);
  EXPECT_TRUE(std::filesystem::exists(folder / "seed0"));
}

}  // namespace
