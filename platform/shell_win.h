// The launcher over the shell's "open" verb, always on behalf of one owner
// window (the panel), whichever part of the program asks.
#pragma once

#include <windows.h>

#include <string>

#include "panel/launcher.h"

namespace fdt {

class FolderLauncher final : public Launcher {
 public:
  explicit FolderLauncher(HWND owner) : owner_(owner) {}
  bool open(const std::string& target) override;

 private:
  HWND owner_;
};

}  // namespace fdt
