// Frame: the scene work of one frame of the show, without SDL. The main
// loop reads the tick, polls the events and swaps the buffers around it;
// the benchmarks and the headless tests call it with ticks of their own.
#pragma once

#include <cstdint>

// frameTick = tick; clears the buffers; the fogged sceneRoot, then
// overlayRoot without fog, then the deferred meshes of both.
void drawFrame(uint32_t tick);
