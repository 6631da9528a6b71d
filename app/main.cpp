// Program entry: OLE for the browse dialog, the run directory as the current
// directory, then the panel until it closes.
#include <windows.h>

#include <ole2.h>

#include "core/settings_file.h"
#include "panel/panel_app_win.h"
#include "platform/win_profile.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  const std::string runDirectory = fdt::runDirectoryOf(fdt::executablePath());
  SetCurrentDirectoryA(runDirectory.c_str());
  int exitCode = 0;
  {
    fdt::PanelApp app(instance, runDirectory);
    exitCode = app.run();
  }
  OleUninitialize();
  return exitCode;
}
