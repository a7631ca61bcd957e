// Preview mode (to be completed).
#include "app/preview.h"

int runPreview(void*, bool, long long) { return 0; }
