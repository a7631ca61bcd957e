// Preview painting: which pixels reach the window for each picture and
// area width, read from BMP files these tests write.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/preview.h"
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

TEST_F(PreviewPaint, StandardWidthShowsThePictureAtItsOwnSize) {
  writePicture(bmp(152, 20, 24));
  expectPicture(paint(152, 112), 152, 20);  // area taller than the picture
  expectPicture(paint(152, 5), 152, 20);    // shorter: the window clips, not us
}

TEST_F(PreviewPaint, RowsFollowThePitchForAnyPictureWidth) {
  // 3 x 37 = 111 bytes of pixels in rows of 112: row starts must come from
  // the pitch, not from the width.
  writePicture(bmp(37, 9, 24));
  expectPicture(paint(152, 112), 37, 9);
  writePicture(bmp(200, 3, 24));  // wider than the area
  expectPicture(paint(152, 112), 200, 3);
}

TEST_F(PreviewPaint, OtherWidthsPaintTheAreaBlack) {
  writePicture(bmp(152, 20, 24));
  expectBlackArea(paint(151, 30), 151, 30);
  expectBlackArea(paint(300, 4), 300, 4);
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
