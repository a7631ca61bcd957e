// PNG encoding through libpng into a memory buffer.
#include "assets/generator/png_writer.h"

#include <png.h>

#include <stdexcept>

static void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

static void noFlush(png_structp) {}

std::vector<uint8_t> encodePng(const Image& image) {
  std::vector<uint8_t> out;
  std::vector<uint8_t> rgba = image.toRgba8();
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) throw std::runtime_error("libpng: out of memory");
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng: encoding failed");
  }
  png_set_write_fn(png, &out, appendBytes, noFlush);
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) png_write_row(png, rgba.data() + size_t(y) * image.width * 4);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}
