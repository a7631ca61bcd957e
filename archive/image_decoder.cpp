// Image entries decoded with libpng (see image_decoder.h). The decoder reads
// from the entry's own buffer and fails at its end, caps the image's sides
// and area before allocating, skips the ancillary chunks it has no use for
// (texts, colour profiles: nothing to decompress), and reports a failure as
// one reason instead of writing warnings.
//
// Transparency from a tRNS chunk that marks a single colour (one clear
// palette entry with every other opaque, or one RGB or grey value) gives
// keyed pixels clear black, so that linear filtering blends their edges with
// black rather than with the colour under the key.
#include "archive/image_decoder.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>

namespace {

// Sides over this are refused by libpng while it reads the header.
const png_uint_32 maxSide = 8192;
// Ancillary chunks are skipped unread, so none needs much memory.
const png_alloc_size_t maxChunkBytes = 1u << 20;

// Chunks libpng would otherwise decode; none of them changes the pixels we
// take (no gamma or colour management here).
const png_byte ignoredChunks[] =
    "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sBIT\0sCAL\0sPLT\0sRGB\0tEXt\0tIME\0zTXt";

struct MemoryStream {
  const uint8_t* data;
  size_t size;
  size_t at;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  MemoryStream* s = static_cast<MemoryStream*>(png_get_io_ptr(png));
  if (length > s->size - s->at) png_error(png, "image data ends early");
  std::memcpy(out, s->data + s->at, length);
  s->at += length;
}

// The first error ends decoding; its text becomes the reason.
void reportError(png_structp png, png_const_charp message) {
  std::string* error = static_cast<std::string*>(png_get_error_ptr(png));
  if (error) *error = message;
  png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Everything that a longjmp out of libpng may skip over lives here, so no
// C++ object with a destructor sits between setjmp and the error.
struct Decode {
  png_structp png = nullptr;
  png_infop info = nullptr;
  SDL_Surface* surface = nullptr;
  png_bytep* rows = nullptr;
};

// True when the tRNS chunk marks one colour as the transparent one.
bool keyedTransparency(png_structp png, png_infop info, int colour) {
  png_bytep alpha = nullptr;
  int count = 0;
  png_color_16p value = nullptr;
  if (!png_get_valid(png, info, PNG_INFO_tRNS) || !png_get_tRNS(png, info, &alpha, &count, &value)) return false;
  if (colour != PNG_COLOR_TYPE_PALETTE) return true;
  for (int i = 0; i < count; ++i)
    if (alpha[i] != 0 && alpha[i] != 255) return false;
  return std::count(alpha, alpha + count, 0) == 1;
}

void clearKeyedPixels(SDL_Surface* surface) {
  Uint8* p = static_cast<Uint8*>(surface->pixels);
  const size_t pixels = static_cast<size_t>(surface->w) * static_cast<size_t>(surface->h);
  for (size_t i = 0; i < pixels; ++i, p += 4)
    if (p[3] == 0) p[0] = p[1] = p[2] = 0;
}

// Masks that put red first in memory whatever the machine's byte order.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
const Uint32 kR = 0xFF000000, kG = 0x00FF0000, kB = 0x0000FF00, kA = 0x000000FF;
#else
const Uint32 kR = 0x000000FF, kG = 0x0000FF00, kB = 0x00FF0000, kA = 0xFF000000;
#endif

SDL_Surface* decodePng(MemoryStream* stream, std::string* error) {
  Decode d;
  d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, error, reportError, ignoreWarning);
  if (!d.png) return nullptr;
  d.info = png_create_info_struct(d.png);
  if (!d.info) {
    png_destroy_read_struct(&d.png, nullptr, nullptr);
    return nullptr;
  }
  Decode* volatile state = &d;
  if (setjmp(png_jmpbuf(d.png))) {
    if (state->surface) SDL_FreeSurface(state->surface);
    delete[] state->rows;
    png_destroy_read_struct(&state->png, &state->info, nullptr);
    return nullptr;
  }
  png_set_read_fn(d.png, stream, readFromMemory);
  png_set_user_limits(d.png, maxSide, maxSide);
  png_set_chunk_malloc_max(d.png, maxChunkBytes);
  png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_NEVER, ignoredChunks, sizeof ignoredChunks / 5);
  png_read_info(d.png, d.info);

  png_uint_32 width, height;
  int depth, colour, interlace;
  png_get_IHDR(d.png, d.info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
  if (static_cast<uint64_t>(width) * height > maxImagePixels) png_error(d.png, "image larger than 4096 x 4096");
  const bool keyed = keyedTransparency(d.png, d.info, colour);
  if (colour == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(d.png);
  if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(d.png);
  if (png_get_valid(d.png, d.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(d.png);
  if (depth == 16) png_set_strip_16(d.png);
  if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(d.png);
  png_set_filler(d.png, 0xFF, PNG_FILLER_AFTER);  // no-op where alpha exists
  png_set_interlace_handling(d.png);
  png_read_update_info(d.png, d.info);
  if (png_get_rowbytes(d.png, d.info) != static_cast<png_size_t>(width) * 4) png_error(d.png, "unexpected layout");

  d.surface =
      SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height), 32, kR, kG, kB, kA);
  if (!d.surface) png_error(d.png, "out of memory");
  if (!isPackedRgba(d.surface)) png_error(d.png, "unexpected surface layout");
  d.rows = new (std::nothrow) png_bytep[height];
  if (!d.rows) png_error(d.png, "out of memory");
  for (png_uint_32 y = 0; y < height; ++y)
    d.rows[y] = static_cast<png_bytep>(d.surface->pixels) + static_cast<size_t>(d.surface->pitch) * y;
  png_read_image(d.png, d.rows);
  png_read_end(d.png, nullptr);

  SDL_Surface* done = d.surface;
  delete[] d.rows;
  png_destroy_read_struct(&d.png, &d.info, nullptr);
  if (keyed) clearKeyedPixels(done);
  return done;
}

}  // namespace

SDL_Surface* decodeImage(const uint8_t* data, uint32_t size, std::string* error) {
  if (error) error->clear();
  MemoryStream stream{data, data ? size : 0u, 0};
  if (stream.size < 8 || png_sig_cmp(data, 0, 8) != 0) {
    if (error) *error = "not a PNG image";
    return nullptr;
  }
  SDL_Surface* surface = decodePng(&stream, error);
  if (!surface && error && error->empty()) *error = "out of memory";
  return surface;
}

bool isPackedRgba(const SDL_Surface* s) {
  const SDL_PixelFormat* f = s->format;
  return f->BitsPerPixel == 32 && f->Rmask == kR && f->Gmask == kG && f->Bmask == kB && f->Amask == kA &&
         s->pitch == s->w * 4 && !(s->flags & SDL_SRCCOLORKEY);
}
