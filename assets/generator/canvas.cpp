// Canvas shapes and text (see canvas.h).
#include "assets/generator/canvas.h"

Canvas::Canvas(double x0, double y0, double x1, double y1, int width, int height)
    : x0(x0), y0(y0), x1(x1), y1(y1), scaleX(width / (x1 - x0)), scaleY(height / (y1 - y0)), image(width, height) {}

void Canvas::roundRect(double ax, double ay, double bx, double by, double radius, const Color& c) {
  fill([=](double x, double y) { return roundRectDistance(x, y, ax, ay, bx, by, radius); }, c, ax, ay, bx, by);
}

void Canvas::circle(double cx, double cy, double r, const Color& c) {
  fill([=](double x, double y) { return std::hypot(x - cx, y - cy) - r; }, c, cx - r, cy - r, cx + r, cy + r);
}

void Canvas::ring(double cx, double cy, double r, double halfWidth, const Color& c) {
  double o = r + halfWidth;
  fill([=](double x, double y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - halfWidth; }, c, cx - o, cy - o,
       cx + o, cy + o);
}

static double segmentDistance(double x, double y, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay;
  double l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

void Canvas::capsule(double ax, double ay, double bx, double by, double halfWidth, const Color& c) {
  fill([=](double x, double y) { return segmentDistance(x, y, ax, ay, bx, by) - halfWidth; }, c,
       std::min(ax, bx) - halfWidth, std::min(ay, by) - halfWidth, std::max(ax, bx) + halfWidth,
       std::max(ay, by) + halfWidth);
}

double Canvas::textWidth(const Font& font, const std::string& utf8, double emUnits) const {
  TextLayout l = font.layout(utf8, emUnits * scaleY, scaleX / scaleY);
  return (l.inkRight - l.inkLeft) / scaleX;
}

void Canvas::text(const Font& font, const std::string& utf8, double emUnits, double cx, double cy, bool centreInk,
                  const TextStyle& style) {
  TextLayout l = font.layout(utf8, emUnits * scaleY, scaleX / scaleY);
  // Pen origin in pixels so that the ink box lands where asked.
  double ox = pxX(cx) - 0.5 * (l.inkLeft + l.inkRight), oy = pxY(cy);
  if (centreInk) oy += 0.5 * (l.inkTop + l.inkBottom);
  int ix = int(std::lround(ox)), iy = int(std::lround(oy));
  Mask mask(image.width, image.height);
  for (const PlacedGlyph& g : l.glyphs)
    for (int y = 0; y < g.rows; ++y)
      for (int x = 0; x < g.width; ++x) {
        int px = ix + g.left + x, py = iy - g.top + y;
        if (px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
        float v = g.coverage[size_t(y) * g.width + x] / 255.0f;
        mask.at(px, py) = std::min(1.0f, mask.at(px, py) + v);
      }
  if (style.halo.a > 0 && style.haloUnits > 0) {
    Mask halo = mask;
    int r = std::max(1, int(std::lround(style.haloUnits * 0.5 * (scaleX + scaleY) / 2)));
    halo.blur(r);
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) image.blend(x, y, style.halo, std::min(1.0f, halo.at(x, y) * 2.5f));
  }
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) image.blend(x, y, style.colour, mask.at(x, y));
}
