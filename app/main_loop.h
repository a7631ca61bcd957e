// Main loop of the show: events, then one frame per pass, until the show has
// been asked to end and both roots have taken themselves apart.
#pragma once

void runMainLoop();
// One frame at SDL's tick, or a fixed step after the last frame's
// (Settings::frameClock), then the buffer swap.
void renderFrame();
