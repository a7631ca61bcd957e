// Animator: per-frame stepping of a node's tracks.
//
// Callbacks run in the middle of the walk and may add tracks to this very
// animator (a callback that fires a cue on its own node), which can
// reallocate `tracks`. The walk therefore goes by index and re-reads the size
// on every turn, and addTrack re-points `currentTrack` when it moves the
// track that is running, so a callback can keep using it afterwards.
#include "anim/animator.h"

#include <cstddef>
#include <functional>

uint32_t frameTick = 0;

Animator::Animator() : currentTick(frameTick), previousTick(frameTick) {}

void Animator::advance() {
  previousTick = currentTick;
  currentTick = frameTick;
  offset.reset();
  // Unsigned difference: a wrap of the tick counter still gives the true
  // interval.
  const uint32_t ticks = currentTick - previousTick;
  const double scaled = static_cast<double>(ticks) * speed;
  const uint32_t dt = scaled > 0.0 ? static_cast<uint32_t>(static_cast<int64_t>(scaled)) : 0u;

  for (size_t i = 0; i < tracks.size();) {
    if (tracks[i].finished) {
      tracks.erase(tracks.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    tracks[i].step(dt);
    ++i;
  }
  offset.apply();
}

void Animator::addTrack(const AnimTrack& track) {
  // The caller may pass a track of this same array (or the running one).
  AnimTrack copy = track;
  copy.target = &offset;
  const AnimTrack* oldData = tracks.data();
  const std::less<const AnimTrack*> before;
  const bool runningHere = !before(currentTrack, oldData) && before(currentTrack, oldData + tracks.size());
  const size_t runningIndex = runningHere ? static_cast<size_t>(currentTrack - oldData) : 0;
  tracks.push_back(copy);
  if (runningHere) currentTrack = &tracks[runningIndex];
}

void Animator::enableTracks(int32_t id) {
  for (AnimTrack& t : tracks)
    if (t.id == id) t.enabled = true;
}

void Animator::disableTracks(int32_t id) {
  for (AnimTrack& t : tracks)
    if (t.id == id) t.enabled = false;
}

void Animator::finishTracks(int32_t id) {
  for (AnimTrack& t : tracks)
    if (t.id == id) t.finished = true;
}
