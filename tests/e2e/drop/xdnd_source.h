// Drops files on a screen point from outside the program, by XDND from an X
// client, as a file manager does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "running_panel.h"

namespace fdt::test {

// Drags the items onto the point and drops them there. Wine gives no exit
// code of a host program back, so only the program's state tells.
void dropFiles(POINT at, const std::vector<std::string>& paths);

}  // namespace fdt::test
