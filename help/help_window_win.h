// The modal help window: opened by the panel's help button, which returns
// only when the window has been closed.
#pragma once

#include <windows.h>

#include "panel/launcher.h"

namespace fdt {

// Shows the help window owned by hiddenOwner (so it has no task bar button),
// disables the program's other windows meanwhile and runs the thread's
// messages, the panel's timers included, until the window is closed.
// A double click on the text opens one of the project's pages with launcher.
void runHelpWindow(HINSTANCE instance, HWND hiddenOwner, HICON icon, Launcher& launcher);

}  // namespace fdt
