// The program's own top-level windows, in a fixed order: the panel first,
// then the help window while it is open. Windows that are gone are skipped.
#pragma once

#include <windows.h>

#include <vector>

namespace fdt {

void registerProgramWindow(HWND window);
void unregisterProgramWindow(HWND window);
// The registered windows that still exist, in registration order.
std::vector<HWND> programWindows();

}  // namespace fdt
