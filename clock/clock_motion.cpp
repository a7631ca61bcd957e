// Clock motion: hands, digit slots and digit watchers.
#include "clock/clock_motion.h"

#include <string>

#include "anim/anim_track.h"
#include "clock/local_time.h"
#include "scene/scene_node.h"

int32_t lastShown[lastShownCount] = {-1, -1, -1, -1, -1, -1};

void clockHandCurve(int32_t) {
  const struct tm* now = readLocalTime();
  if (!now) return;
  double angle = 0.0;
  if (!clockHandAngle(currentTrack->axis, *now, angle)) return;
  // The offset is rebuilt every frame, so the angle is set, not added up.
  currentTrack->target->setRotation(0, 0, angle);
}

void digitSlotCurve(int32_t) {
  const struct tm* now = readLocalTime();
  if (!now) return;
  const int32_t kind = currentTrack->axis;
  const int32_t index = lastShownIndex(kind);
  if (index < 0) return;
  const int32_t value = digitSlotValue(kind, *now);
  if (value == lastShown[index]) return;
  lastShown[index] = value;

  SceneNode* digit = new SceneNode;
  const std::string entry = digitSlotEntry(kind, value);
  if (!entry.empty()) digit->loadMeshes("clock.pak", entry.c_str());
  AnimTrack watcher(1, true, 0.0);
  watcher.setCurve(digitWatchCurve, digitWatcherAxis(kind), value, 0, 0, 0);
  startTrack(digit, watcher);
  // The new digit follows the old one, which retires itself this frame but
  // is still drawn once, so the change never leaves the place empty.
  currentNode->addChild(digit);
}

void digitWatchCurve(int32_t) {
  const struct tm* now = readLocalTime();
  if (!now) return;
  const int32_t shown = digitWatchValue(currentTrack->axis, *now);
  if (shown < 0) return;
  if (currentTrack->param != shown) currentNode->expire();
}
