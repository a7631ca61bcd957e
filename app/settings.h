// Settings: the user's choices, read from the binary settings file that the
// settings program writes. The show only reads it. Every field is described
// once, in the table of app/settings_field.cpp (app/settings_field.h says how
// to add one); its reader and writer are app/settings_file.h.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// Rows: width, height, depth. Row 0 (all zero) is the desktop's own mode.
extern const int displayModeTable[10][3];

// "\quorvant_Orvel Kite_cfg" with this platform's separator.
std::string settingsFileName();
// Full path of the settings file in the common application-data folder.
std::string settingsFilePath();

class Settings {
 public:
  Settings() { resetToDefaults(); }

  // Reads a settings file. Format 1 is taken field by field; a field the file
  // does not hold in full keeps its default. Any other format gives the
  // defaults. The texts end at their first zero byte. Never allocates more
  // than the file holds.
  void readSettings(std::istream& in);
  // Every field to the default the table gives it, both texts empty.
  void resetToDefaults();

  int displayWidth() const { return displayModeTable[row()][0]; }
  int displayHeight() const { return displayModeTable[row()][1]; }
  int displayDepth() const { return displayModeTable[row()][2]; }

  bool showFps;
  bool showClock;
  bool analogClock;
  bool clock24h;
  bool largeClock;
  bool showCalendar;
  bool russianCalendar;
  std::string reservedText2;
  std::string reservedText1;
  bool quitOnMouseMove;
  uint32_t reservedWord;
  uint32_t resolutionIndex;
  // Not in the file, options of the show for one run: its frame cap (0:
  // none; FramePacer::rendererDefault when not given) and whether the
  // overlays glide now and then against burn-in.
  uint32_t maxFps;
  bool pixelShift;
  // Not in the file: when not 0, every frame is this many milliseconds of
  // show time after the one before, whatever the real clock, so that runs
  // draw the same frames (benchmarks, recordings).
  uint32_t frameClock;

 private:
  // Indices past the table read as the desktop mode.
  uint32_t row() const { return resolutionIndex < 10 ? resolutionIndex : 0; }
};
