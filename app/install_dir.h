// InstallDir: the install folder, read once at start, through which every
// file beside the program and every program it starts is found.
#pragma once

#include <string>

class InstallDir {
 public:
  // Reads the folder from the settings store; when there is none, the folder
  // of the running program is used, so a copied install folder still works.
  InstallDir();
  // A given folder text, for tests and tools.
  explicit InstallDir(const std::string& folderText);

  void readRegistryText(const char* subKey, const char* valueName);

  std::string folder() const { return folderText; }
  // The folder text followed by the file name: plain concatenation, the
  // folder text ends with the platform's separator.
  std::string pathOf(const std::string& fileName) const { return folderText + fileName; }

  // Starts a program of the install folder from that folder, with one
  // argument when it is not empty; waits when asked. False when it could
  // not be started.
  bool runProgram(const std::string& fileName, bool wait, const std::string& argument = std::string()) const;

 private:
  std::string folderText;
};

// The install folder, read once before the entry point; defined last of the
// ordered objects in app/globals.cpp, after the rand seed.
extern InstallDir installDir;
