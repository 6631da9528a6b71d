#include "platform/win_profile.h"

#include <windows.h>

#include <vector>

namespace fdt {

std::string WinProfile::read(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& fallback,
                             std::size_t bufferSize) {
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                           static_cast<DWORD>(buffer.size()), path.c_str());
  return std::string(buffer.data());
}

bool WinProfile::write(const std::string& path, const std::string& section,
                       const std::string& key, const std::string& value) {
  // Never null: a null key or value would delete instead of write.
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

std::string executablePath() {
  char buffer[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return buffer;
}

}  // namespace fdt
