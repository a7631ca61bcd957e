// Scene set-up: the two roots and the fixed top of the scene graph.
#pragma once

class SceneNode;

extern SceneNode* sceneRoot;
extern SceneNode* overlayRoot;

void buildScene();
