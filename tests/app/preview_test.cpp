// Preview painting: which pixels reach the window for each picture and
// area width, read from BMP files these tests write.
#include "app/preview.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/test_folder.h"

namespace {

struct Pixel {
  int x, y;
  unsigned char r, g, b;
};

void record(void* context, int x, int y, unsigned char r, unsigned char g, unsigned char b) {
  static_cast<std::vector<Pixel>*>(context)->push_back(Pixel{x, y, r, g, b});
}

// The colour the test pictures hold at (x, y): distinct per pixel.
void colourAt(int x, int y, unsigned char& r, unsigned char& g, unsigned char& b) {
  r = static_cast<unsigned char>(x * 7 + 1);
  g = static_cast<unsigned char>(y * 13 + 2);
  b = static_cast<unsigned char>((x ^ y) + 3);
}

void put16(std::string& s, unsigned v) {
  s += static_cast<char>(v);
  s += static_cast<char>(v >> 8);
}
void put32(std::string& s, unsigned v) {
  put16(s, v & 0xffff);
  put16(s, v >> 16);
}

// An uncompressed BMP, bottom-up, rows padded to four bytes. 24 or 32 bits
// hold the test colours; 8 bits a grey palette.
std::string bmp(int w, int h, int bits) {
  const int rowBytes = (w * bits / 8 + 3) & ~3;
  const int paletteBytes = bits == 8 ? 256 * 4 : 0;
  std::string s = "BM";
  put32(s, 54 + paletteBytes + rowBytes * h);
  put32(s, 0);
  put32(s, 54 + paletteBytes);
  put32(s, 40);
  put32(s, w);
  put32(s, h);
  put16(s, 1);
  put16(s, bits);
  put32(s, 0);
  put32(s, rowBytes * h);
  put32(s, 2835);
  put32(s, 2835);
  put32(s, bits == 8 ? 256 : 0);
  put32(s, 0);
  for (int i = 0; i < paletteBytes / 4; ++i) s += std::string{char(i), char(i), char(i), 0};
  for (int y = h - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < w; ++x) {
      unsigned char r, g, b;
      colourAt(x, y, r, g, b);
      if (bits == 8) {
        row += static_cast<char>(r);
      } else {
        row += std::string{char(b), char(g), char(r)};
        if (bits == 32) row += '\0';
      }
    }
    row.resize(rowBytes, '\0');
    s += row;
  }
  return s;
}

class PreviewPaint : public ::testing::Test {
 protected:
  void writePicture(const std::string& bytes) { std::ofstream(path.c_str(), std::ios::binary) << bytes; }
  std::vector<Pixel> paint(int width, int height) {
    std::vector<Pixel> pixels;
    paintPreviewFrom(path, width, height, record, &pixels);
    return pixels;
  }
  // Every pixel of the area, row by row, black.
  void expectBlackArea(const std::vector<Pixel>& pixels, int width, int height) {
    ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) {
      const Pixel& p = pixels[i];
      ASSERT_EQ(p.x, static_cast<int>(i % width));
      ASSERT_EQ(p.y, static_cast<int>(i / width));
      ASSERT_EQ(p.r | p.g | p.b, 0) << p.x << "," << p.y;
    }
  }
  void expectPicture(const std::vector<Pixel>& pixels, int w, int h) {
    ASSERT_EQ(pixels.size(), static_cast<size_t>(w) * h);
    for (size_t i = 0; i < pixels.size(); ++i) {
      const Pixel& p = pixels[i];
      ASSERT_EQ(p.x, static_cast<int>(i % w));
      ASSERT_EQ(p.y, static_cast<int>(i / w));
      unsigned char r, g, b;
      colourAt(p.x, p.y, r, g, b);
      ASSERT_EQ(p.r, r) << p.x << "," << p.y;
      ASSERT_EQ(p.g, g) << p.x << "," << p.y;
      ASSERT_EQ(p.b, b) << p.x << "," << p.y;
    }
  }
  TestFolder scratch;
  const std::string path = scratch.file("preview.ppk");
};

}  // namespace

