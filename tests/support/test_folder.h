// TestFolder: a fresh scratch folder per test, removed with everything in it
// afterwards. Every test that needs files on disk starts from one.
#pragma once

#include <string>

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  // The folder, without a trailing separator.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
