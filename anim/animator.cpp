// Animator: per-frame stepping of a node's tracks.
#include "anim/animator.h"

uint32_t frameTick = 0;
