/* Buffer-swap hooks for the benchmarks' preloaded counters: each swap of
 * SDL 1.2, GLX or EGL (xscreensaver's GL modes draw through EGL) calls the
 * includer's counted() after the real swap. SDL calls GLX's swap through a
 * pointer of its own, so a frame of the show is counted once. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>

static void counted(void);

void SDL_GL_SwapBuffers(void) {
  static void (*real)(void);
  if (!real) real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
  real();
  counted();
}
void glXSwapBuffers(void* display, unsigned long drawable) {
  static void (*real)(void*, unsigned long);
  if (!real) real = (void (*)(void*, unsigned long))dlsym(RTLD_NEXT, "glXSwapBuffers");
  real(display, drawable);
  counted();
}
unsigned eglSwapBuffers(void* display, void* surface) {
  static unsigned (*real)(void*, void*);
  if (!real) real = (unsigned (*)(void*, void*))dlsym(RTLD_NEXT, "eglSwapBuffers");
  unsigned ok = real(display, surface);
  counted();
  return ok;
}
