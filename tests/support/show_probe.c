/* Show probe: preloaded into the show by the end-to-end tests so that they
 * wait for states the show has reached instead of for fixed times.
 *
 * After every buffer swap it replaces the file named by ORVEL_PROBE with one
 * line, "FRAMES FROM TO WIDTH HEIGHT": the frames swapped so far, the SDL
 * tick after the previous swap and after this one (the frame's own tick lies
 * between them) and the size of the GL viewport the frame was drawn in,
 * which the show keeps at its window's size (SDL's video surface does not
 * follow a host's window under the compatibility layer over SDL 2).
 *
 * ORVEL_PROBE_STOPS holds ascending ticks. The show's clock (SDL_GetTicks)
 * stands at the next of them once it gets there, so the next frame begins
 * at exactly that tick; after that frame the show stops itself (SIGSTOP)
 * with it on screen, for a screenshot, and the test continues it with
 * SIGCONT. Its clock then goes on from that tick: a stop pins show time.
 *
 * ORVEL_SDL, "compat:FOLDER" or "system:FOLDER", says which SDL 1.2 the run
 * tests: the compatibility layer unpacked into FOLDER, or the system's, which
 * does not come from there. A show on the other one ends at once with status
 * 125 and a message, so that no run passes on the wrong SDL.
 *
 * Beside it, in ORVEL_PROBE.gl, what GL itself has after the swap:
 * "SAMPLE_BUFFERS SAMPLES MULTISAMPLE CULLED LISTS RENDERER": the drawable's
 * sample buffers and samples, whether GL_MULTISAMPLE is on, and of the
 * display lists the frame called, how many were drawn with GL_CULL_FACE on;
 * then GL_RENDERER. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE /* RTLD_NEXT */
#endif
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <X11/Xlib.h>

static unsigned long frames;
static unsigned long listsCalled, listsCulled; /* in the frame being drawn */
static Uint32 lastSwap;
static Uint32 stoodStill; /* real ticks the show's clock did not count */
static const char* stops;
static long stopAt = -2; /* the next stop, -1 when none is left */

__attribute__((constructor)) static void checkSdl(void) {
  const char* claim = getenv("ORVEL_SDL");
  const char* colon = claim ? strchr(claim, ':') : NULL;
  if (!colon) return;
  Dl_info info;
  char lib[4096] = "", folder[4096] = "";
  if (dladdr((void*)SDL_Init, &info) && info.dli_fname) realpath(info.dli_fname, lib);
  realpath(colon + 1, folder);
  const int fromFolder = folder[0] && strncmp(lib, folder, strlen(folder)) == 0;
  const int compat = strncmp(claim, "compat:", 7) == 0;
  if (fromFolder != compat) {
    fprintf(stderr, "probe: the show runs on %s, not on the %s SDL 1.2 this run tests\n", lib,
            compat ? "compatibility layer's" : "system's");
    _exit(125);
  }
}

static Uint32 realTicks(void) {
  static Uint32 (*real)(void);
  if (!real) real = (Uint32(*)(void))dlsym(RTLD_NEXT, "SDL_GetTicks");
  return real();
}

/* Moves stopAt to the next tick of the list, or -1. */
static void nextStop(void) {
  if (stopAt == -2) stops = getenv("ORVEL_PROBE_STOPS");
  char* end;
  long tick = stops ? strtol(stops, &end, 10) : 0;
  if (!stops || end == stops) {
    stopAt = -1;
    return;
  }
  stops = end;
  stopAt = tick;
}

Uint32 SDL_GetTicks(void) {
  if (stopAt == -2) nextStop();
  Uint32 t = realTicks() - stoodStill;
  return stopAt >= 0 && t > (Uint32)stopAt ? (Uint32)stopAt : t;
}

static void report(Uint32 from, Uint32 to) {
  const char* path = getenv("ORVEL_PROBE");
  if (!path) return;
  char tmp[4096];
  snprintf(tmp, sizeof tmp, "%s.tmp", path);
  FILE* f = fopen(tmp, "w");
  if (!f) return;
  static void (*getIntegers)(unsigned int, int*);
  if (!getIntegers) getIntegers = (void (*)(unsigned int, int*))dlsym(RTLD_DEFAULT, "glGetIntegerv");
  int viewport[4] = {0, 0, 0, 0};
  if (getIntegers) getIntegers(0x0BA2 /* GL_VIEWPORT */, viewport);
  fprintf(f, "%lu %u %u %d %d\n", frames, from, to, viewport[2], viewport[3]);
  fclose(f);
  rename(tmp, path); /* readers never see a half-written line */
}

static void* glFunction(const char* name) { return dlsym(RTLD_NEXT, name); }

/* Meshes are drawn from display lists: whether culling is on is asked of GL
 * as each is called. */
void glCallList(GLuint list) {
  static void (*real)(GLuint);
  static GLboolean (*isEnabled)(GLenum);
  if (!real) {
    real = (void (*)(GLuint))glFunction("glCallList");
    isEnabled = (GLboolean(*)(GLenum))glFunction("glIsEnabled");
  }
  ++listsCalled;
  if (isEnabled(GL_CULL_FACE)) ++listsCulled;
  real(list);
}

static void reportGl(void) {
  const char* path = getenv("ORVEL_PROBE");
  if (!path) return;
  void (*getIntegerv)(GLenum, GLint*) = (void (*)(GLenum, GLint*))glFunction("glGetIntegerv");
  GLboolean (*isEnabled)(GLenum) = (GLboolean(*)(GLenum))glFunction("glIsEnabled");
  const GLubyte* (*getString)(GLenum) = (const GLubyte* (*)(GLenum))glFunction("glGetString");
  GLint sampleBuffers = -1, samples = -1;
  getIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
  getIntegerv(GL_SAMPLES, &samples);
  const char* renderer = (const char*)getString(GL_RENDERER);
  char name[4096], tmp[4096];
  snprintf(name, sizeof name, "%s.gl", path);
  snprintf(tmp, sizeof tmp, "%s.gl.tmp", path);
  FILE* f = fopen(tmp, "w");
  if (!f) return;
  fprintf(f, "%d %d %d %lu %lu %s\n", sampleBuffers, samples, isEnabled(GL_MULTISAMPLE) ? 1 : 0, listsCulled,
          listsCalled, renderer ? renderer : "?");
  fclose(f);
  rename(tmp, name);
}

/* Waits until the X server has taken everything the show sent, the frame
 * just swapped included, so that a screenshot sees it. */
static void syncWithServer(void) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11) XSync(info.info.x11.gfxdisplay, False);
}

void SDL_GL_SwapBuffers(void) {
  static void (*real)(void);
  if (!real) real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
  real();
  Uint32 from = lastSwap, to = SDL_GetTicks();
  lastSwap = to;
  ++frames;
  reportGl();
  listsCalled = listsCulled = 0;
  report(from, to);
  /* The clock stood at the stop since before this frame began, so the
   * frame is the one drawn at exactly that tick. */
  if (stopAt >= 0 && from >= (Uint32)stopAt) {
    const Uint32 at = (Uint32)stopAt;
    nextStop();
    syncWithServer();
    raise(SIGSTOP);
    stoodStill = realTicks() - at;
  }
}
