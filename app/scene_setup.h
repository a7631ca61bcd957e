// Scene set-up: the two roots and the fixed top of the scene graph.
#pragma once

void buildScene();

// The end of a show (or of a test's): deletes the settings, both scene trees
// and the display, each where there is one, and leaves them null. The display
// goes last, since the trees give their textures back to its GL context.
void shutDownShow();

// Puts the overlay anchors at the view's edges for the display's current
// size. Only while the show runs: an ending show deletes its anchors.
void placeOverlayAnchors();
