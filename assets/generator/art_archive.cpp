// ArtArchive (see art_archive.h).
#include "assets/generator/art_archive.h"

#include "assets/generator/png_writer.h"

void ArtArchive::addImage(const std::string& name, const Image& image) {
  if (images.count(name)) return;
  images[name] = image;
  pak.add(name, encodePng(image));
}

void ArtArchive::addMesh(const std::string& name, const MeshBuilder& mesh) {
  meshes[name] = mesh;
  pak.add(name, mesh.encode());
}

void ArtArchive::addCanvasMesh(const std::string& entryName, const std::string& imageName, const Canvas& canvas) {
  addImage(imageName, canvas.image);
  MeshBuilder mesh;
  mesh.rect(mesh.part(imageName, false, true), canvas.x0, canvas.y0, canvas.x1, canvas.y1);
  addMesh(entryName, mesh);
}
