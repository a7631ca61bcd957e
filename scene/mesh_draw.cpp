// Mesh drawing: the material calls, the opaque path and the deferred path.
// Material numbers are copied out of the entry on every draw (they are
// unaligned); the vertex arrays go to GL straight from the entry, at
// whatever alignment the record gives them, once, into the mesh's display
// list.
#include <GL/gl.h>

#include <cstring>

#include "scene/deferred_meshes.h"
#include "scene/mesh.h"

void Mesh::drawTriangles() {
  GLfloat ambient[4], diffuse[4], specular[4], shininess;
  std::memcpy(ambient, material + materialAmbient, sizeof ambient);
  std::memcpy(diffuse, material + materialDiffuse, sizeof diffuse);
  std::memcpy(specular, material + materialSpecular, sizeof specular);
  std::memcpy(&shininess, material + materialShininess, sizeof shininess);

  glBindTexture(GL_TEXTURE_2D, texture);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
  if (geometryList == 0) {
    // The triangles never change, so they go to GL once, into a display
    // list: the driver keeps them converted and stored where it draws from,
    // instead of taking 64 bytes a vertex from the entry on every frame.
    geometryList = glGenLists(1);
    if (geometryList != 0) glNewList(geometryList, GL_COMPILE);
    glVertexPointer(3, GL_DOUBLE, 0, positions);
    glNormalPointer(GL_DOUBLE, 0, normals);
    glTexCoordPointer(2, GL_DOUBLE, 0, texCoords);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangleCount);
    if (geometryList == 0) return;  // no list to be had: drawn straight from the entry
    glEndList();
  }
  glCallList(geometryList);
}

void Mesh::draw() {
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  if (deferred()) {
    // What a phase-1 frame callback set up (a disabled depth test, say)
    // travels with the mesh into the deferred pass.
    savedState[SavedDepthTest] = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
    savedState[SavedNormalize] = glIsEnabled(GL_NORMALIZE) == GL_TRUE;
    savedState[SavedLighting] = glIsEnabled(GL_LIGHTING) == GL_TRUE;
    if (savedState[SavedLighting])
      for (int i = 0; i < 8; ++i) savedState[SavedLight0 + i] = glIsEnabled(GL_LIGHT0 + i) == GL_TRUE;
    deferredMeshes.push_back(this);
    return;
  }
  const bool alpha = alphaTest(), cull = closed();
  if (alpha) glEnable(GL_ALPHA_TEST);
  // A closed mesh's back faces lie behind its front ones: on a software
  // renderer they would cost their fragments for nothing.
  if (cull) glEnable(GL_CULL_FACE);
  drawTriangles();
  if (cull) glDisable(GL_CULL_FACE);
  if (alpha) glDisable(GL_ALPHA_TEST);
}

void Mesh::switchSavedState(bool on) const {
  const decltype(&glEnable) turn = on ? glEnable : glDisable;
  if (!savedState[SavedDepthTest]) (on ? glDisable : glEnable)(GL_DEPTH_TEST);
  if (savedState[SavedNormalize]) turn(GL_NORMALIZE);
  if (savedState[SavedLighting]) {
    turn(GL_LIGHTING);
    for (int i = 0; i < 8; ++i)
      if (savedState[SavedLight0 + i]) turn(GL_LIGHT0 + i);
  }
  if (alphaTest()) turn(GL_ALPHA_TEST);
}

void Mesh::drawDeferred() {
  switchSavedState(true);
  glLoadMatrixd(modelView);
  glEnable(GL_BLEND);
  drawTriangles();
  switchSavedState(false);
  glDisable(GL_BLEND);
}
