// The generated archives as the show reads them: every entry the show asks
// for is there, every mesh entry parses to its last byte, every texture a
// mesh names resolves, every image decodes to RGBA the way the show uploads
// it, and the preview picture is what the preview mode can paint.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <set>
#include <string>
#include <vector>

#include "archive/image_decoder.h"
#include "dyntex/dynamic_texture_name.h"
#include "generated_archive.h"

namespace {

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(prefix + std::to_string(i));
  return out;
}

struct Required {
  const char* archive;
  std::vector<std::string> entries;
};

std::vector<Required> requiredEntries() {
  std::vector<std::string> clock = {"ciferblat", "sec", "min", "chas", "podlozka", "podlozka_am", "dot", "am", "pm"};
  for (const std::string& d : numbered("", 0, 9)) clock.push_back(d);
  std::vector<std::string> calendar = {"fon", "fon_rus", "day", "day_rus", "null", "sel"};
  for (const std::string& m : numbered("m", 1, 12)) calendar.push_back(m);
  for (const std::string& d : numbered("", 1, 31)) calendar.push_back(d);
  std::vector<std::string> utils = {"fps"};
  for (const std::string& d : numbered("", 0, 9)) utils.push_back(d);
  return {{"main.pak", {"scena", "sn", "nn"}}, {"utils.pak", utils}, {"clock.pak", clock}, {"calendar.pak", calendar}};
}

bool isMeshName(const std::string& name) { return name.find('.') == std::string::npos; }

#define OPEN_OR_SKIP(var, file)                                              \
  auto var = GeneratedArchive::open(file);                                   \
  if (!var) GTEST_SKIP() << file << " was not generated in this build";

}  // namespace

TEST(GeneratedArchives, HoldEveryEntryTheShowLoads) {
  for (const Required& r : requiredEntries()) {
    OPEN_OR_SKIP(pak, r.archive);
    for (const std::string& e : r.entries) EXPECT_TRUE(pak->has(e)) << r.archive << " lacks \"" << e << "\"";
  }
}

TEST(GeneratedArchives, MeshEntriesParseToTheirLastByte) {
  for (const Required& r : requiredEntries()) {
    OPEN_OR_SKIP(pak, r.archive);
    for (size_t i = 0; i < pak->archive->names.size(); ++i) {
      const std::string& name = pak->archive->names[i];
      if (!isMeshName(name)) continue;
      MeshView m = pak->mesh(name);
      ASSERT_TRUE(m.parsed) << r.archive << " \"" << name << "\": " << m.error;
      EXPECT_FALSE(m.records.empty()) << name;
      EXPECT_EQ(m.end, pak->archive->entries[i].size) << r.archive << " \"" << name << "\" has stray bytes";
    }
  }
}

TEST(GeneratedArchives, TexturesResolveInTheirOwnArchive) {
  for (const Required& r : requiredEntries()) {
    OPEN_OR_SKIP(pak, r.archive);
    for (const std::string& name : pak->archive->names) {
      if (!isMeshName(name)) continue;
      for (const MeshRecordInfo& rec : pak->mesh(name).records) {
        if (rec.textureName.size() > 1 && rec.textureName[1] == '#') {
          DynamicTextureName parsed;
          EXPECT_TRUE(parseDynamicTextureName(rec.textureName, &parsed, nullptr)) << rec.textureName;
        } else {
          EXPECT_TRUE(pak->has(rec.textureName) && !isMeshName(rec.textureName))
              << r.archive << " \"" << name << "\" names missing image \"" << rec.textureName << "\"";
        }
      }
    }
  }
}

TEST(GeneratedArchives, ImagesDecodeToPackedRgbaOfPowerOfTwoSizes) {
  for (const Required& r : requiredEntries()) {
    OPEN_OR_SKIP(pak, r.archive);
    for (size_t i = 0; i < pak->archive->names.size(); ++i) {
      const std::string& name = pak->archive->names[i];
      if (isMeshName(name)) continue;
      SDL_Surface* s = decodeImage(pak->archive->entries[i].data, pak->archive->entries[i].size);
      ASSERT_NE(s, nullptr) << name;
      EXPECT_TRUE(isPackedRgba(s)) << name << " would need converting";
      EXPECT_LE(s->w, 1024) << name;
      EXPECT_LE(s->h, 1024) << name;
      EXPECT_EQ(s->w & (s->w - 1), 0) << name << " width " << s->w;
      EXPECT_EQ(s->h & (s->h - 1), 0) << name << " height " << s->h;
      SDL_FreeSurface(s);
    }
  }
}

TEST(GeneratedArchives, ProceduralFireLightsACabinWindow) {
  OPEN_OR_SKIP(pak, "main.pak");
  MeshView scena = pak->mesh("scena");
  bool fire = false;
  for (size_t i = 0; i < scena.records.size(); ++i)
    if (scena.records[i].textureName.find("#Fire") == 1 && scena.records[i].triangleCount > 0) fire = true;
  EXPECT_TRUE(fire);
}

TEST(PreviewPicture, IsA24BitBmp152By112ThatShowsSomething) {
  std::string path = distPath("preview.ppk");
  SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
  if (!rw) GTEST_SKIP() << "preview.ppk was not generated in this build";
  SDL_Surface* s = SDL_LoadBMP_RW(rw, 1);
  ASSERT_NE(s, nullptr) << SDL_GetError();
  EXPECT_EQ(s->format->BitsPerPixel, 24);
  EXPECT_EQ(s->w, 152);
  EXPECT_EQ(s->h, 112);
  // Rows exactly three bytes per pixel apart, as the preview painter reads them.
  EXPECT_EQ(s->pitch, 456);
  // A winter scene: bright on average, and not one flat colour.
  double sum = 0;
  std::set<uint32_t> colours;
  const uint8_t* p = static_cast<const uint8_t*>(s->pixels);
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      const uint8_t* q = p + y * s->pitch + 3 * x;
      sum += q[0] + q[1] + q[2];
      colours.insert(q[0] | q[1] << 8 | q[2] << 16);
    }
  EXPECT_GT(sum / (3.0 * 255 * s->w * s->h), 0.45);
  EXPECT_GT(colours.size(), 500u);
  SDL_FreeSurface(s);
}
