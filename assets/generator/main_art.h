// "main.pak": the landscape, the snowflake and the greeting.
#pragma once

#include "assets/generator/art_archive.h"

void buildMainArchive(ArtArchive& pak);

// The six-armed crystal of the snowflake, arms 5.3 units long about the
// canvas origin: first the rim colour, every stroke widened by rimGrow, then
// the ice over it. The application icon draws it too.
void drawSnowCrystal(Canvas& c, const Color& rim, double rimGrow, const Color& ice);
