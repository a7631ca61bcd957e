// ArtArchive: one archive being generated, with its images kept as pictures
// too, so the preview renderer can sample the very textures it stores.
#pragma once

#include <map>
#include <string>

#include "assets/generator/canvas.h"
#include "assets/generator/image.h"
#include "assets/generator/mesh_builder.h"
#include "assets/generator/pak_writer.h"

class ArtArchive {
 public:
  // Stores an image entry (as PNG); an image of that name is stored once.
  void addImage(const std::string& name, const Image& image);
  void addMesh(const std::string& name, const MeshBuilder& mesh);
  // A mesh entry of one quad covering the canvas rectangle, textured with
  // the canvas stored as image entry imageName and drawn blended.
  void addCanvasMesh(const std::string& entryName, const std::string& imageName, const Canvas& canvas);

  PakWriter pak;
  std::map<std::string, Image> images;
  std::map<std::string, MeshBuilder> meshes;
};
