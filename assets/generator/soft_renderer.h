// SoftRenderer: a small software rasteriser that draws a generated mesh the
// way the show does (45-degree perspective, near 0.1, far 250, bilinear
// repeat-wrapped textures, alpha test above 0.9, blended parts after the
// rest, exponential-squared fog). It paints the preview picture and proves
// that the landscape leaves no gap for the black clear colour to show.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assets/generator/image.h"
#include "assets/generator/mesh_builder.h"

class SoftRenderer {
 public:
  SoftRenderer(int width, int height);

  // Model placement: the stage tilt and turn of the show, so eye = frame
  // translation (0, 0, -100) * stage (0, 0, 10) * tilt about x * turn about z.
  void placeLandscape(double turnDegrees);
  // Draws every part of mesh under the show's fog; images holds the
  // archive's images by name. With textured false only depth and coverage
  // are computed; with onlyPart given, only the parts with that texture are drawn.
  void draw(const MeshBuilder& mesh, const std::map<std::string, Image>& images, bool textured,
            const char* onlyPart = nullptr);
  // Pixels no triangle has touched (where the show would clear to black).
  int uncovered() const;

  int width, height;
  Image colour;
  std::vector<float> depth;  // eye distance along -z, 0 where empty
  double rotation[9];

 private:
  void drawTriangle(const Vertex* v[3], const Image* texture, bool alphaTest, bool blended, bool textured,
                    const Color& flat);
};
