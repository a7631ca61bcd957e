// IMG_Load_RW for the Windows build: PNG from an SDL stream, decoded with
// libpng into a packed 32-bit surface with the bytes red, green, blue, alpha.
// Every PNG layout (palette, grey, 16-bit, interlaced, with or without
// transparency) comes out in that one form, which is what textures take.
// Where SDL_image would give a colour key (one transparent palette entry or
// a transparent RGB or grey value), keyed pixels come out clear black, as
// the key's conversion gives them on Linux. BMP goes to SDL's own reader, as
// SDL_image tells formats by their bytes rather than by name.
#include <SDL/SDL_image.h>

#include <png.h>

#include <csetjmp>
#include <new>

namespace {

// Larger images are refused before anything is allocated for them.
const png_uint_32 maxSide = 8192;

void readFromStream(png_structp png, png_bytep data, png_size_t length) {
  SDL_RWops* src = static_cast<SDL_RWops*>(png_get_io_ptr(png));
  if (length == 0) return;
  if (SDL_RWread(src, data, 1, static_cast<int>(length)) != static_cast<int>(length))
    png_error(png, "image data ends early");
}

void reportError(png_structp png, png_const_charp message) {
  SDL_SetError("PNG: %s", message);
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

// True when SDL_image would turn the tRNS chunk into a colour key.
bool keyedTransparency(png_structp png, png_infop info, int colour) {
  png_bytep alpha = nullptr;
  int count = 0;
  png_color_16p value = nullptr;
  if (!png_get_valid(png, info, PNG_INFO_tRNS) || !png_get_tRNS(png, info, &alpha, &count, &value)) return false;
  if (colour != PNG_COLOR_TYPE_PALETTE) return true;
  int clear = 0;
  for (int i = 0; i < count; ++i) {
    if (alpha[i] == 0) ++clear;
    else if (alpha[i] != 255) return false;
  }
  return clear == 1;
}

void clearKeyedPixels(SDL_Surface* surface) {
  for (int y = 0; y < surface->h; ++y) {
    Uint8* p = static_cast<Uint8*>(surface->pixels) + static_cast<size_t>(surface->pitch) * y;
    for (int x = 0; x < surface->w; ++x, p += 4)
      if (p[3] == 0) p[0] = p[1] = p[2] = 0;
  }
}

SDL_Surface* decodePng(SDL_RWops* src) {
  Decode d;
  d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, reportError, ignoreWarning);
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
  png_set_read_fn(d.png, src, readFromStream);
  png_set_sig_bytes(d.png, 8);
  png_set_user_limits(d.png, maxSide, maxSide);
  png_set_chunk_malloc_max(d.png, 8u << 20);
  png_read_info(d.png, d.info);

  png_uint_32 width, height;
  int depth, colour, interlace;
  png_get_IHDR(d.png, d.info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
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

  d.surface = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(width), static_cast<int>(height), 32,
                                   0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
  if (!d.surface) png_error(d.png, "out of memory");
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

SDL_Surface* decode(SDL_RWops* src) {
  const int start = SDL_RWtell(src);
  png_byte signature[8];
  const bool whole = SDL_RWread(src, signature, 1, 8) == 8;
  if (whole && png_sig_cmp(signature, 0, 8) == 0) return decodePng(src);
  if (whole && signature[0] == 'B' && signature[1] == 'M' && SDL_RWseek(src, start, RW_SEEK_SET) == start)
    return SDL_LoadBMP_RW(src, 0);
  SDL_SetError("not a PNG or BMP image");
  return nullptr;
}

}  // namespace

extern "C" SDL_Surface* IMG_Load_RW(SDL_RWops* src, int freesrc) {
  if (!src) {
    SDL_SetError("no image stream");
    return nullptr;
  }
  SDL_Surface* surface = decode(src);
  if (freesrc) SDL_RWclose(src);
  return surface;
}

extern "C" SDL_Surface* IMG_Load(const char* file) {
  SDL_RWops* src = SDL_RWFromFile(file, "rb");
  return src ? IMG_Load_RW(src, 1) : nullptr;
}
