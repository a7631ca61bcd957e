// ArchiveReport (see archive_report.h).
#include "assets/inspector/archive_report.h"

#include <SDL/SDL.h>

#include <set>

#include "archive/archive_parser.h"
#include "archive/image_decoder.h"
#include "dyntex/dynamic_texture_name.h"
#include "scene/mesh_entry.h"

static bool hasExtension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot != std::string::npos && dot > 0 && dot + 1 < name.size();
}

static bool looksLikeImageName(const std::string& name) {
  std::string ext = name.substr(name.rfind('.') + 1);
  for (char& c : ext) c = char(tolower(static_cast<unsigned char>(c)));
  return ext == "png" || ext == "bmp" || ext == "jpg" || ext == "jpeg" || ext == "tga" || ext == "gif";
}

ArchiveReport inspectArchive(const uint8_t* data, size_t size) {
  ArchiveReport report;
  std::vector<ArchiveRecordInfo> records;
  std::string error;
  size_t offset = 0;
  if (!parseArchive(data, size, &records, &error, &offset)) {
    report.problems.push_back("malformed archive: " + error + " at byte " + std::to_string(offset));
    return report;
  }
  std::set<std::string> decodable;
  std::set<std::string> seen;
  for (const ArchiveRecordInfo& r : records) {
    EntryReport e{r.name, r.size, EntryReport::Other, 0, 0, {}, 0, 0, false};
    const uint8_t* bytes = data + r.dataOffset;
    // Lookups find the first entry of a name; a later one is dead weight.
    bool shadowed = !seen.insert(r.name).second;
    if (shadowed) report.problems.push_back("entry \"" + r.name + "\" is hidden by an earlier entry of that name");
    if (hasExtension(r.name)) {
      SDL_Surface* surface = decodeImage(bytes, r.size);
      if (surface) {
        e.kind = EntryReport::Image;
        e.width = surface->w;
        e.height = surface->h;
        e.rgba = isPackedRgba(surface);
        SDL_FreeSurface(surface);
        if (!shadowed) decodable.insert(r.name);
        if (e.width > 1024 || e.height > 1024)
          report.problems.push_back("image \"" + r.name + "\" is larger than 1024 x 1024");
      } else if (looksLikeImageName(r.name)) {
        report.problems.push_back("image \"" + r.name + "\" does not decode");
      }
    } else {
      std::vector<MeshRecordInfo> meshes;
      if (!parseMeshEntry(bytes, r.size, &meshes, &error)) {
        report.problems.push_back("mesh entry \"" + r.name + "\": " + error);
      } else {
        e.kind = EntryReport::Mesh;
        e.meshCount = int(meshes.size());
        for (const MeshRecordInfo& m : meshes) {
          e.triangleCount += m.triangleCount;
          e.textures.push_back(m.textureName);
        }
      }
    }
    report.entries.push_back(e);
  }
  // Texture references, once all image entries are known.
  for (const EntryReport& e : report.entries)
    for (const std::string& t : e.textures) {
      if (t.size() > 1 && t[1] == '#') {
        DynamicTextureName parsed;
        std::string why;
        if (!parseDynamicTextureName(t, &parsed, &why))
          report.problems.push_back("mesh entry \"" + e.name + "\" names the invalid procedural texture \"" + t +
                                    "\": " + why);
      } else if (!decodable.count(t)) {
        report.problems.push_back("mesh entry \"" + e.name + "\" names the texture \"" + t +
                                  "\", which is no image entry of this archive");
      }
    }
  return report;
}
