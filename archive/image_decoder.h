// Image entries: PNG images held in memory, decoded with libpng straight into
// the one layout GL textures take here, 32 bits a pixel with the bytes red,
// green, blue, alpha in memory and rows packed without gaps. Every PNG
// layout (palette, grey, 16-bit, interlaced, with or without transparency)
// comes out that way. No other format is read: entries are PNG, and the
// general-purpose loaders of other formats are code the archives never need.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>

// The largest image decoded: 4096 x 4096, 64 MiB of pixels (the largest real
// texture is 1024 x 1024). Larger ones are refused before anything is
// allocated for them.
const uint64_t maxImagePixels = 4096u * 4096u;

// Decodes the PNG image in data[0, size). Null when the bytes are not a
// whole PNG image within the limits, with a short reason in error (when
// given). Reads nothing outside the buffer and stops at its end.
SDL_Surface* decodeImage(const uint8_t* data, uint32_t size, std::string* error = nullptr);

// True when the surface's pixels are packed RGBA in memory order.
bool isPackedRgba(const SDL_Surface* surface);
