// Hands a folder path, a shell namespace path or a web address to the shell.
#pragma once

#include <string>

namespace fdt {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // True when the shell reports that it opened the target.
  virtual bool open(const std::string& target) = 0;
};

}  // namespace fdt
