// Preview mode: the still picture "preview.ppk" painted into the window of
// the system's screensaver dialog.
#pragma once

int runPreview(void* instance, bool hasParent, long long parentHandle);
