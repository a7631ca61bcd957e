// "main.pak": the landscape, the snowflake and the greeting.
#pragma once

#include "art_archive.h"

void buildMainArchive(ArtArchive& pak);
