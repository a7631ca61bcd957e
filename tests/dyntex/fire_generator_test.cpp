// Fire: palette ends, the diffusion neighbourhood, cold borders, sparks in
// the fuel rows and the ember, and a cold fire staying transparent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "dyntex/fire_generator.h"
#include "dyntex/fire_state.h"

namespace {

void expectEntry(const FireState& fire, int i, int r, int g, int b, int a) {
  EXPECT_EQ(fire.palette[i][0], r) << "entry " << i;
  EXPECT_EQ(fire.palette[i][1], g) << "entry " << i;
  EXPECT_EQ(fire.palette[i][2], b) << "entry " << i;
  EXPECT_EQ(fire.palette[i][3], a) << "entry " << i;
}

bool allZero(const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (p[i]) return false;
  return true;
}

}  // namespace

TEST(FireState, PaletteAtTheGradientEnds) {
  FireState fire(8, 8);
  expectEntry(fire, 0, 0, 0, 0, 0);
  expectEntry(fire, 1, 3, 0, 0, 2);
  expectEntry(fire, 63, 251, 50, 35, 137);
  expectEntry(fire, 64, 255, 51, 36, 140);
  expectEntry(fire, 95, 255, 184, 50, 251);
  expectEntry(fire, 96, 255, 189, 51, 255);
  expectEntry(fire, 127, 255, 235, 51, 255);
  expectEntry(fire, 128, 255, 237, 51, 255);
  expectEntry(fire, 195, 102, 102, 186, 255);
  expectEntry(fire, 196, 100, 100, 189, 255);
  expectEntry(fire, 254, 252, 228, 53, 255);
  expectEntry(fire, 255, 0, 0, 0, 0);
}

TEST(FireState, StartsColdWithThreeFuelRows) {
  FireState fire(16, 10);
  EXPECT_EQ(fire.width, 16);
  EXPECT_EQ(fire.rows, 13);
  EXPECT_TRUE(allZero(fire.heat, 16 * 13));
  EXPECT_TRUE(allZero(fire.nextHeat, 16 * 13));
}

// One hot cell warms its left and right neighbours and the three cells
// above it in each of the two rows above, by heat / 8 - 1; not itself.
TEST(FireGenerator, DiffusionNeighbourhood) {
  const int w = 8, h = 6;
  FireState fire(w, h);
  fire.heat[3 * w + 4] = 80;
  fireDiffuse(&fire, w, h);
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      const bool warmed = (r == 3 && (c == 3 || c == 5)) || ((r == 2 || r == 1) && c >= 3 && c <= 5);
      EXPECT_EQ(fire.nextHeat[r * w + c], warmed ? 9 : 0) << r << "," << c;
    }
  }
  // Just enough heat to survive the cooling step, and just too little.
  std::memset(fire.heat, 0, w * (h + 3));
  fire.heat[(h + 1) * w + 2] = 16;
  fire.heat[(h + 1) * w + 6] = 15;
  fireDiffuse(&fire, w, h);
  EXPECT_EQ(fire.nextHeat[(h - 1) * w + 2], 1);
  EXPECT_EQ(fire.nextHeat[(h - 1) * w + 6], 0);
}

// Eight neighbours at 255 sum to 2040: 254 after cooling, never 255.
TEST(FireGenerator, HottestCellIsEntry254) {
  const int w = 4, h = 2;
  FireState fire(w, h);
  std::memset(fire.heat, 255, w * (h + 3));
  fireDiffuse(&fire, w, h);
  for (int r = 0; r < h; ++r) {
    EXPECT_EQ(fire.nextHeat[r * w + 0], 0);
    EXPECT_EQ(fire.nextHeat[r * w + 1], 254);
    EXPECT_EQ(fire.nextHeat[r * w + 2], 254);
    EXPECT_EQ(fire.nextHeat[r * w + 3], 0);
  }
  std::vector<uint8_t> pixels(w * h * 4);
  fireColour(&fire, w, h, pixels.data());
  EXPECT_EQ(std::memcmp(&pixels[4], fire.palette[254], 4), 0);
  EXPECT_EQ(std::memcmp(&pixels[0], fire.palette[0], 4), 0);
}

