// Fire: a heat-diffusion fire on a FireState, mapped through its palette.
// Sparks land in the hidden fuel rows, one ember in the lower half of the
// image; heat rises toward row 0 and cools by one step per row and call.
// The steps are separate functions so that each can be run on its own.
#pragma once

#include <cstdint>

class FireState;

// Generator for a DynamicTexture: one step of the fire. tick is not read;
// all randomness comes from rand(). state is a FireState of width x height,
// width and height >= 2, pixels width x height x 4 bytes.
void fireGenerator(int32_t tick, int32_t width, int32_t height, uint8_t* pixels, void* state);

// rand() & (width - 1) sparks into the fuel rows of heat.
void fireAddSparks(FireState* fire, int32_t width, int32_t height);
// One random ember into the lower half of the visible rows of heat.
void fireAddEmber(FireState* fire, int32_t width, int32_t height);
// The visible rows of nextHeat from heat; columns 0 and width - 1 become 0.
void fireDiffuse(FireState* fire, int32_t width, int32_t height);
// The visible rows of nextHeat through the palette into pixels.
void fireColour(const FireState* fire, int32_t width, int32_t height, uint8_t* pixels);
