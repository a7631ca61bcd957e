// InstallDir: install folder lookup and starting programs from it.
#include "app/install_dir.h"

#include "platform/platform.h"

// Paths are composed by plain concatenation, so a folder stored without its
// trailing separator (an easy slip when the value is set by hand) would glue
// the folder's last name to every file name; it gets the separator instead.
static std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != platform::pathSeparator) folder += platform::pathSeparator;
  return folder;
}

InstallDir::InstallDir() {
  readRegistryText("Software\\quorvant\\Orvel Kite\\Settings", "Path");
  folderText = folderText.empty() ? platform::programFolder() : withSeparator(folderText);
}

InstallDir::InstallDir(const std::string& text) : folderText(withSeparator(text)) {}

void InstallDir::readRegistryText(const char* subKey, const char* valueName) {
  platform::readRegistryText(subKey, valueName, folderText);
}

bool InstallDir::runProgram(const std::string& fileName, bool wait, const std::string& argument) const {
  const std::string path = pathOf(platform::programFileName(fileName));
  // The working folder is the path cut at its last separator, if it has one.
  const std::string workingFolder = path.substr(0, path.rfind(platform::pathSeparator));
  return platform::startProgram(path, workingFolder, wait, argument);
}
