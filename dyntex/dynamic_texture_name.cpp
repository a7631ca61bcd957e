// DynamicTextureName: reading a procedural texture name with a string
// stream, decimal only. Sizes are bounded so that no name can ask for more
// than a few megabytes or a size the generators cannot work with.
#include "dyntex/dynamic_texture_name.h"

#include <sstream>

namespace {

bool fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

bool outsideSizes(int32_t size) { return size < dynamicTextureMinSize || size > dynamicTextureMaxSize; }

}  // namespace

bool parseDynamicTextureName(const std::string& name, DynamicTextureName* out, std::string* error) {
  const std::string::size_type digit = name.size() < 3 ? std::string::npos : name.find_first_of("0123456789", 2);
  if (digit == std::string::npos) return fail(error, "it gives no size");

  const std::string kind = name.substr(2, digit - 2);
  if (kind == "Plasma") {
    out->kind = DynamicTextureName::Plasma;
  } else if (kind == "Fire") {
    out->kind = DynamicTextureName::Fire;
  } else {
    return fail(error, "its kind is neither Plasma nor Fire");
  }

  std::istringstream in(name.substr(digit));
  int32_t width = 0;
  int32_t height = 0;
  in >> width;
  in.get();  // the separator, whatever it is
  in >> height;
  // A failed read (missing height, a number beyond 32 bits) leaves the
  // stream failed; a stream that merely reached the end is fine.
  if (in.fail()) return fail(error, "it gives no readable width and height");
  if (outsideSizes(width) || outsideSizes(height))
    return fail(error, "its size " + std::to_string(width) + " x " + std::to_string(height) + " is outside " +
                           std::to_string(dynamicTextureMinSize) + ".." + std::to_string(dynamicTextureMaxSize));
  out->width = width;
  out->height = height;

  out->colour[0] = out->colour[1] = out->colour[2] = 0;
  if (out->kind == DynamicTextureName::Plasma) {
    for (int i = 0; i < 3; ++i) {
      if (in.get() == std::char_traits<char>::eof()) break;
      int32_t value = 0;
      if (!(in >> value)) break;
      out->colour[i] = static_cast<uint8_t>(value & 0xff);
    }
  }
  if (error) error->clear();
  return true;
}
