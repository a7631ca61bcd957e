// Animator: runs a node's tracks once per frame (to be completed).
#pragma once

#include <cstdint>

// SDL millisecond tick taken at the start of each frame; the one time base of
// all animation. 0 until the first frame.
extern uint32_t frameTick;
