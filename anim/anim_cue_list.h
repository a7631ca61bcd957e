// AnimCueList: prepared sets of tracks ("cues") that are copied into a node's
// animator when fired, with commands that switch running tracks by id and
// links that fire cues of other lists. Scene builders fill a cue and fire it
// rather than adding tracks to an animator directly.
#pragma once

#include <cstdint>
#include <vector>

#include "anim/anim_track.h"

class Animator;
class AnimCueList;

// What a cue command does to the running tracks of its id.
enum CueOp { CueDisable = 0, CueEnable = 1, CueFinish = 2 };

struct AnimCueCommand {
  int32_t trackId;
  int32_t op;  // a CueOp; other values do nothing
};

struct AnimCueLink {
  AnimCueList* list;
  int32_t cueIndex;
};

class AnimCueList {
 public:
  AnimCueList() = default;

  void bindAnimator(Animator* animator);
  // Appends an empty cue, makes it current and returns its index.
  int32_t addCue();
  // Makes an enabled cue current; false (and no change) otherwise.
  bool selectCue(int32_t index);
  // The three below append to the current cue.
  void addCueTrack(const AnimTrack& track);
  void addCueCommand(int32_t trackId, int32_t op);
  void addCueLink(AnimCueList* list, int32_t cueIndex);
  // Adds fresh copies of the cue's tracks, then runs its commands (which see
  // those tracks), then fires its links.
  void fireCue(int32_t index);

  int32_t current = -1;
  std::vector<int32_t> cueEnabled;
  std::vector<std::vector<AnimTrack> > cueTracks;
  std::vector<std::vector<AnimCueCommand> > cueCommands;
  std::vector<std::vector<AnimCueLink> > cueLinks;
  Animator* animator = nullptr;

 private:
  bool validCue(int32_t index) const;
  // Per cue: set while it fires, so a cycle of links ends instead of
  // recursing without bound.
  std::vector<uint8_t> cueFiring;
};
