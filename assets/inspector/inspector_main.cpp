// orvel_inspect: lists what archive files hold (mesh entries with their
// mesh and triangle counts and texture names, images with their size, other
// entries) and checks that the show can use them. Exits with status 1 when
// any archive is unreadable, malformed or names a texture that resolves to
// nothing; the build runs it over the generated archives.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "assets/inspector/archive_report.h"
#include "platform/platform.h"

static void printReport(const ArchiveReport& report) {
  for (const EntryReport& e : report.entries) {
    std::printf("  %-16s %9u  ", e.name.c_str(), e.size);
    if (e.kind == EntryReport::Mesh) {
      std::printf("mesh entry: %d mesh%s, %lld triangles;", e.meshCount, e.meshCount == 1 ? "" : "es", e.triangleCount);
      for (const std::string& t : e.textures) std::printf(" \"%s\"", t.c_str());
      std::printf("\n");
    } else if (e.kind == EntryReport::Image) {
      std::printf("image %d x %d%s\n", e.width, e.height, e.rgba ? " RGBA" : " (converted to RGBA when loaded)");
    } else {
      std::printf("other\n");
    }
  }
}

int main(int argc, char** argv) {
  bool quiet = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quiet") == 0)
      quiet = true;
    else
      files.push_back(argv[i]);
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s [--quiet] ARCHIVE...\n", argv[0]);
    return 2;
  }
  int status = 0;
  for (const std::string& file : files) {
    // Read as the show reads archives, so that a folder, a FIFO or a device
    // is refused rather than read (or waited for) without end.
    std::string data, problem;
    if (platform::readRegularFile(file, maxArchiveBytes, data, problem) != platform::FileRead) {
      std::fprintf(stderr, "%s: cannot be read: %s\n", file.c_str(),
                   problem.empty() ? "no such file" : problem.c_str());
      status = 1;
      continue;
    }
    ArchiveReport report = inspectArchive(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    if (!quiet) {
      std::printf("%s: %zu bytes, %zu entries\n", file.c_str(), data.size(), report.entries.size());
      printReport(report);
    }
    for (const std::string& p : report.problems) std::fprintf(stderr, "%s: %s\n", file.c_str(), p.c_str());
    if (!report.problems.empty()) status = 1;
  }
  return status;
}
