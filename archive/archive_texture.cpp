// Archive: GL textures made from image entries, shared by every user of the
// same entry and deleted when the last one gives it back. A GL context must
// be current.
#include <GL/gl.h>

#include <cstdio>

#include "archive/archive.h"
#include "archive/image_decoder.h"

namespace {

// Entry names are any bytes; the report stays one line.
std::string printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

}  // namespace

uint32_t makeEntryTexture(const ArchiveEntry& entry, std::string* error) {
  SDL_Surface* image = decodeImage(entry.data, entry.size, error);
  if (!image) return 0;
  const uint32_t texture = makeRgbaTexture(image->w, image->h, image->pixels);
  SDL_FreeSurface(image);
  return texture;
}

uint32_t makeRgbaTexture(int32_t width, int32_t height, const void* pixels) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return texture;
}

uint32_t Archive::acquireTexture(const std::string& name) {
  const int held = textures.acquire(name);
  if (held >= 0) return textures.objects[held];
  // An entry that is missing or not an image makes no texture and counts no
  // user: the caller draws untextured and gives back 0, which changes
  // nothing. A broken image is tried and reported once, however many meshes
  // name it.
  const int i = indexOf(names, name);
  if (i < 0 || brokenImages[i]) return 0;
  std::string error;
  const uint32_t texture = makeEntryTexture(entries[i], &error);
  if (texture == 0) {
    brokenImages[i] = true;
    const std::string line = printable(fileName + ": image \"" + name + "\" not used: " + error) + "\n";
    std::fputs(line.c_str(), stderr);
    return 0;
  }
  textures.add(name, texture);
  return texture;
}

// Name 0 ("no texture") and names this archive never made are in no row.
void Archive::releaseTexture(uint32_t textureName) {
  const int row = textures.findObject(textureName);
  uint32_t last = 0;
  if (row < 0 || !textures.drop(row, &last)) return;
  GLuint name = last;
  glDeleteTextures(1, &name);
}
