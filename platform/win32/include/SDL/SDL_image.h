/* The part of SDL_image 1.2 the show uses, for the Windows build, where the
 * library itself is not built: IMG_Load_RW decodes PNG images (all that the
 * archives hold) with libpng, in img_load_png.cpp. The Linux build uses the
 * real SDL_image and never sees this header. */
#ifndef ORVEL_SDL_IMAGE_SHIM_H
#define ORVEL_SDL_IMAGE_SHIM_H

#include <SDL/SDL.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Decodes a PNG image from the stream into a new 32-bit surface whose bytes
 * are red, green, blue, alpha in memory. Closes the stream when freesrc is
 * non-zero, whatever the outcome. Null, with the reason in SDL_GetError, for
 * anything that is not a PNG image it can read. */
SDL_Surface* IMG_Load_RW(SDL_RWops* src, int freesrc);
SDL_Surface* IMG_Load(const char* file);

#define IMG_GetError SDL_GetError
#define IMG_SetError SDL_SetError

#ifdef __cplusplus
}
#endif

#endif
