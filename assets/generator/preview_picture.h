// The preview picture and the landscape's coverage check, both drawn with
// the SoftRenderer from the show's own camera.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/generator/art_archive.h"

// "preview.ppk": a 24-bit BMP, 152 x 112, of the landscape under its fog
// with a little falling snow.
std::vector<uint8_t> renderPreview(const ArtArchive& mainArchive, double turnDegrees);

// Renders the ground of "scena" without textures at the given size for turn angles
// 0, step, 2 step, ... below 360 and returns the largest number of pixels left
// uncovered in any of them (the show's black clear colour), its first angle in
// *worstAngle (untouched when none is).
int worstUncovered(const ArtArchive& mainArchive, int width, int height, double stepDegrees, double* worstAngle);

// A bitmap without a file header, its rows bottom-up: 24-bit BGR for a BMP
// file (width * 3 must be a multiple of 4), or as an icon file holds it,
// 32-bit BGRA followed by the 1-bit mask that icon readers without alpha use
// (its header counts both: twice the height).
std::vector<uint8_t> encodeDib(const Image& image, bool iconForm);
