// Display: opening SDL video with an OpenGL context and the initial GL state.
#include "app/display.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef GL_MULTISAMPLE
#define GL_MULTISAMPLE 0x809D
#endif
#ifndef GL_LIGHT_MODEL_COLOR_CONTROL
#define GL_LIGHT_MODEL_COLOR_CONTROL 0x81F8
#define GL_SEPARATE_SPECULAR_COLOR 0x81FA
#endif

Display::Display() : viewNearCorner{0, 0, 0}, width(0), height(0), depth(0) {}

Display::~Display() { SDL_Quit(); }

void Display::open(int w, int h, int d) {
  if (SDL_Init(SDL_INIT_VIDEO) < 0) {
    fprintf(stderr, "Video initialization failed: %s\n", SDL_GetError());
    SDL_Quit();
    exit(1);
  }
  // SDL turns SIGINT and SIGTERM into a quit event, which the show ignores
  // like any close request; a terminate signal must still end the process.
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, SIG_DFL);
  const SDL_VideoInfo* info = SDL_GetVideoInfo();
  if (w == 0 && h == 0 && d == 0) {
    width = info->current_w;
    height = info->current_h;
    depth = info->vfmt->BitsPerPixel;
  } else {
    width = w;
    height = h;
    depth = d;
  }

  Uint32 flags = SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT;
  if (info->hw_available) flags |= SDL_HWSURFACE;
  if (info->blit_hw) flags |= SDL_HWACCEL;

  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 1);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 4);
  SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
  // Swaps wait for the screen's refresh where the driver can do that; frames
  // the screen cannot show only cost power.
  SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);

  bool multisampled = SDL_SetVideoMode(width, height, 32, flags) != nullptr;
  if (!multisampled) {
    // A display without 4-sample multisampling still runs, without it.
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 0);
    if (SDL_SetVideoMode(width, height, 32, flags) == nullptr) {
      fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
      SDL_Quit();
      exit(1);
    }
  }

  applyInitialGlState(multisampled);
  setProjection(width, height);
  SDL_ShowCursor(0);
}

void Display::applyInitialGlState(bool multisampled) {
  if (multisampled) glEnable(GL_MULTISAMPLE);
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(0, 0, 0, 0);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glAlphaFunc(GL_GREATER, 0.9f);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  const GLubyte* ext = glGetString(GL_EXTENSIONS);
  std::string extensions = ext ? reinterpret_cast<const char*>(ext) : "";
  if (extensions.find("GL_EXT_separate_specular_color") != std::string::npos)
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnable(GL_TEXTURE_2D);
}
