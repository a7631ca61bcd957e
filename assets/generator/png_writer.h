// PNG encoding of generated images: 8-bit RGBA, no time stamp or other
// chunk that could change between runs, so equal images give equal bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "assets/generator/image.h"

std::vector<uint8_t> encodePng(const Image& image);
