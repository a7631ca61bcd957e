// Preview mode: the still picture "preview.ppk" painted pixel by pixel into
// the small preview window of the system's screensaver dialog.
#pragma once

#include <string>

#include "platform/platform.h"

// The mode's entry: without a parent handle there is nothing to paint into,
// so it ends at once with status 0.
int runPreview(void* instance, bool hasParent, long long parentHandle);

// One paint of a preview area of width x height pixels, every pixel once,
// row by row: the picture scaled by one factor to fit the area and centred,
// black around it (the dialog's standard 152-pixel area shows it at its own
// size); all black when the picture is missing or not 24-bit. The file is
// loaded anew and freed again.
void paintPreviewFrom(const std::string& picturePath, int width, int height, platform::PreviewSetPixel setPixel,
                      void* context);
