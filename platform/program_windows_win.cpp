#include "platform/program_windows_win.h"

#include <algorithm>

namespace fdt {
namespace {

std::vector<HWND>& registry() {
  static std::vector<HWND> windows;
  return windows;
}

}  // namespace

void registerProgramWindow(HWND window) {
  auto& windows = registry();
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void unregisterProgramWindow(HWND window) {
  auto& windows = registry();
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

std::vector<HWND> programWindows() {
  std::vector<HWND> alive;
  for (HWND window : registry())
    if (IsWindow(window)) alive.push_back(window);
  return alive;
}

}  // namespace fdt