// A cold fire whose draw gives no sparks and a zero ember stays transparent
// black everywhere.
TEST(FireGenerator, ColdFireWithoutSparksIsEntryZeroEverywhere) {
  const int w = 64, h = 32;
  unsigned seed = 1;
  for (;; ++seed) {
    ASSERT_LT(seed, 2000000u) << "no seed draws zero sparks and a zero ember";
    srand(seed);
    if ((rand() & (w - 1)) != 0) continue;
    rand();
    rand();
    if ((rand() & 0xff) == 0) break;
  }
  FireState fire(w, h);
  std::vector<uint8_t> pixels(w * h * 4, 0xAB);
  srand(seed);
  fireGenerator(0, w, h, pixels.data(), &fire);
  EXPECT_TRUE(allZero(pixels.data(), pixels.size()));
  EXPECT_TRUE(allZero(fire.heat, w * (h + 3)));
  EXPECT_TRUE(allZero(fire.nextHeat, w * (h + 3)));
}

// The sparks land where the draws say, three draws each, in the fuel rows
// of the field that was current; rand() & (W - 1) of them. Then one ember,
// three more draws, in the lower half of the visible rows.
TEST(FireGenerator, SparksAndEmberFollowTheDraws) {
  const int widths[] = {64, 100};
  const int h = 16;
  for (int w : widths) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
      std::vector<uint8_t> field(w * (h + 3), 0);
      srand(seed);
      const int count = rand() & (w - 1);
      ASSERT_LE(count, w - 1);
      for (int i = 0; i < count; ++i) {
        const int x = rand() % w;
        const int y = h + rand() % 3;
        field[y * w + x] = static_cast<uint8_t>(rand() & 0xff);
      }
      const int x = rand() % w;
      const int y = h / 2 + rand() % (h / 2);
      field[y * w + x] = static_cast<uint8_t>(rand() & 0xff);
      FireState fire(w, h);
      std::vector<uint8_t> pixels(w * h * 4);
      srand(seed);
      fireGenerator(0, w, h, pixels.data(), &fire);
      // After the swap the field that received them is nextHeat.
      ASSERT_EQ(std::memcmp(fire.nextHeat, field.data(), field.size()), 0) << w << " seed " << seed;
      EXPECT_TRUE(allZero(fire.heat + w * h, w * 3));
    }
  }
}

// Over many steps the fire burns, its border columns stay entry 0 and no
// visible cell is ever hotter than 254.
TEST(FireGenerator, BordersStayColdWhileTheFireBurns) {
  const int w = 64, h = 64;
  FireState fire(w, h);
  std::vector<uint8_t> pixels(w * h * 4);
  srand(12345);
  int burning = 0;
  for (int step = 0; step < 300; ++step) {
    fireGenerator(step, w, h, pixels.data(), &fire);
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(std::memcmp(&pixels[(y * w) * 4], fire.palette[0], 4), 0) << "step " << step << " row " << y;
      ASSERT_EQ(std::memcmp(&pixels[(y * w + w - 1) * 4], fire.palette[0], 4), 0) << "step " << step << " row " << y;
    }
    for (int j = 0; j < w * h; ++j) {
      ASSERT_LE(fire.heat[j], 254);
      ASSERT_EQ(std::memcmp(&pixels[j * 4], fire.palette[fire.heat[j]], 4), 0);
      burning += fire.heat[j] > 0;
    }
  }
  EXPECT_GT(burning, 0);
}

// The diffusion of a random field matches the per-cell rule written out
// here, for widths that end inside and outside a block of cells.
TEST(FireGenerator, DiffusionMatchesThePerCellRule) {
  const int widths[] = {2, 3, 17, 18, 37, 64, 100};
  const int h = 9;
  srand(99);
  for (int w : widths) {
    FireState fire(w, h);
    for (int i = 0; i < w * (h + 3); ++i) fire.heat[i] = static_cast<uint8_t>(rand() & 0xff);
    std::memset(fire.nextHeat, 0xEE, w * h);
    fireDiffuse(&fire, w, h);
    for (int r = 0; r < h; ++r) {
      for (int c = 0; c < w; ++c) {
        int want = 0;
        if (c > 0 && c < w - 1) {
          const int i = r * w + c;
          const uint8_t* q = fire.heat;
          const int s = q[i - 1] + q[i + 1] + q[i + w - 1] + q[i + w] + q[i + w + 1] + q[i + 2 * w - 1] + q[i + 2 * w] +
                        q[i + 2 * w + 1];
          want = s / 8;
          if (want > 0) want = want - 1;
        }
        ASSERT_EQ(fire.nextHeat[r * w + c], want) << "width " << w << " cell " << r << "," << c;
      }
    }
  }
}
