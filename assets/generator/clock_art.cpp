// "clock.pak": the analog dial and its three hands (pivot at the origin,
// pointing to +y), the digital plates, digits standing on y = 0, the
// blinking colon and the am/pm signs.
#include <cmath>
#include <string>

#include "assets/generator/overlay_art.h"

using namespace overlay;

static void buildDial(ArtArchive& pak, const Font& font) {
  const double R = 8.0;
  Canvas c(-R, -R, R, R, 512, 512);
  // Glass face, a little darker towards the rim, and a bright bezel.
  c.circle(0, 0, 7.85, glass);
  c.ring(0, 0, 7.2, 0.65, rgba(0.02, 0.04, 0.1, 0.25));
  c.ring(0, 0, 7.72, 0.16, rgba(0.92, 0.94, 1.0, 0.9));
  c.ring(0, 0, 7.3, 0.04, rgba(0.9, 0.93, 1.0, 0.45));
  for (int i = 0; i < 60; ++i) {
    double a = i * M_PI / 30, sx = std::sin(a), cy = std::cos(a);
    bool hour = i % 5 == 0;
    double r0 = hour ? 6.1 : 6.75, r1 = 7.05, w = hour ? 0.17 : 0.055;
    if (hour) c.capsule(sx * r0, cy * r0, sx * r1, cy * r1, w + 0.12, rgba(0, 0.02, 0.08, 0.55));
    c.capsule(sx * r0, cy * r0, sx * r1, cy * r1, w, hour ? ink : rgba(0.9, 0.93, 1.0, 0.8));
  }
  const char* numerals[4] = {"12", "3", "6", "9"};
  for (int i = 0; i < 4; ++i) {
    double a = i * M_PI / 2;
    c.text(font, numerals[i], 1.9, std::sin(a) * 4.85, std::cos(a) * 4.85, true, text(0.3));
  }
  // A small snowflake as the maker's mark below the centre.
  for (int k = 0; k < 6; ++k) {
    double a = k * M_PI / 3, cx = 0, cy = -2.6;
    c.capsule(cx, cy, cx + std::sin(a) * 0.75, cy + std::cos(a) * 0.75, 0.06, rgba(0.85, 0.92, 1.0, 0.7));
  }
  // A fan of 64 triangles: the dial stays inside radius 8.
  MeshBuilder mesh;
  MeshPart& part = mesh.part("dial.png", false, true);
  const int n = 64;
  auto at = [&](double a) {
    double x = R * std::sin(a), y = R * std::cos(a);
    return Vertex{{x, y, 0}, {0, 0, 1}, (x + R) / (2 * R), (R - y) / (2 * R)};
  };
  Vertex centre{{0, 0, 0}, {0, 0, 1}, 0.5, 0.5};
  for (int i = 0; i < n; ++i) mesh.triangle(part, centre, at(2 * M_PI * (i + 1) / n), at(2 * M_PI * i / n));
  pak.addImage("dial.png", c.image);
  pak.addMesh("ciferblat", mesh);
}

// A hand from the pivot along +y: a tail behind the pivot, a dark outline
// for contrast, and for the hour hand (drawn last) the centre cap.
static void buildHand(ArtArchive& pak, const char* entry, double length, double tail, double halfWidth,
                      const Color& colour, bool cap) {
  double w = std::max(halfWidth + 0.25, cap ? 0.75 : 0.45);
  Canvas c(-w, -tail - 0.45, w, length + 0.3, 64, 512);
  c.capsule(0, -tail, 0, length, halfWidth + 0.14, rgba(0, 0.02, 0.08, 0.6));
  c.capsule(0, -tail, 0, length, halfWidth, colour);
  if (cap) {
    c.circle(0, 0, 0.62, rgba(0, 0.02, 0.08, 0.6));
    c.circle(0, 0, 0.5, gold);
    c.circle(0, 0, 0.16, rgba(0.35, 0.22, 0.08, 1));
  } else {
    c.circle(0, 0, halfWidth + 0.2, colour);
  }
  pak.addCanvasMesh(entry, std::string(entry) + ".png", c);
}

static void buildDigital(ArtArchive& pak, const Font& digits, const Font& label) {
  for (int wide = 0; wide < 2; ++wide) {
    double right = wide ? 13.5 : 8.5;
    Canvas c(-8.5, -0.8, right, 5.8, wide ? 1024 : 512, 256);
    c.roundRect(-8.45, -0.75, right - 0.05, 5.75, 1.3, glass);
    c.fill([&](double x,
               double y) { return std::fabs(roundRectDistance(x, y, -8.2, -0.5, right - 0.3, 5.5, 1.05)) - 0.05; },
           glassEdge, -8.5, -0.8, right, 5.8);
    pak.addCanvasMesh(wide ? "podlozka_am" : "podlozka", wide ? "plate_am.png" : "plate.png", c);
  }
  for (int d = 0; d <= 9; ++d) {
    Canvas c(-1.75, 0, 1.75, 5, 128, 256);
    std::string name(1, char('0' + d));
    c.text(digits, name, 5.4, 0, 2.5, true, text(0.35));
    pak.addCanvasMesh(name, "digit" + name + ".png", c);
  }
  Canvas dot(-0.6, 0, 0.6, 5, 32, 128);
  for (double y : {1.55, 3.45}) {
    dot.circle(0, y, 0.5, rgba(0, 0.02, 0.08, 0.6));
    dot.circle(0, y, 0.36, ink);
  }
  pak.addCanvasMesh("dot", "colon.png", dot);
  for (const char* sign : {"am", "pm"}) {
    Canvas c(-1.9, 0, 1.9, 2.8, 128, 128);
    c.text(label, sign[0] == 'a' ? "AM" : "PM", 2.1, 0, 1.35, true, text(0.25));
    pak.addCanvasMesh(sign, std::string(sign) + ".png", c);
  }
}

void buildClockArchive(ArtArchive& pak) {
  Font sans(fontPath("DejaVuSans.ttf"));
  Font bold(fontPath("DejaVuSansCondensed-Bold.ttf"));
  buildDial(pak, sans);
  buildHand(pak, "sec", 7.1, 1.8, 0.07, ember, false);
  buildHand(pak, "min", 6.7, 1.2, 0.26, ink, false);
  buildHand(pak, "chas", 4.5, 1.0, 0.4, ink, true);
  buildDigital(pak, bold, bold);
}