TEST_F(PreviewPaint, AnAreaOfThePicturesSizeShowsEachPixelAsItIs) {
  writePicture(bmp(152, 112, 24));
  expectPicture(paint(152, 112), 152, 112);
  // 3 x 37 = 111 bytes of pixels in rows of 112: row starts must come from
  // the pitch, not from the width.
  writePicture(bmp(37, 9, 24));
  expectPicture(paint(37, 9), 37, 9);
}

// Catches a picture left at its own size, stretched out of shape, or
// sampled from outside itself, in an area of another size or shape.
TEST_F(PreviewPaint, OtherAreasShowThePictureScaledToFitAndCentred) {
  struct Row {
    int pictureWidth, pictureHeight, width, height;
    int left, top, shownWidth, shownHeight;
  } rows[] = {
      {4, 2, 8, 4, 0, 0, 8, 4},          // twice the size
      {4, 2, 6, 3, 0, 0, 6, 3},          // one and a half times
      {4, 2, 8, 8, 0, 2, 8, 4},          // taller than the picture: bars above and below
      {4, 2, 12, 4, 2, 0, 8, 4},         // wider: bars left and right
      {152, 112, 76, 56, 0, 0, 76, 56},  // smaller than the picture
      {152, 20, 152, 112, 0, 46, 152, 20},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    writePicture(bmp(row.pictureWidth, row.pictureHeight, 24));
    const std::vector<Pixel> pixels = paint(row.width, row.height);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(row.width) * row.height);
    unsigned char low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
    for (int y = 0; y < row.pictureHeight; ++y)
      for (int x = 0; x < row.pictureWidth; ++x) {
        unsigned char c[3];
        colourAt(x, y, c[0], c[1], c[2]);
        for (int i = 0; i < 3; ++i) low[i] = std::min(low[i], c[i]), high[i] = std::max(high[i], c[i]);
      }
    for (size_t i = 0; i < pixels.size(); ++i) {
      const Pixel& p = pixels[i];
      ASSERT_EQ(p.x, static_cast<int>(i % row.width));
      ASSERT_EQ(p.y, static_cast<int>(i / row.width));
      const bool inside =
          p.x >= row.left && p.x < row.left + row.shownWidth && p.y >= row.top && p.y < row.top + row.shownHeight;
      if (!inside) {
        ASSERT_EQ(p.r | p.g | p.b, 0) << p.x << "," << p.y;
        continue;
      }
      const unsigned char c[3] = {p.r, p.g, p.b};
      for (int k = 0; k < 3; ++k) ASSERT_TRUE(c[k] >= low[k] && c[k] <= high[k]) << p.x << "," << p.y;
    }
    if (row.shownWidth < row.pictureWidth) continue;  // a smaller area blends its corners
    // Scaled up, each corner of the picture stays its own colour.
    const int corners[4][4] = {{0, 0, 0, 0},
                               {row.shownWidth - 1, 0, row.pictureWidth - 1, 0},
                               {0, row.shownHeight - 1, 0, row.pictureHeight - 1},
                               {row.shownWidth - 1, row.shownHeight - 1, row.pictureWidth - 1, row.pictureHeight - 1}};
    for (const auto& k : corners) {
      const Pixel& p = pixels[static_cast<size_t>(row.top + k[1]) * row.width + row.left + k[0]];
      unsigned char r, g, b;
      colourAt(k[2], k[3], r, g, b);
      EXPECT_EQ((std::vector<int>{p.r, p.g, p.b}), (std::vector<int>{r, g, b})) << k[0] << "," << k[1];
    }
  }
  expectBlackArea(paint(0, 0), 0, 0);
}

TEST_F(PreviewPaint, MissingOrUnusablePicturePaintsBlack) {
  expectBlackArea(paint(152, 40), 152, 40);  // no file
  writePicture(bmp(152, 20, 8));
  expectBlackArea(paint(152, 40), 152, 40);
  writePicture(bmp(152, 20, 32));
  expectBlackArea(paint(152, 40), 152, 40);
  writePicture(bmp(152, 20, 24).substr(0, 40));  // cut inside the header
  expectBlackArea(paint(152, 40), 152, 40);
  writePicture("not a picture at all");
  expectBlackArea(paint(152, 40), 152, 40);
}

TEST(PreviewMode, WithoutAParentEndsAtOnce) { EXPECT_EQ(runPreview(nullptr, false, 0), 0); }
