// The settings file's profile access over the Win32 profile functions.
#pragma once

#include "core/profile.h"

namespace fdt {

class WinProfile final : public Profile {
 public:
  std::string read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback, std::size_t bufferSize) override;
  bool write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;
};

// The executable's full path as the platform gives it.
std::string executablePath();

}  // namespace fdt
