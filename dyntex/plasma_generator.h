// Plasma: six travelling sine waves, mostly transparent with thin opaque
// contour bands and a one-pixel grid every 16 pixels, tinted by a base colour.
#pragma once

#include <cstdint>

// Generator for a DynamicTexture. colour points to three bytes (red, green,
// blue); tick is the frame time in milliseconds. Needs width, height >= 1
// and width x height x 4 bytes of pixels; the image depends on tick only.
void plasmaGenerator(int32_t tick, int32_t width, int32_t height, uint8_t* pixels, void* colour);
