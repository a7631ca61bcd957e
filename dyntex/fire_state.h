// FireState: the heat fields and colour palette of one fire texture. The
// fields have three hidden fuel rows below the visible ones, where the
// sparks land; the two fields are swapped after every step.
#pragma once

#include <cstdint>

class FireState {
 public:
  // Both fields zero (a fresh fire is cold); palette built.
  FireState(int32_t width, int32_t height);
  ~FireState();
  FireState(const FireState&) = delete;
  FireState& operator=(const FireState&) = delete;

  // Heat value to RGBA. Computed heat never exceeds 254, so entry 255 is
  // never looked up; it is kept zero rather than left undefined.
  uint8_t palette[256][4] = {};
  uint8_t* heat;      // width x rows, the current field
  uint8_t* nextHeat;  // width x rows, the field being computed
  int32_t width;
  int32_t rows;  // visible height + 3
};
