// Transform: the placement record of the scene (position, rotation in
// degrees, scale). A node keeps one for its own placement and every animator
// one as its per-frame offset; apply() hands it to the modelview matrix.
#pragma once

class Transform {
 public:
  Transform();  // identity, scaled false

  // Position and rotation to 0, scale to 1; `scaled` is left as it was.
  void reset();
  void setPosition(double x, double y, double z);
  void setRotation(double x, double y, double z);
  // Also sets `scaled`, whatever the values.
  void setScale(double x, double y, double z);
  void translateBy(double dx, double dy, double dz);
  void rotateBy(double dx, double dy, double dz);

  // Translation, then rotations about X, Y, Z, in float; zero parts issue no
  // call. The scale never takes part: applyScale() is issued separately
  // around the owner's own meshes.
  void apply() const;
  void applyScale() const;  // glScaled, double precision

  bool scaled;
  double position[3];
  double rotation[3];
  double scale[3];
};
