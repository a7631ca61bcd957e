// Process state reset for the tests.
#include "support/process_state.h"

#include "app/globals.h"
#include "clock/clock_face.h"

void resetProcessState(uint32_t tick) {
  frameTick = tick;
  currentNode = nullptr;
  currentTrack = nullptr;
  for (int32_t i = 0; i < lastShownCount; ++i) lastShown[i] = -1;
  lastPageDate = -1;
  fpsFrameCount = 0;
  snowDensity = snowSpeed = 50.0;
}
