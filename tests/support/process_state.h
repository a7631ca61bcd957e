// The show's process-wide state (app/globals.h) back to how a fresh process
// starts, so that every test begins from the same state whatever ran before.
#pragma once

#include <cstdint>

// frameTick = tick; no current node or track; the clock's and calendar's
// memories cleared (every slot and the page rebuild on their next step);
// the readout's count 0; the snowfall levels 50. The archive cache's base
// path belongs to the test folders that set it (showarchives::Folder puts
// it back when it goes).
void resetProcessState(uint32_t tick = 0);
