#include "temp_dir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/text.h"

namespace fdt::test {
namespace {

void removeTree(const std::string& dir) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(full);
      else DeleteFileA(full.c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(dir.c_str());
}

void createDirectories(const std::string& dir) {
  if (directoryExists(dir)) return;
  const std::string parent = cutBeforeLastBackslash(dir);
  if (parent != dir) createDirectories(parent);
  CreateDirectoryA(dir.c_str(), nullptr);
}

}  // namespace

TempDir::TempDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::string(base) + "fdt" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp dir " + path_);
  }
}

TempDir::~TempDir() { removeTree(path_); }

std::string TempDir::makeDir(const std::string& relative) const {
  std::string full = path_ + "\\" + relative;
  createDirectories(full);
  return full;
}

std::string TempDir::makeFile(const std::string& relative, const std::string& bytes) const {
  std::string full = path_ + "\\" + relative;
  std::ofstream(full, std::ios::binary) << bytes;
  return full;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool directoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace fdt::test
