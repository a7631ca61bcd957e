// DynamicTextureName: what a procedural texture name asks for.
//
// A name is two marker characters (the second is '#'), a kind word up to the
// first decimal digit, the width, one separator character and the height;
// a plasma adds three base colour numbers, each after one separator
// character: "_#Fire64x64", "_#Plasma128x128,40,90,160".
#pragma once

#include <cstdint>
#include <string>

struct DynamicTextureName {
  enum Kind { Plasma, Fire };
  Kind kind;
  int32_t width;
  int32_t height;
  // Base colour of a plasma (red, green, blue), each the low 8 bits of its
  // number; a colour that is missing or unreadable is 0, as are those after
  // it. Always 0 for a fire.
  uint8_t colour[3];
};

// Smallest and largest accepted width and height.
const int32_t dynamicTextureMinSize = 2;
const int32_t dynamicTextureMaxSize = 1024;

// True for a name that describes a texture, filling *out. False, with *out
// partly written and a short reason in *error (if given), for a kind other
// than "Plasma" or "Fire" (compared case-sensitively), a missing or
// unreadable width or height, or a width or height outside
// dynamicTextureMinSize..dynamicTextureMaxSize.
bool parseDynamicTextureName(const std::string& name, DynamicTextureName* out, std::string* error);
