// The overlay archives: the clock, the calendar and the frame-rate readout.
// One look for all of them: light text with a dark halo on translucent
// dark-blue glass, legible over bright snow and dark forest alike.
#pragma once

#include "assets/generator/art_archive.h"

void buildClockArchive(ArtArchive& pak);
void buildCalendarArchive(ArtArchive& pak);
void buildUtilsArchive(ArtArchive& pak);

namespace overlay {
const Color glass = rgba(0.05, 0.08, 0.16, 0.58);
const Color glassEdge = rgba(0.85, 0.9, 1.0, 0.35);
const Color ink = rgba(1.0, 0.98, 0.93, 1.0);
const Color halo = rgba(0.0, 0.02, 0.08, 0.75);
const Color gold = rgba(1.0, 0.78, 0.36, 1.0);
const Color ember = rgba(0.96, 0.36, 0.26, 1.0);
const Color weekend = rgba(1.0, 0.66, 0.55, 1.0);
inline TextStyle text(double haloUnits, Color colour = ink) { return TextStyle{colour, halo, haloUnits}; }
}  // namespace overlay
