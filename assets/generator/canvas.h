// Canvas: an Image addressed in the units of the mesh it will cover (y up),
// with antialiased shapes and haloed text, so overlay art is drawn where it
// will stand and its quad is simply the canvas rectangle.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/generator/font.h"
#include "assets/generator/image.h"

struct TextStyle {
  Color colour;
  Color halo;        // alpha 0 for none
  double haloUnits;  // halo radius in units
};

class Canvas {
 public:
  // Units x0..x1 and y0..y1 spread over a width x height image.
  Canvas(double x0, double y0, double x1, double y1, int width, int height);

  double pxX(double x) const { return (x - x0) * scaleX; }
  double pxY(double y) const { return (y1 - y) * scaleY; }
  double unitX(double px) const { return x0 + px / scaleX; }
  double unitY(double py) const { return y1 - py / scaleY; }

  // Fills the shape whose signed distance (in units, negative inside) sdf
  // gives, within the unit box (bx0, by0)-(bx1, by1).
  template <class F>
  void fill(F sdf, const Color& c, double bx0, double by0, double bx1, double by1) {
    int px0 = std::max(0, int(std::floor(pxX(bx0))) - 1), px1 = std::min(image.width - 1, int(pxX(bx1)) + 1);
    int py0 = std::max(0, int(std::floor(pxY(by1))) - 1), py1 = std::min(image.height - 1, int(pxY(by0)) + 1);
    double pxPerUnit = 0.5 * (scaleX + scaleY);
    for (int py = py0; py <= py1; ++py)
      for (int px = px0; px <= px1; ++px) {
        double d = sdf(unitX(px + 0.5), unitY(py + 0.5)) * pxPerUnit;
        image.blend(px, py, c, std::clamp(0.5 - d, 0.0, 1.0));
      }
  }
  void roundRect(double ax, double ay, double bx, double by, double radius, const Color& c);
  void circle(double cx, double cy, double r, const Color& c);
  void ring(double cx, double cy, double r, double halfWidth, const Color& c);
  // A line with round ends.
  void capsule(double ax, double ay, double bx, double by, double halfWidth, const Color& c);
  // Text whose ink box is centred on cx and, when centreInk, on cy; else cy
  // is the baseline.
  void text(const Font& font, const std::string& utf8, double emUnits, double cx, double cy, bool centreInk,
            const TextStyle& style);
  // Ink width in units of text at this em.
  double textWidth(const Font& font, const std::string& utf8, double emUnits) const;

  double x0, y0, x1, y1;
  double scaleX, scaleY;  // pixels per unit
  Image image;
};

inline double roundRectDistance(double x, double y, double ax, double ay, double bx, double by, double r) {
  double cx = 0.5 * (ax + bx), cy = 0.5 * (ay + by);
  double hx = 0.5 * (bx - ax) - r, hy = 0.5 * (by - ay) - r;
  double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}
