// Preview mode: loads "preview.ppk" through SDL's BMP reader at every paint,
// scales it to the pane and hands each pixel to the platform's window
// through a pixel setter; where the platform runs the show live over the
// picture, it names the installed show and its frame rate there. The
// picture is read only when it is a regular file of a sane size, so that a
// FIFO or a device in its place cannot hold up the paint.
#include "app/preview.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>

#include "app/globals.h"
#include "app/install_dir.h"
#include "platform/platform.h"

namespace {

// Far more than any preview picture (152 x 112 x 3 bytes and a header).
const uint64_t maxPictureBytes = 16u << 20;

void paintBlack(int width, int height, platform::PreviewSetPixel setPixel, void* context) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) setPixel(context, x, y, 0, 0, 0);
}

}  // namespace

// The picture's channel c at (x, y), coordinates clamped to the picture.
static int channelAt(const SDL_Surface* picture, int x, int y, int c) {
  x = x < 0 ? 0 : (x >= picture->w ? picture->w - 1 : x);
  y = y < 0 ? 0 : (y >= picture->h ? picture->h - 1 : y);
  // Rows are pitch bytes apart: BMP rows are padded to four bytes, so a
  // width whose three bytes per pixel do not fill whole words is still read
  // right. Each pixel is blue, green, red in memory.
  const unsigned char* p = static_cast<const unsigned char*>(picture->pixels) +
                           static_cast<size_t>(picture->pitch) * y + 3 * static_cast<size_t>(x);
  return p[2 - c];
}

// The picture scaled by one factor to fit the area, centred, black around
// it; sampled between its pixels, so that a pane of 1.5 or 2 times the
// standard size shows it smooth. At the picture's own size every pixel is
// its own.
static void paintScaled(const SDL_Surface* picture, int width, int height, platform::PreviewSetPixel setPixel,
                        void* context) {
  const double scale = std::min(static_cast<double>(width) / picture->w, static_cast<double>(height) / picture->h);
  const int shownWidth = std::max(1, static_cast<int>(picture->w * scale + 0.5));
  const int shownHeight = std::max(1, static_cast<int>(picture->h * scale + 0.5));
  const int left = (width - shownWidth) / 2, top = (height - shownHeight) / 2;
  for (int y = 0; y < height; ++y) {
    const double sy = (y - top + 0.5) / scale - 0.5;
    const int y0 = static_cast<int>(std::floor(sy));
    const double fy = sy - y0;
    for (int x = 0; x < width; ++x) {
      if (x < left || x >= left + shownWidth || y < top || y >= top + shownHeight) {
        setPixel(context, x, y, 0, 0, 0);
        continue;
      }
      const double sx = (x - left + 0.5) / scale - 0.5;
      const int x0 = static_cast<int>(std::floor(sx));
      const double fx = sx - x0;
      unsigned char rgb[3];
      for (int c = 0; c < 3; ++c) {
        const double v =
            (channelAt(picture, x0, y0, c) * (1 - fx) + channelAt(picture, x0 + 1, y0, c) * fx) * (1 - fy) +
            (channelAt(picture, x0, y0 + 1, c) * (1 - fx) + channelAt(picture, x0 + 1, y0 + 1, c) * fx) * fy;
        rgb[c] = static_cast<unsigned char>(v + 0.5);
      }
      setPixel(context, x, y, rgb[0], rgb[1], rgb[2]);
    }
  }
}

void paintPreviewFrom(const std::string& picturePath, int width, int height, platform::PreviewSetPixel setPixel,
                      void* context) {
  SDL_Surface* picture = nullptr;
  std::string bytes, problem;
  if (width > 0 && height > 0 &&
      platform::readRegularFile(picturePath, maxPictureBytes, bytes, problem) == platform::FileRead && !bytes.empty()) {
    SDL_RWops* file = SDL_RWFromMem(&bytes[0], static_cast<int>(bytes.size()));
    if (file) picture = SDL_LoadBMP_RW(file, 1);  // closes the stream
  }
  if (!picture || picture->format->BytesPerPixel != 3 || picture->w <= 0 || picture->h <= 0) {
    if (picture) SDL_FreeSurface(picture);
    paintBlack(width, height, setPixel, context);
    return;
  }
  if (SDL_MUSTLOCK(picture)) SDL_LockSurface(picture);
  paintScaled(picture, width, height, setPixel, context);
  if (SDL_MUSTLOCK(picture)) SDL_UnlockSurface(picture);
  SDL_FreeSurface(picture);
}

static void paintPreview(int width, int height, platform::PreviewSetPixel setPixel, void* context) {
  paintPreviewFrom(installDir.pathOf("preview.ppk"), width, height, setPixel, context);
}

// The live show in a pane of a few hundred pixels: a few frames a second
// keep the snow moving at a small share of the full show's cost.
static const char liveShowOptions[] = "--maxFps=15";

int runPreview(void* instance, bool hasParent, long long parentHandle) {
  if (!hasParent) return 0;
  platform::PreviewLiveShow live;
  live.path = installDir.pathOf(platform::programFileName("Orvel Kite.exe"));
  live.folder = installDir.folder();
  live.options = liveShowOptions;
  return platform::runPreviewWindow(instance, parentHandle, paintPreview, &live);
}
