// sys.ini beside the executable: every read and write goes to the file.
#pragma once

#include <cstddef>
#include <string>

#include "core/profile.h"

namespace fdt {

// The directory of the executable at exePath, without a trailing backslash
// ("C:" for C:\tool.exe).
std::string runDirectoryOf(const std::string& exePath);

class SettingsFile {
 public:
  static constexpr std::size_t kValueBufferSize = 10240;

  SettingsFile(Profile& profile, std::string runDirectory);

  std::string read(const std::string& section, const std::string& key,
                   const std::string& fallback) const;
  // The result tells whether the platform stored the value; nobody acts on it.
  bool write(const std::string& section, const std::string& key, const std::string& value);

  std::string path() const;
  const std::string& runDirectory() const { return runDirectory_; }

 private:
  Profile& profile_;
  std::string runDirectory_;
};

}  // namespace fdt
