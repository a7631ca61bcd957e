// Texture name grammar: a golden table of names, valid and not.
#include <gtest/gtest.h>

#include <string>

#include "dyntex/dynamic_texture_name.h"

namespace {

struct NameCase {
  const char* name;
  bool valid;
  DynamicTextureName::Kind kind;
  int width, height;
  int r, g, b;
  const char* reason = nullptr;  // part of the reason an invalid name gives
};

const DynamicTextureName::Kind P = DynamicTextureName::Plasma;
const DynamicTextureName::Kind F = DynamicTextureName::Fire;

}  // namespace

TEST(DynamicTextureName, GoldenTable) {
  const NameCase cases[] = {
      {"_#Fire64x64", true, F, 64, 64, 0, 0, 0},
      {"_#Plasma128x128,40,90,160", true, P, 128, 128, 40, 90, 160},
      // The two leading characters are skipped whatever they are.
      {"X#Fire64x64", true, F, 64, 64, 0, 0, 0},
      {"12Fire8x4", true, F, 8, 4, 0, 0, 0},
      // Any one separator; blanks before a number are skipped; rest ignored.
      {"_#Fire64 32", true, F, 64, 32, 0, 0, 0},
      {"_#Fire64- 32", true, F, 64, 32, 0, 0, 0},
      {"_#Fire16x16x99 and more", true, F, 16, 16, 0, 0, 0},
      {"_#Plasma16x16, 7;\t8/ 9", true, P, 16, 16, 7, 8, 9},
      {"_#Plasma16x16,1,2,3,4,junk", true, P, 16, 16, 1, 2, 3},
      // Decimal only: a leading zero is not octal, "0x" is not hex.
      {"_#Fire064x010", true, F, 64, 10, 0, 0, 0},
      {"_#Plasma16x16,010,0x20,3", true, P, 16, 16, 10, 0, 20},
      // Colours keep their low 8 bits.
      {"_#Plasma16x16,256,0,-1", true, P, 16, 16, 0, 0, 255},
      {"_#Plasma16x16,511,-256,1000", true, P, 16, 16, 255, 0, 232},
      // Missing or unreadable colours are 0, and so are those after them.
      {"_#Plasma64x64", true, P, 64, 64, 0, 0, 0},
      {"_#Plasma64x64,10", true, P, 64, 64, 10, 0, 0},
      {"_#Plasma64x64,10,", true, P, 64, 64, 10, 0, 0},
      {"_#Plasma64x64,10,x,30", true, P, 64, 64, 10, 0, 0},
      {"_#Plasma64x64,99999999999,5,6", true, P, 64, 64, 0, 0, 0},
      // Size bounds.
      {"_#Fire2x2", true, F, 2, 2, 0, 0, 0},
      {"_#Plasma1024x1024,1,1,1", true, P, 1024, 1024, 1, 1, 1},
      {"_#Fire1x64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire64x1", false, F, 0, 0, 0, 0, 0},
      {"_#Fire0x0", false, F, 0, 0, 0, 0, 0},
      {"_#Fire1025x64", false, F, 0, 0, 0, 0, 0, "size 1025 x 64 is outside 2..1024"},
      {"_#Plasma64x1025,1,2,3", false, P, 0, 0, 0, 0, 0},
      {"_#Fire64x-64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire64x-0", false, F, 0, 0, 0, 0, 0},
      {"_#Fire99999999999x64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire64x4294967360", false, F, 0, 0, 0, 0, 0},
      {"_#Fire0x40", false, F, 0, 0, 0, 0, 0},
      // No size, or no height.
      {"", false, F, 0, 0, 0, 0, 0},
      {"_", false, F, 0, 0, 0, 0, 0},
      {"_#", false, F, 0, 0, 0, 0, 0},
      {"_#Fire", false, F, 0, 0, 0, 0, 0, "no size"},
      {"_#Fire64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire64x", false, F, 0, 0, 0, 0, 0, "no readable width and height"},
      {"_#Fire64xx64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire64x+", false, F, 0, 0, 0, 0, 0},
      // Kinds are exact and case-sensitive; the kind ends at the first digit.
      {"_#fire64x64", false, F, 0, 0, 0, 0, 0},
      {"_#PLASMA64x64,1,2,3", false, P, 0, 0, 0, 0, 0},
      {"_#Fire 64x64", false, F, 0, 0, 0, 0, 0},
      {"_#Fire-64x64", false, F, 0, 0, 0, 0, 0},
      {"_#Smoke64x64", false, F, 0, 0, 0, 0, 0, "kind is neither Plasma nor Fire"},
      {"_#64x64", false, F, 0, 0, 0, 0, 0},
      {"_#Plasma", false, P, 0, 0, 0, 0, 0},
  };
  for (const NameCase& c : cases) {
    DynamicTextureName parsed;
    std::string error = "stale";
    const bool valid = parseDynamicTextureName(c.name, &parsed, &error);
    ASSERT_EQ(valid, c.valid) << '"' << c.name << '"';
    if (!valid) {
      EXPECT_TRUE(error != "stale" && !error.empty() && error.find(c.reason ? c.reason : "") != std::string::npos)
          << c.name << ": " << error;
      continue;
    }
    EXPECT_EQ(error, "") << c.name;
    EXPECT_EQ(parsed.kind, c.kind) << c.name;
    EXPECT_EQ(parsed.width, c.width) << c.name;
    EXPECT_EQ(parsed.height, c.height) << c.name;
    EXPECT_EQ(parsed.colour[0], c.r) << c.name;
    EXPECT_EQ(parsed.colour[1], c.g) << c.name;
    EXPECT_EQ(parsed.colour[2], c.b) << c.name;
  }
}

// Names with embedded zero bytes or of great length are plain data.
TEST(DynamicTextureName, OddBytesAndLengths) {
  DynamicTextureName parsed;
  EXPECT_FALSE(parseDynamicTextureName(std::string("_#Fi\0re8x8", 10), &parsed, nullptr));
  EXPECT_TRUE(parseDynamicTextureName(std::string("_#Fire8x8\0junk", 14), &parsed, nullptr));
  EXPECT_FALSE(parseDynamicTextureName("_#" + std::string(100000, 'F'), &parsed, nullptr));
  EXPECT_FALSE(parseDynamicTextureName("_#Fire" + std::string(100000, '9') + "x8", &parsed, nullptr));
  EXPECT_TRUE(parseDynamicTextureName("_#Fire8x8" + std::string(100000, ','), &parsed, nullptr));
}
