// Scene set-up: the two roots and the fixed top of the scene graph.
#pragma once

void buildScene();

// Puts the overlay anchors at the view's edges for the display's current
// size. Only while the show runs: an ending show deletes its anchors.
void placeOverlayAnchors();
