// Delayed item: one minute after the overlay root starts animating, the
// entry "nn" of "main.pak" is added at half scale in the middle of the view,
// as the last overlay child, over everything else.
#pragma once

#include <cstdint>

// Endless track of overlayRoot; finishes itself when it adds the item. With
// an `axis` of 1 the item glides with the pixel shift as the others do.
void delayedItemCurve(int32_t userValue);
