// Frame-rate overlay: the readout every 5000 ms of the anchor's track.
#include "calendar/fps_overlay.h"

#include "anim/anim_track.h"
#include "anim/motion_curves.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"

int32_t fpsFrameCount = 0;

int32_t fpsDigitPlaces(int32_t frames, FpsDigit digits[3]) {
  const int32_t n = frames < 0 ? 0 : frames;
  int32_t count = 0;
  digits[count++] = FpsDigit{static_cast<char>('0' + (n / 5) % 10), 3.3};
  if (n > 49) digits[count++] = FpsDigit{static_cast<char>('0' + (n / 50) % 10), 1.9};
  if (n > 499) digits[count++] = FpsDigit{static_cast<char>('0' + (n / 500) % 10), 0.5};
  return count;
}

void fpsCurve(int32_t) {
  ++fpsFrameCount;
  if (!(currentTrack->elapsed > 0.0)) return;
  currentTrack->elapsed -= 5000.0;

  SceneNode* anchor = currentNode;
  FpsDigit digits[3];
  const int32_t count = fpsDigitPlaces(fpsFrameCount, digits);
  for (int32_t i = 0; i < count; ++i) {
    SceneNode* node = new SceneNode;
    node->transform.setPosition(digits[i].x, 0, 0);
    node->addFrameCallback(depthOffCallback, 0);
    const char name[2] = {digits[i].digit, '\0'};
    node->loadMeshes("utils.pak", name);
    // Lives just past the next readout, so old and new digits overlap
    // for a frame instead of leaving a gap.
    AnimTrack expiry(1, true, 0.0);
    expiry.setCurve(curveExpire, 5000, 0, 0);
    startTrack(node, expiry);
    anchor->addChild(node);
  }
  fpsFrameCount = 0;
}
