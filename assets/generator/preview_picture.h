// The preview picture and the landscape's coverage check, both drawn with
// the SoftRenderer from the show's own camera.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "art_archive.h"

// "preview.ppk": a 24-bit BMP, 152 x 112, of the landscape under its fog
// with a little falling snow.
std::vector<uint8_t> renderPreview(const ArtArchive& mainArchive, double turnDegrees);

// Renders the ground of "scena" without textures at the given size for turn angles
// 0, step, 2 step, ... below 360 and returns the largest number of pixels
// left uncovered in any of them (the show's black clear colour).
int worstUncovered(const ArtArchive& mainArchive, int width, int height, double stepDegrees, double* worstAngle);

// Writes an image as a 24-bit bottom-up BMP (width * 3 must be a multiple of 4).
std::vector<uint8_t> encodeBmp24(const Image& image);
