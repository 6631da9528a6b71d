// A fresh temporary directory for one test, removed with its contents.
#pragma once

#include <windows.h>

#include <string>

namespace fdt::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Creates a subdirectory (and its parents) and gives its full path.
  std::string makeDir(const std::string& relative) const;
  std::string makeFile(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string readFileBytes(const std::string& path);
bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

}  // namespace fdt::test
