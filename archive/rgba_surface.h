// Decoding of image entries into surfaces GL can take as they stand:
// 32 bits per pixel, bytes red, green, blue, alpha in memory, rows packed.
// Images of any other layout (RGB, paletted, grey, colour-keyed, other byte
// orders, padded rows) are converted, so that any image SDL_image reads works.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

// Decodes an image file held in memory; null when SDL_image can't read it.
SDL_Surface* decodeImage(const uint8_t* data, uint32_t size);

// Returns image itself when it is already packed RGBA, otherwise a converted
// copy (freeing image). A colour key becomes alpha 0 (with black colour);
// images without an alpha channel are opaque. Null (image freed) on failure.
SDL_Surface* toRgbaSurface(SDL_Surface* image);

// True when the surface's pixels are packed RGBA in memory order.
bool isPackedRgba(const SDL_Surface* surface);
