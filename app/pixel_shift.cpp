// Pixel shift: the glide path and the curve that moves an overlay item by it.
#include "app/pixel_shift.h"

#include <algorithm>

#include "anim/anim_track.h"
#include "app/display.h"
#include "app/globals.h"
#include "scene/scene_node.h"

// The k-th place of the sequence: the digits of k in base 2 (x) and 3 (y)
// mirrored behind the point, a Halton sequence. Its places spread evenly
// and never repeat, so over an hour the items stand at some fifty places
// well apart rather than at random ones that may bunch up. Place 0 is the
// centre.
static double mirroredDigits(uint32_t k, uint32_t base) {
  double value = 0, unit = 1.0 / base;
  for (; k > 0; k /= base, unit /= base) value += unit * (k % base);
  return value;
}

static void placeOf(uint32_t k, double place[2]) {
  place[0] = k == 0 ? 0 : 2 * mirroredDigits(k, 2) - 1;
  place[1] = k == 0 ? 0 : 2 * mirroredDigits(k, 3) - 1;
}

void pixelShiftAt(uint32_t tick, double shift[2]) {
  // The periods fit the 32-bit tick exactly, so after the last one the path
  // glides on to place 0, as the tick does to 0.
  const uint32_t k = tick / pixelShiftPeriod;
  const uint32_t intoPeriod = tick % pixelShiftPeriod;
  const uint32_t glideStart = pixelShiftPeriod - pixelShiftGlide;
  double from[2], to[2];
  placeOf(k, from);
  if (intoPeriod <= glideStart) {
    shift[0] = from[0];
    shift[1] = from[1];
    return;
  }
  placeOf(static_cast<uint32_t>((k + 1) % (0x100000000ull / pixelShiftPeriod)), to);
  const double t = static_cast<double>(intoPeriod - glideStart) / pixelShiftGlide;
  const double eased = t * t * (3 - 2 * t);
  for (int i = 0; i < 2; ++i) shift[i] = from[i] + (to[i] - from[i]) * eased;
}

double pixelShiftReach(double areaWidth, double areaHeight) {
  return std::max(0.0, std::min(24.0, 0.015 * std::min(areaWidth, areaHeight)));
}

void pixelShiftCurve(int32_t) {
  const Display* d = display;
  if (!d || d->width < 1 || d->height < 1) return;
  const double areaWidth = (d->overlayArea[2] - d->overlayArea[0]) / 2 * d->width;
  const double areaHeight = (d->overlayArea[3] - d->overlayArea[1]) / 2 * d->height;
  const double reach = pixelShiftReach(areaWidth, areaHeight);
  double shift[2];
  pixelShiftAt(frameTick, shift);
  // The view's right edge at the item's depth lies half the window's width
  // in pixels right of the centre, its top edge half the height above it.
  const double depth = -currentTrack->p1;
  const double unitsPerPixelX = -d->viewEdgeX(depth) / (d->width / 2.0);
  const double unitsPerPixelY = -d->viewEdgeY(depth) / (d->height / 2.0);
  currentTrack->target->translateBy(shift[0] * reach * unitsPerPixelX, shift[1] * reach * unitsPerPixelY, 0);
}

void startPixelShift(SceneNode* node, double eyeDepth) { startCurve(node, endlessTrack, pixelShiftCurve, 0, eyeDepth); }
