// Frame-rate overlay: the readout every 5000 ms of the anchor's track.
#include "calendar/fps_overlay.h"

#include "anim/anim_track.h"
#include "anim/motion_curves.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"

int32_t fpsFrameCount = 0;

int32_t fpsDigitPlaces(int32_t frames, FpsDigit digits[maxFpsDigits]) {
  int32_t rate = frames < 0 ? 0 : frames / 5;
  if (rate > 9999) rate = 9999;
  const int32_t count = rate > 999 ? 4 : rate > 99 ? 3 : rate > 9 ? 2 : 1;
  // x of each place, units first, for up to three digits and for four.
  static const double placeX[2][maxFpsDigits] = {{3.3, 1.9, 0.5, 0.0}, {4.7, 3.3, 1.9, 0.5}};
  for (int32_t i = 0; i < count; ++i, rate /= 10)
    digits[i] = FpsDigit{static_cast<char>('0' + rate % 10), placeX[count == 4][i]};
  return count;
}

void fpsCurve(int32_t) {
  ++fpsFrameCount;
  if (!(currentTrack->elapsed > 0.0)) return;
  currentTrack->elapsed -= 5000.0;

  SceneNode* anchor = currentNode;
  FpsDigit digits[maxFpsDigits];
  const int32_t count = fpsDigitPlaces(fpsFrameCount, digits);
  for (int32_t i = 0; i < count; ++i) {
    SceneNode* node = new SceneNode;
    node->transform.setPosition(digits[i].x, 0, 0);
    node->addFrameCallback(depthOffCallback, 0);
    const char name[2] = {digits[i].digit, '\0'};
    node->loadMeshes("utils.pak", name);
    // Lives just past the next readout, so old and new digits overlap
    // for a frame instead of leaving a gap.
    startCurve(node, endlessTrack, curveExpire, 0, 5000);
    anchor->addChild(node);
  }
  fpsFrameCount = 0;
}
