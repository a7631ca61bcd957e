// Preview mode: the still picture "preview.ppk" painted pixel by pixel into
// the small preview window of the system's screensaver dialog.
#pragma once

#include <string>

#include "platform/platform.h"

// The mode's entry: without a parent handle there is nothing to paint into,
// so it ends at once with status 0.
int runPreview(void* instance, bool hasParent, long long parentHandle);

// One paint of a preview area of width x height pixels: the picture at its
// own size from the top-left corner when the area is 152 pixels wide (the
// dialog's standard preview), black over the whole area otherwise or when the
// picture is missing or not 24-bit. The file is loaded anew and freed again.
void paintPreviewFrom(const std::string& picturePath, int width, int height, platform::PreviewSetPixel setPixel,
                      void* context);
