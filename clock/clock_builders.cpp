// Clock builders: the node trees of the analog and digital clocks. Every
// part carries its own depth-off hook, since a sibling's hook turns the
// depth test back on after itself; parts are drawn in child order.
#include "clock/clock_builders.h"

#include "anim/anim_track.h"
#include "clock/clock_motion.h"
#include "clock/frame_hooks.h"
#include "scene/scene_node.h"

// A new part under anchor with its depth-off hook, holding the meshes of entry
// (none when entry is null).
static SceneNode* addPart(SceneNode* anchor, const char* entry) {
  SceneNode* part = new SceneNode;
  if (entry) part->loadMeshes("clock.pak", entry);
  part->addFrameCallback(depthOffCallback, 0);
  anchor->addChild(part);
  return part;
}

void buildAnalogClock(int32_t) {
  SceneNode* anchor = currentNode;
  addPart(anchor, "ciferblat");

  // Second, minute, hour: the hour hand is drawn last, over the others.
  static const struct {
    const char* entry;
    ClockHand hand;
  } hands[3] = {{"sec", SecondHand}, {"min", MinuteHand}, {"chas", HourHand}};
  for (int32_t i = 0; i < 3; ++i)
    startCurve(addPart(anchor, hands[i].entry), endlessTrack, clockHandCurve, hands[i].hand);
}

void buildDigitalClock(int32_t) {
  SceneNode* anchor = currentNode;
  const bool twelveHour = currentTrack->axis == TwelveHourClock;
  // The wider 12-hour plate leaves room for the am/pm sign on the right.
  addPart(anchor, twelveHour ? "podlozka_am" : "podlozka");

  struct Slot {
    double x;
    int32_t kind12;
    int32_t kind24;  // 0: the slot exists in 12-hour form only
  };
  // clang-format off
  static const Slot slots[6] = {
      {11.432, SlotAmPm, 0},
      {-6.483, SlotHourTens12, SlotHourTens24},
      {-2.498, SlotHourUnits12, SlotHourUnits24},
      {0.0, SlotDot, SlotDot},
      {2.523, SlotMinuteTens, SlotMinuteTens},
      {6.466, SlotMinuteUnits, SlotMinuteUnits},
  };
  // clang-format on
  for (int i = 0; i < 6; ++i) {
    const int32_t kind = twelveHour ? slots[i].kind12 : slots[i].kind24;
    if (kind == 0) continue;
    SceneNode* slot = addPart(anchor, nullptr);
    slot->transform.setPosition(slots[i].x, 0, 0);
    startCurve(slot, endlessTrack, digitSlotCurve, kind);
  }
}

void clockReach(bool analog, int32_t form, double& right, double& down) {
  // clock.pak: the dial's radius is 8; the plates run from y = -0.8 and end
  // at x = 8.5, or 13.5 with the am/pm sign.
  right = analog ? 8.0 : form == TwelveHourClock ? 13.5 : 8.5;
  down = analog ? 8.0 : 0.8;
}
