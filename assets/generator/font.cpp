// Text layout with FreeType (see font.h). Hinting is off: the glyphs end up
// in textures that are scaled anyway, and unhinted outlines keep their shape.
#include "assets/generator/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

std::string fontPath(const char* fileName) { return std::string("/usr/share/fonts/truetype/dejavu/") + fileName; }

Font::Font(const std::string& path) : library(nullptr), face(nullptr) {
  FT_Library lib;
  if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType does not start");
  library = lib;
  FT_Face f;
  if (FT_New_Face(lib, path.c_str(), 0, &f)) throw std::runtime_error("cannot load font " + path);
  face = f;
}

Font::~Font() {
  if (face) FT_Done_Face(static_cast<FT_Face>(face));
  if (library) FT_Done_FreeType(static_cast<FT_Library>(library));
}

static std::vector<uint32_t> decodeUtf8(const std::string& s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    uint8_t c = uint8_t(s[i]);
    int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    uint32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = (cp << 6) | (uint8_t(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += 1 + extra;
  }
  return out;
}

TextLayout Font::layout(const std::string& utf8, double emPixels, double stretchX) const {
  FT_Face f = static_cast<FT_Face>(face);
  FT_Set_Char_Size(f, 0, FT_F26Dot6(std::lround(emPixels * 64)), 72, 72);
  TextLayout out{{}, 1e9, -1e9, 1e9, -1e9};
  double pen = 0;
  FT_UInt previous = 0;
  for (uint32_t cp : decodeUtf8(utf8)) {
    FT_UInt index = FT_Get_Char_Index(f, cp);
    if (previous && index && FT_HAS_KERNING(f)) {
      FT_Vector k;
      FT_Get_Kerning(f, previous, index, FT_KERNING_UNFITTED, &k);
      pen += k.x / 64.0 * stretchX;
    }
    double whole = std::floor(pen);
    FT_Matrix m{FT_Fixed(std::lround(stretchX * 65536)), 0, 0, 0x10000};
    FT_Vector delta{FT_Pos(std::lround((pen - whole) * 64)), 0};
    FT_Set_Transform(f, &m, &delta);
    if (FT_Load_Glyph(f, index, FT_LOAD_NO_HINTING | FT_LOAD_RENDER)) continue;
    FT_GlyphSlot g = f->glyph;
    PlacedGlyph pg{int(whole) + g->bitmap_left, g->bitmap_top, int(g->bitmap.width), int(g->bitmap.rows), {}};
    pg.coverage.resize(size_t(pg.width) * pg.rows);
    for (int y = 0; y < pg.rows; ++y)
      for (int x = 0; x < pg.width; ++x)
        pg.coverage[size_t(y) * pg.width + x] = g->bitmap.buffer[y * g->bitmap.pitch + x];
    if (pg.width > 0 && pg.rows > 0) {
      out.inkLeft = std::min(out.inkLeft, double(pg.left));
      out.inkRight = std::max(out.inkRight, double(pg.left + pg.width));
      out.inkTop = std::max(out.inkTop, double(pg.top));
      out.inkBottom = std::min(out.inkBottom, double(pg.top - pg.rows));
    }
    out.glyphs.push_back(std::move(pg));
    pen += g->advance.x / 64.0;
    previous = index;
  }
  FT_Set_Transform(f, nullptr, nullptr);
  if (out.inkLeft > out.inkRight) out.inkLeft = out.inkRight = out.inkBottom = out.inkTop = 0;
  return out;
}

double Font::capHeight() const {
  TextLayout l = layout("H", 1000);
  return (l.inkTop - l.inkBottom) / 1000.0;
}
