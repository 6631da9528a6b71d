// The platform's profile (INI) file access, as the settings file needs it.
#pragma once

#include <cstddef>
#include <string>

namespace fdt {

class Profile {
 public:
  virtual ~Profile() = default;
  // The value under section/key, or the fallback when the file, section or key
  // is missing; cut to bufferSize - 1 bytes as the platform's buffer does.
  virtual std::string read(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t bufferSize) = 0;
  // Stores the value, creating file, section and key as needed.
  virtual bool write(const std::string& path, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
};

}  // namespace fdt
