// Preview mode: loads "preview.ppk" through SDL's BMP reader at every paint
// and hands each pixel to the platform's window through a pixel setter. The
// picture is read only when it is a regular file of a sane size, so that a
// FIFO or a device in its place cannot hold up the paint.
#include "app/preview.h"

#include <SDL/SDL.h>

#include "app/globals.h"
#include "app/install_dir.h"
#include "platform/platform.h"

namespace {

const int standardPreviewWidth = 152;
// Far more than any preview picture (152 x 112 x 3 bytes and a header).
const uint64_t maxPictureBytes = 16u << 20;

void paintBlack(int width, int height, platform::PreviewSetPixel setPixel, void* context) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) setPixel(context, x, y, 0, 0, 0);
}

}  // namespace

void paintPreviewFrom(const std::string& picturePath, int width, int height, platform::PreviewSetPixel setPixel,
                      void* context) {
  SDL_Surface* picture = nullptr;
  std::string bytes, problem;
  if (width == standardPreviewWidth &&
      platform::readRegularFile(picturePath, maxPictureBytes, bytes, problem) == platform::FileRead && !bytes.empty()) {
    SDL_RWops* file = SDL_RWFromMem(&bytes[0], static_cast<int>(bytes.size()));
    if (file) picture = SDL_LoadBMP_RW(file, 1);  // closes the stream
  }
  if (!picture || picture->format->BytesPerPixel != 3 || picture->w <= 0 || picture->h <= 0) {
    if (picture) SDL_FreeSurface(picture);
    paintBlack(width, height, setPixel, context);
    return;
  }
  // Rows are pitch bytes apart: BMP rows are padded to four bytes, so a
  // width whose three bytes per pixel do not fill whole words is still read
  // right. Each pixel is blue, green, red in memory.
  if (SDL_MUSTLOCK(picture)) SDL_LockSurface(picture);
  const unsigned char* pixels = static_cast<const unsigned char*>(picture->pixels);
  for (int y = 0; y < picture->h; ++y) {
    const unsigned char* row = pixels + static_cast<size_t>(picture->pitch) * y;
    for (int x = 0; x < picture->w; ++x) {
      const unsigned char* p = row + 3 * x;
      setPixel(context, x, y, p[2], p[1], p[0]);
    }
  }
  if (SDL_MUSTLOCK(picture)) SDL_UnlockSurface(picture);
  SDL_FreeSurface(picture);
}

static void paintPreview(int width, int height, platform::PreviewSetPixel setPixel, void* context) {
  paintPreviewFrom(installDir.pathOf("preview.ppk"), width, height, setPixel, context);
}

int runPreview(void* instance, bool hasParent, long long parentHandle) {
  if (!hasParent) return 0;
  return platform::runPreviewWindow(instance, parentHandle, paintPreview);
}
