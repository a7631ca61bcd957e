// Time to make a texture from an image entry (decoding plus the upload to
// the null GL driver) at the largest image the decoder takes, 4096 x 4096,
// from entries under 1 MiB, plain and interlaced; and at the size of the
// largest real texture, 1024 x 1024. Any entry of at most 1 MiB must take
// well under a second.
#include <benchmark/benchmark.h>

#include <png.h>

#include <cstdint>
#include <vector>

#include "archive/archive.h"
#include "support/gl_recorder.h"

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

// An RGBA PNG of gentle gradients, which compress well.
std::vector<uint8_t> gradientPng(uint32_t side, bool interlaced) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, append, noFlush);
  png_set_IHDR(png, info, side, side, 8, PNG_COLOR_TYPE_RGB_ALPHA,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  std::vector<uint8_t> image(static_cast<size_t>(side) * side * 4);
  std::vector<png_bytep> rows(side);
  for (uint32_t y = 0; y < side; ++y) {
    rows[y] = image.data() + static_cast<size_t>(y) * side * 4;
    for (uint32_t x = 0; x < side; ++x) {
      uint8_t* p = rows[y] + 4 * x;
      p[0] = static_cast<uint8_t>(x * 256 / side);
      p[1] = static_cast<uint8_t>(y * 256 / side);
      p[2] = 128;
      p[3] = 255;
    }
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

void BM_EntryTexture(benchmark::State& state) {
  const std::vector<uint8_t> png = gradientPng(static_cast<uint32_t>(state.range(0)), state.range(1) != 0);
  glrec::setLogging(false);
  for (auto _ : state) {
    glrec::reset();
    std::string error;
    benchmark::DoNotOptimize(makeEntryTexture(ArchiveEntry{png.data(), static_cast<uint32_t>(png.size())}, &error));
  }
  state.counters["entry_KiB"] = png.size() / 1024.0;
}

}  // namespace

BENCHMARK(BM_EntryTexture)->Args({1024, 0})->Args({4096, 0})->Args({4096, 1})->Unit(benchmark::kMillisecond);
