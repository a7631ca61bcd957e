// "utils.pak": the frame-rate label, ending left of its origin, on a plate
// that also spans the three digit places to its right (x 0.5 to 4.5), and
// the digits, 1.2 wide and 2 high from their origin.
#include <string>

#include "overlay_art.h"

using namespace overlay;

void buildUtilsArchive(ArtArchive& pak) {
  Font bold(fontPath("DejaVuSansCondensed-Bold.ttf"));
  Canvas label(-5.3, -0.5, 4.9, 2.5, 256, 64);
  label.roundRect(-5.25, -0.45, 4.85, 2.45, 0.7, glass);
  label.text(bold, "FPS", 1.9, -0.35, 1.0, Anchor::Right, true, text(0.2, rgba(0.8, 0.88, 1.0, 1)));
  pak.addCanvasMesh("fps", "fps.png", label);
  for (int d = 0; d <= 9; ++d) {
    Canvas c(0, 0, 1.2, 2, 64, 128);
    std::string name(1, char('0' + d));
    c.text(bold, name, 2.3, 0.6, 1.0, Anchor::Centre, true, text(0.18));
    pak.addCanvasMesh(name, "fps" + name + ".png", c);
  }
}
