// "main.pak": the landscape (see landscape.h), a six-armed snow crystal on a
// quad 12 units across, blended so its soft rim reads over snow and forest,
// and the bilingual greeting on a pane of dark glass, 144 x 56 units (it is
// drawn at half size in the middle of the view).
#include "assets/generator/main_art.h"

#include <cmath>

#include "assets/generator/landscape.h"

// Signed distance to a hexagon about the origin, its sides r from it.
static double hexagonDistance(double x, double y, double r) {
  double a = std::fmod(std::atan2(y, x) + 2 * M_PI, M_PI / 3) - M_PI / 6;
  return std::hypot(x, y) * std::cos(a) - r;
}

void drawSnowCrystal(Canvas& c, const Color& rim, double rimGrow, const Color& ice) {
  for (int pass = 0; pass < 2; ++pass) {
    double grow = pass == 0 ? rimGrow : 0.0;
    const Color& col = pass == 0 ? rim : ice;
    for (int k = 0; k < 6; ++k) {
      double a = k * M_PI / 3, dx = std::sin(a), dy = std::cos(a);
      c.capsule(0, 0, dx * 5.3, dy * 5.3, 0.3 + grow, col);
      for (int b = 0; b < 3; ++b) {
        double at = 1.7 + b * 1.2, len = 1.9 - b * 0.5;
        for (int side = -1; side <= 1; side += 2) {
          double ba = a + side * M_PI / 3;
          c.capsule(dx * at, dy * at, dx * at + std::sin(ba) * len, dy * at + std::cos(ba) * len, 0.2 + grow, col);
        }
      }
    }
    c.fill([&](double x, double y) { return hexagonDistance(x, y, 1.0 + grow); }, col, -2, -2, 2, 2);
  }
  // A clear centre, the way light passes through a plate crystal.
  c.fill([](double x, double y) { return hexagonDistance(x, y, 0.45); }, rgba(0.7, 0.82, 1.0, 0.9), -1, -1, 1, 1);
}

static void buildSnowflake(ArtArchive& pak) {
  Canvas c(-6, -6, 6, 6, 128, 128);
  drawSnowCrystal(c, rgba(0.45, 0.58, 0.85, 0.38), 0.28, rgba(0.96, 0.98, 1.0, 0.97));
  pak.addCanvasMesh("sn", "flake.png", c);
}

static void buildGreeting(ArtArchive& pak) {
  Font serif(fontPath("DejaVuSerif-Italic.ttf"));
  Font serifBold(fontPath("DejaVuSerif-BoldItalic.ttf"));
  Canvas c(-72, -28, 72, 28, 1024, 512);
  c.fill([&](double x, double y) { return roundRectDistance(x, y, -70, -26, 70, 26, 9) + 1.5; },
         rgba(0.03, 0.06, 0.16, 0.2), -72, -28, 72, 28);
  c.roundRect(-68, -24, 68, 24, 8, rgba(0.04, 0.07, 0.18, 0.45));
  c.fill([&](double x, double y) { return std::fabs(roundRectDistance(x, y, -65.5, -21.5, 65.5, 21.5, 6)) - 0.25; },
         rgba(1.0, 0.84, 0.5, 0.55), -70, -26, 70, 26);
  TextStyle title{rgba(1.0, 0.95, 0.82, 0.96), rgba(0.0, 0.02, 0.1, 0.6), 1.6};
  TextStyle sub{rgba(0.85, 0.9, 1.0, 0.92), rgba(0.0, 0.02, 0.1, 0.55), 1.2};
  double em = 19;
  while (c.textWidth(serifBold, "Happy New Year!", em) > 100) em -= 0.5;
  c.text(serifBold, "Happy New Year!", em, 0, 4.5, true, title);
  c.text(serif, "С Новым годом!", 11, 0, -12.5, true, sub);
  // Small crystals at the ends of a gold rule between the lines.
  const Color gold = rgba(1.0, 0.84, 0.5, 0.8);
  c.capsule(-40, -4.8, -8, -4.8, 0.18, gold);
  c.capsule(8, -4.8, 40, -4.8, 0.18, gold);
  for (double cx : {-58.5, 0.0, 58.5}) {
    double cy = cx == 0 ? -4.8 : 0, r = cx == 0 ? 2.6 : 4.2;
    for (int k = 0; k < 6; ++k) {
      double a = k * M_PI / 3;
      c.capsule(cx, cy, cx + std::sin(a) * r, cy + std::cos(a) * r, r * 0.07, gold);
      c.capsule(cx + std::sin(a) * r * 0.55, cy + std::cos(a) * r * 0.55, cx + std::sin(a + 0.7) * r * 0.8,
                cy + std::cos(a + 0.7) * r * 0.8, r * 0.05, gold);
      c.capsule(cx + std::sin(a) * r * 0.55, cy + std::cos(a) * r * 0.55, cx + std::sin(a - 0.7) * r * 0.8,
                cy + std::cos(a - 0.7) * r * 0.8, r * 0.05, gold);
    }
  }
  pak.addCanvasMesh("nn", "greeting.png", c);
}

void buildMainArchive(ArtArchive& pak) {
  Landscape land;
  land.build(pak);
  buildSnowflake(pak);
  buildGreeting(pak);
}
