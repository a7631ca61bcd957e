// "utils.pak": the frame-rate label on its plate, ending left of its origin
// (the digits stand at x = 0.5, 1.9 and 3.3), and the digits, 1.2 wide and
// 2 high from their origin, with a strong dark halo of their own.
#include <string>

#include "assets/generator/overlay_art.h"

using namespace overlay;

void buildUtilsArchive(ArtArchive& pak) {
  Font bold(fontPath("DejaVuSansCondensed-Bold.ttf"));
  Canvas label(-4.9, -0.3, -0.1, 2.3, 128, 64);
  label.roundRect(-4.85, -0.25, -0.15, 2.25, 0.6, glass);
  label.text(bold, "FPS", 1.9, -2.5, 1.0, true, text(0.2, rgba(0.8, 0.88, 1.0, 1)));
  pak.addCanvasMesh("fps", "fps.png", label);
  for (int d = 0; d <= 9; ++d) {
    Canvas c(0, 0, 1.2, 2, 64, 128);
    std::string name(1, char('0' + d));
    c.text(bold, name, 2.3, 0.6, 1.0, true, TextStyle{ink, rgba(0, 0.02, 0.08, 0.95), 0.28});
    pak.addCanvasMesh(name, "fps" + name + ".png", c);
  }
}
