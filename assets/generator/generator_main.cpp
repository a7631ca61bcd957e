// The asset generator: writes "main.pak", "utils.pak", "clock.pak",
// "calendar.pak" and "preview.ppk" into the folder given on the command
// line, entirely from code, and refuses to finish if the landscape would
// let the black background show at 4:3 or 16:9 at any turn of the valley.
// Given a second path, it writes the programs' icon (.ico) there too.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "assets/generator/app_icon.h"
#include "assets/generator/main_art.h"
#include "assets/generator/overlay_art.h"
#include "assets/generator/pak_writer.h"
#include "assets/generator/preview_picture.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ICON_FILE]\n", argv[0]);
    return 2;
  }
  std::string dir = std::string(argv[1]) + "/";
  auto start = std::chrono::steady_clock::now();
  try {
    ArtArchive mainPak, utils, clock, calendar;
    buildMainArchive(mainPak);
    buildUtilsArchive(utils);
    buildClockArchive(clock);
    buildCalendarArchive(calendar);
    for (auto [w, h] : {std::pair{160, 120}, std::pair{192, 108}}) {
      double angle = 0;
      int gaps = worstUncovered(mainPak, w, h, 10, &angle);
      if (gaps > 0) {
        std::fprintf(stderr, "generator: the landscape leaves %d of %d pixels empty at %dx%d, turn %.1f\n", gaps, w * h,
                     w, h, angle);
        return 1;
      }
    }
    saveFile(dir + "main.pak", mainPak.pak.bytes());
    saveFile(dir + "utils.pak", utils.pak.bytes());
    saveFile(dir + "clock.pak", clock.pak.bytes());
    saveFile(dir + "calendar.pak", calendar.pak.bytes());
    saveFile(dir + "preview.ppk", renderPreview(mainPak, 215));
    if (argc == 3) saveFile(argv[2], encodeIco(renderAppIcon(mainPak)));
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("generator: scena has %d triangles; archives written to %s in %.2f s\n",
                mainPak.meshes.at("scena").triangleCount(), dir.c_str(), took.count());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "generator: %s\n", e.what());
    return 1;
  }
  return 0;
}
