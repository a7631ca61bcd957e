// SDL recorder: definitions of the SDL calls the display and the main loop
// make, with C linkage, taking the place of libSDL's for the test program.
#include "support/sdl_recorder.h"

#include <cstdio>
#include <deque>
#include <string>

#include "support/gl_recorder.h"

namespace {

struct State {
  std::deque<SDL_Event> events;
  Uint32 ticks = 0;
  SDL_PixelFormat format{};
  SDL_VideoInfo info{};
  SDL_Surface surface{};
  int refusedModes = 0;
  int grantedModes = 0;  // before the refused ones
  bool refuseInit = false;
  void (*hook)(int) = nullptr;
  void (*delayHook)(Uint32) = nullptr;
  int swaps = 0;
};

State& st() {
  static State s;
  return s;
}

const char* attributeName(SDL_GLattr a) {
  switch (a) {
    case SDL_GL_RED_SIZE:
      return "SDL_GL_RED_SIZE";
    case SDL_GL_GREEN_SIZE:
      return "SDL_GL_GREEN_SIZE";
    case SDL_GL_BLUE_SIZE:
      return "SDL_GL_BLUE_SIZE";
    case SDL_GL_DEPTH_SIZE:
      return "SDL_GL_DEPTH_SIZE";
    case SDL_GL_DOUBLEBUFFER:
      return "SDL_GL_DOUBLEBUFFER";
    case SDL_GL_MULTISAMPLEBUFFERS:
      return "SDL_GL_MULTISAMPLEBUFFERS";
    case SDL_GL_MULTISAMPLESAMPLES:
      return "SDL_GL_MULTISAMPLESAMPLES";
    case SDL_GL_ACCELERATED_VISUAL:
      return "SDL_GL_ACCELERATED_VISUAL";
    case SDL_GL_SWAP_CONTROL:
      return "SDL_GL_SWAP_CONTROL";
    default:
      return "SDL_GL_(other)";
  }
}

void note(const char* fmt, long a = 0, long b = 0, long c = 0, unsigned long d = 0) {
  char buf[128];
  snprintf(buf, sizeof buf, fmt, a, b, c, d);
  glrec::note(buf);
}

}  // namespace

namespace sdlrec {

void reset() {
  st() = State();
  setDesktop(1280, 1024, 24);
}
void setTicks(Uint32 ticks) { st().ticks = ticks; }
void pushKey(SDLKey key) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = key;
  st().events.push_back(e);
}
void pushEvent(Uint8 type) {
  SDL_Event e{};
  e.type = type;
  st().events.push_back(e);
}
void pushActive(bool gain) {
  SDL_Event e{};
  e.type = SDL_ACTIVEEVENT;
  e.active.gain = gain ? 1 : 0;
  e.active.state = SDL_APPACTIVE;
  st().events.push_back(e);
}
void setDesktop(int width, int height, int bitsPerPixel) {
  st().format.BitsPerPixel = static_cast<Uint8>(bitsPerPixel);
  st().info.current_w = width;
  st().info.current_h = height;
  st().info.vfmt = &st().format;
}
void refuseModes(int count, int granted) {
  st().refusedModes = count;
  st().grantedModes = granted;
}
void refuseInit() { st().refuseInit = true; }
void onSwap(void (*hook)(int)) { st().hook = hook; }
void onDelay(void (*hook)(Uint32)) { st().delayHook = hook; }
int swaps() { return st().swaps; }

}  // namespace sdlrec

extern "C" {

int SDL_Init(Uint32 flags) {
  note(flags == SDL_INIT_VIDEO ? "SDL_Init(SDL_INIT_VIDEO)" : "SDL_Init(0x%lx)", flags);
  if (!st().refuseInit) return 0;
  SDL_SetError("no video here");
  return -1;
}
Uint32 SDL_WasInit(Uint32 flags) { return st().refuseInit ? 0 : flags & SDL_INIT_VIDEO; }
void SDL_Quit(void) { glrec::note("SDL_Quit()"); }
void SDL_QuitSubSystem(Uint32 flags) {
  note(flags == SDL_INIT_VIDEO ? "SDL_QuitSubSystem(SDL_INIT_VIDEO)" : "SDL_QuitSubSystem(0x%lx)", flags);
}
const SDL_VideoInfo* SDL_GetVideoInfo(void) { return &st().info; }
int SDL_GL_SetAttribute(SDL_GLattr attr, int value) {
  glrec::note(std::string("SDL_GL_SetAttribute(") + attributeName(attr) + "," + std::to_string(value) + ")");
  return 0;
}
SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
  note("SDL_SetVideoMode(%ld,%ld,%ld,0x%lx)", width, height, bpp, flags);
  if (st().grantedModes > 0) {
    --st().grantedModes;
  } else if (st().refusedModes > 0) {
    --st().refusedModes;
    SDL_SetError("mode refused");
    return nullptr;
  }
  st().surface.w = width;
  st().surface.h = height;
  return &st().surface;
}
int SDL_ShowCursor(int toggle) {
  note("SDL_ShowCursor(%ld)", toggle);
  return 0;
}
char* SDL_VideoDriverName(char* name, int length) {
  snprintf(name, length, "x11");
  return name;
}
// One cursor, noted by whether it shows any pixel.
SDL_Cursor* SDL_CreateCursor(Uint8* data, Uint8* mask, int w, int h, int, int) {
  static SDL_Cursor cursor{};
  bool drawn = false;
  for (int i = 0; i < w / 8 * h; ++i) drawn = drawn || data[i] || mask[i];
  cursor.wm_cursor = reinterpret_cast<WMcursor*>(drawn ? 1 : 0);
  return &cursor;
}
void SDL_SetCursor(SDL_Cursor* cursor) {
  glrec::note(cursor->wm_cursor ? "SDL_SetCursor(drawn)" : "SDL_SetCursor(no pixels)");
}
Uint32 SDL_GetTicks(void) { return st().ticks; }
void SDL_Delay(Uint32 ms) {
  st().ticks += ms;
  if (st().delayHook) st().delayHook(ms);
}
int SDL_PollEvent(SDL_Event* event) {
  if (st().events.empty()) return 0;
  if (event) *event = st().events.front();
  st().events.pop_front();
  return 1;
}
void SDL_GL_SwapBuffers(void) {
  glrec::note("SDL_GL_SwapBuffers()");
  ++st().swaps;
  if (st().hook) st().hook(st().swaps);
}

}  // extern "C"
