// Projection: the show's one fixed 45-degree perspective and the view
// geometry it gives: the eye-space point the window's lower-left corner maps
// to, from which the view's edges at any depth follow for any aspect ratio.
// Plain functions of the view; Display keeps the corner for its window.
#pragma once

// Viewport and perspective for a window of this size (a height of 0 counts
// as 1), the model-view matrix left the identity; nearCorner receives the
// window point (0, 0) unprojected at window depth -1.
void applyProjection(int width, int height, double nearCorner[3]);

// The coordinate on axis (0: x, 1: y) of the left or bottom view edge at
// eye-space depth z; its negative is the right or top edge.
double viewEdgeAt(const double nearCorner[3], int axis, double z);
