// InstallDir: install folder lookup and starting programs from it.
#include "app/install_dir.h"

#include "platform/platform.h"

InstallDir::InstallDir() {
  readRegistryText("Software\\quorvant\\Orvel Kite\\Settings", "Path");
  if (folderText.empty()) folderText = platform::programFolder();
}

InstallDir::InstallDir(const std::string& text) : folderText(text) {}

void InstallDir::readRegistryText(const char* subKey, const char* valueName) {
  std::string value;
  if (platform::readRegistryText(subKey, valueName, value)) folderText = value;
}

bool InstallDir::runProgram(const std::string& fileName, bool wait) const {
  const std::string path = pathOf(platform::programFileName(fileName));
  // The working folder is the path cut at its last separator.
  std::string workingFolder = path;
  size_t cut = path.rfind(platform::pathSeparator);
  if (cut != std::string::npos) workingFolder = path.substr(0, cut);
  return platform::startProgram(path, workingFolder, wait);
}
