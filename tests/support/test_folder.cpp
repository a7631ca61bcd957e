// TestFolder: a fresh folder per test (see test_folder.h).
#include "support/test_folder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

TestFolder::TestFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvel-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data())) path_ = buffer.data();
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}
