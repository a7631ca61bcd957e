// SDL recorder: stands in for the SDL calls of the display and the main loop
// in the unit tests of app/ (Linux only; the rest of SDL stays real).
//
// Each call is noted in the GL recorder's log, in order with the GL calls,
// e.g. "SDL_GL_SetAttribute(SDL_GL_RED_SIZE,8)" or
// "SDL_SetVideoMode(1024,768,32,0x80000007)". Events come from a queue the
// test fills, ticks from a value it sets, and a hook runs at every swap.
#pragma once

#include <SDL/SDL.h>

namespace sdlrec {

// No events, tick 0, a 1280 x 1024 x 24 desktop, every mode granted, no hook.
void reset();

// What SDL_GetTicks answers; SDL_Delay moves it on instead of sleeping.
void setTicks(Uint32 ticks);
// Queued for SDL_PollEvent, in order.
void pushKey(SDLKey key);
void pushEvent(Uint8 type);
// The window shown (gain) or iconified/unmapped: SDL_ACTIVEEVENT for SDL_APPACTIVE.
void pushActive(bool gain);
// The desktop mode SDL_GetVideoInfo reports.
void setDesktop(int width, int height, int bitsPerPixel);
// The next `count` SDL_SetVideoMode calls fail, after `granted` that succeed.
void refuseModes(int count, int granted = 0);
// SDL_Init fails.
void refuseInit();

// Called after every SDL_GL_SwapBuffers with the number of swaps so far.
void onSwap(void (*hook)(int swaps));
// Called at every SDL_Delay with its milliseconds, after the clock moved on.
void onDelay(void (*hook)(Uint32 ms));
int swaps();

}  // namespace sdlrec
