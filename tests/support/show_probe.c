/* Show probe: preloaded into the show by the end-to-end tests so that they
 * wait for states the show has reached instead of for fixed times.
 *
 * After every buffer swap it replaces the file named by ORVEL_PROBE with one
 * line, "FRAMES FROM TO WIDTH HEIGHT": the frames swapped so far, the SDL
 * tick after the previous swap and after this one (the frame's own tick lies
 * between them) and the size of the video surface.
 *
 * ORVEL_PROBE_STOPS holds ascending ticks; after the first frame that began
 * at or after the next of them, the show stops itself (SIGSTOP) with that
 * frame on screen, so a screenshot sees exactly it; the test continues it
 * with SIGCONT. The time it stood still is taken out of SDL_GetTicks, so the
 * show's clock does not jump when it goes on: a stop pins show time. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE /* RTLD_NEXT */
#endif
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

static unsigned long frames;
static Uint32 lastSwap;
static Uint32 stoodStill;

static Uint32 realTicks(void) {
  static Uint32 (*real)(void);
  if (!real) real = (Uint32(*)(void))dlsym(RTLD_NEXT, "SDL_GetTicks");
  return real();
}

Uint32 SDL_GetTicks(void) { return realTicks() - stoodStill; }

static void report(Uint32 from, Uint32 to) {
  const char* path = getenv("ORVEL_PROBE");
  if (!path) return;
  char tmp[4096];
  snprintf(tmp, sizeof tmp, "%s.tmp", path);
  FILE* f = fopen(tmp, "w");
  if (!f) return;
  const SDL_Surface* s = SDL_GetVideoSurface();
  fprintf(f, "%lu %u %u %d %d\n", frames, from, to, s ? s->w : 0, s ? s->h : 0);
  fclose(f);
  rename(tmp, path); /* readers never see a half-written line */
}

/* Waits until the X server has taken everything the show sent, the frame
 * just swapped included, so that a screenshot sees it. */
static void syncWithServer(void) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11) XSync(info.info.x11.gfxdisplay, False);
}

/* The next stop tick at or after position *at of the list, or -1. */
static long nextStop(const char** at) {
  char* end;
  long tick = strtol(*at, &end, 10);
  if (end == *at) return -1;
  *at = end;
  return tick;
}

void SDL_GL_SwapBuffers(void) {
  static void (*real)(void);
  static const char* stops;
  static long stopAt = -2;
  if (!real) real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
  if (stopAt == -2) {
    stops = getenv("ORVEL_PROBE_STOPS");
    stopAt = stops ? nextStop(&stops) : -1;
  }
  real();
  Uint32 from = lastSwap, to = SDL_GetTicks();
  lastSwap = to;
  ++frames;
  report(from, to);
  if (stopAt >= 0 && from >= (Uint32)stopAt) {
    stopAt = nextStop(&stops);
    syncWithServer();
    Uint32 before = realTicks();
    raise(SIGSTOP);
    stoodStill += realTicks() - before;
  }
}
