// The programs' icon: the snow crystal over a round view of the valley at
// dusk, drawn once at 1024 pixels and reduced to every size Windows asks
// for, written as one .ico file (the largest size as PNG, the others as
// 32-bit bitmaps with alpha, which every Windows version reads).
#pragma once

#include <cstdint>
#include <vector>

#include "assets/generator/art_archive.h"

// One picture per size the icon file holds (16 to 256 pixels, smallest
// first), from the landscape of mainArchive.
std::vector<Image> renderAppIcon(const ArtArchive& mainArchive);

// An .ico file of square pictures (1 to 256 pixels each).
std::vector<uint8_t> encodeIco(const std::vector<Image>& pictures);
