// Transform: changing and applying a placement. Zero components issue no GL
// call, so the many untransformed nodes cost nothing on the matrix stack.
#include "scene/transform.h"

#include <GL/gl.h>

Transform::Transform() : scaled(false) { reset(); }

void Transform::reset() {
  for (int i = 0; i < 3; ++i) {
    position[i] = 0.0;
    rotation[i] = 0.0;
    scale[i] = 1.0;
  }
}

void Transform::setPosition(double x, double y, double z) {
  position[0] = x;
  position[1] = y;
  position[2] = z;
}

void Transform::setRotation(double x, double y, double z) {
  rotation[0] = x;
  rotation[1] = y;
  rotation[2] = z;
}

void Transform::setScale(double x, double y, double z) {
  scale[0] = x;
  scale[1] = y;
  scale[2] = z;
  scaled = true;
}

void Transform::translateBy(double dx, double dy, double dz) {
  position[0] += dx;
  position[1] += dy;
  position[2] += dz;
}

void Transform::rotateBy(double dx, double dy, double dz) {
  rotation[0] += dx;
  rotation[1] += dy;
  rotation[2] += dz;
}

void Transform::apply() const {
  if (position[0] != 0.0 || position[1] != 0.0 || position[2] != 0.0)
    glTranslatef(static_cast<GLfloat>(position[0]), static_cast<GLfloat>(position[1]),
                 static_cast<GLfloat>(position[2]));
  if (rotation[0] != 0.0) glRotatef(static_cast<GLfloat>(rotation[0]), 1.0f, 0.0f, 0.0f);
  if (rotation[1] != 0.0) glRotatef(static_cast<GLfloat>(rotation[1]), 0.0f, 1.0f, 0.0f);
  if (rotation[2] != 0.0) glRotatef(static_cast<GLfloat>(rotation[2]), 0.0f, 0.0f, 1.0f);
}

void Transform::applyScale() const { glScaled(scale[0], scale[1], scale[2]); }
