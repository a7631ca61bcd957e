// AnimCueList: cues of track templates, commands and links.
//
// Indices outside the list are ignored rather than trusted, and a cue that
// is already firing further up a chain of links is not fired again, so a
// cycle of links fires each cue once instead of overflowing the stack.
#include "anim/anim_cue_list.h"

#include <cstddef>

#include "anim/animator.h"

void AnimCueList::bindAnimator(Animator* a) { animator = a; }

bool AnimCueList::validCue(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < cueEnabled.size(); }

int32_t AnimCueList::addCue() {
  cueEnabled.push_back(1);
  cueTracks.emplace_back();
  cueCommands.emplace_back();
  cueLinks.emplace_back();
  cueFiring.push_back(0);
  current = static_cast<int32_t>(cueEnabled.size() - 1);
  return current;
}

bool AnimCueList::selectCue(int32_t index) {
  if (!validCue(index) || cueEnabled[index] != 1) return false;
  current = index;
  return true;
}

void AnimCueList::addCueTrack(const AnimTrack& track) {
  if (validCue(current)) cueTracks[current].push_back(track);
}

void AnimCueList::addCueCommand(int32_t trackId, int32_t op) {
  if (validCue(current)) cueCommands[current].push_back(AnimCueCommand{trackId, op});
}

void AnimCueList::addCueLink(AnimCueList* list, int32_t cueIndex) {
  if (validCue(current)) cueLinks[current].push_back(AnimCueLink{list, cueIndex});
}

void AnimCueList::fireCue(int32_t index) {
  if (!validCue(index) || cueEnabled[index] == 0 || cueFiring[index]) return;
  cueFiring[index] = 1;
  if (animator) {
    for (size_t i = 0; i < cueTracks[index].size(); ++i) animator->addTrack(cueTracks[index][i]);
    for (size_t i = 0; i < cueCommands[index].size(); ++i) {
      const AnimCueCommand c = cueCommands[index][i];
      if (c.op == CueDisable)
        animator->disableTracks(c.trackId);
      else if (c.op == CueEnable)
        animator->enableTracks(c.trackId);
      else if (c.op == CueFinish)
        animator->finishTracks(c.trackId);
    }
  }
  for (size_t i = 0; i < cueLinks[index].size(); ++i) {
    const AnimCueLink link = cueLinks[index][i];
    if (link.list) link.list->fireCue(link.cueIndex);
  }
  cueFiring[index] = 0;
}
