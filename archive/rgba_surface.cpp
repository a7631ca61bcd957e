// Decoding and conversion of image entries (see rgba_surface.h).
#include "archive/rgba_surface.h"

#include <SDL/SDL_image.h>

#include <climits>
#include <cstring>

namespace {

// Masks that put red first in memory whatever the machine's byte order.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
const Uint32 kR = 0xFF000000, kG = 0x00FF0000, kB = 0x0000FF00, kA = 0x000000FF;
#else
const Uint32 kR = 0x000000FF, kG = 0x0000FF00, kB = 0x00FF0000, kA = 0xFF000000;
#endif

Uint32 pixelAt(const SDL_Surface* s, int x, int y) {
  const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
  Uint16 v16;
  Uint32 v32;
  switch (s->format->BytesPerPixel) {
    case 1: return *p;
    case 2: std::memcpy(&v16, p, 2); return v16;
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
    case 3: return static_cast<Uint32>(p[0]) << 16 | static_cast<Uint32>(p[1]) << 8 | p[2];
#else
    case 3: return static_cast<Uint32>(p[2]) << 16 | static_cast<Uint32>(p[1]) << 8 | p[0];
#endif
    default: std::memcpy(&v32, p, 4); return v32;
  }
}

// After the plain copy: keyed pixels become clear black, and images without
// an alpha channel become opaque (what the blit leaves there differs between
// SDL versions and source formats).
void applyKeyAndAlpha(const SDL_Surface* source, bool keyed, Uint32 key, bool hasAlpha, SDL_Surface* rgba) {
  for (int y = 0; y < rgba->h; ++y) {
    Uint8* row = static_cast<Uint8*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < rgba->w; ++x) {
      Uint8* px = row + 4 * x;
      if (keyed && pixelAt(source, x, y) == key) {
        px[0] = px[1] = px[2] = px[3] = 0;
      } else if (!hasAlpha) {
        px[3] = 255;
      }
    }
  }
}

}  // namespace

SDL_Surface* decodeImage(const uint8_t* data, uint32_t size) {
  if (!data || size == 0 || size > static_cast<uint32_t>(INT_MAX)) return nullptr;
  // SDL 1.2 wants a mutable pointer; the decoders only read through it.
  SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(data), static_cast<int>(size));
  if (!stream) return nullptr;
  return IMG_Load_RW(stream, 1);
}

bool isPackedRgba(const SDL_Surface* s) {
  const SDL_PixelFormat* f = s->format;
  return f->BitsPerPixel == 32 && f->Rmask == kR && f->Gmask == kG && f->Bmask == kB && f->Amask == kA &&
         s->pitch == s->w * 4 && !(s->flags & SDL_SRCCOLORKEY);
}

SDL_Surface* toRgbaSurface(SDL_Surface* image) {
  if (!image) return nullptr;
  if (isPackedRgba(image)) return image;

  SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, image->w, image->h, 32, kR, kG, kB, kA);
  if (!rgba || rgba->pitch != rgba->w * 4) {
    if (rgba) SDL_FreeSurface(rgba);
    SDL_FreeSurface(image);
    return nullptr;
  }
  const bool keyed = (image->flags & SDL_SRCCOLORKEY) != 0;
  const Uint32 key = image->format->colorkey;
  const bool hasAlpha = image->format->Amask != 0;
  // Copy every pixel as it is: no keying, and alpha copied rather than blended.
  SDL_SetColorKey(image, 0, 0);
  SDL_SetAlpha(image, 0, SDL_ALPHA_OPAQUE);
  bool ok = SDL_BlitSurface(image, nullptr, rgba, nullptr) == 0;
  if (ok && (!hasAlpha || keyed)) {
    ok = SDL_LockSurface(image) == 0;
    if (ok) {
      applyKeyAndAlpha(image, keyed, key, hasAlpha, rgba);
      SDL_UnlockSurface(image);
    }
  }
  SDL_FreeSurface(image);
  if (!ok) {
    SDL_FreeSurface(rgba);
    return nullptr;
  }
  return rgba;
}
