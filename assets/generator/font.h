// Font: one DejaVu face loaded with FreeType, laying out UTF-8 text as
// antialiased glyph coverage (Cyrillic included) at any size and with an
// optional horizontal stretch for textures whose texels are not square.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PlacedGlyph {
  int left, top;  // pixel offset of the bitmap's top-left from the pen origin (y up)
  int width, rows;
  std::vector<uint8_t> coverage;
};

struct TextLayout {
  std::vector<PlacedGlyph> glyphs;
  double inkLeft, inkRight;  // ink box in pixels, relative to the pen origin
  double inkBottom, inkTop;  // y up
};

class Font {
 public:
  // Loads a face from a file; throws when it can't.
  explicit Font(const std::string& path);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Lays out text with an em of emPixels vertical pixels, stretched by
  // stretchX horizontally.
  TextLayout layout(const std::string& utf8, double emPixels, double stretchX = 1.0) const;
  // Height of capital letters as a fraction of the em.
  double capHeight() const;

 private:
  void* library;
  void* face;
};

// The DejaVu fonts this generator uses, in the Debian font folder.
std::string fontPath(const char* fileName);
