// Archive: GL textures made from image entries, shared by every user of the
// same entry and deleted when the last one gives it back. A GL context must
// be current.
#include "archive/archive.h"

#include <GL/gl.h>

#include "archive/rgba_surface.h"

uint32_t Archive::acquireTexture(const std::string& name) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] != name) continue;
    if (textures[i] == 0) {
      // An image SDL_image can't read makes no texture and counts no user:
      // the caller draws untextured and gives back 0, which changes nothing.
      SDL_Surface* image = toRgbaSurface(decodeImage(entries[i].data, entries[i].size));
      if (!image) return 0;
      GLuint texture = 0;
      glGenTextures(1, &texture);
      glBindTexture(GL_TEXTURE_2D, texture);
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image->w, image->h, 0, GL_RGBA, GL_UNSIGNED_BYTE, image->pixels);
      glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
      SDL_FreeSurface(image);
      textures[i] = texture;
    }
    ++textureRefs[i];
    return textures[i];
  }
  return 0;
}

void Archive::releaseTexture(uint32_t textureName) {
  // Name 0 means "no texture" and must not touch entries that have none.
  if (textureName == 0) return;
  for (size_t i = 0; i < textures.size(); ++i) {
    if (textures[i] != textureName) continue;
    if (--textureRefs[i] == 0) {
      GLuint name = textureName;
      glDeleteTextures(1, &name);
      textures[i] = 0;
    }
  }
}
