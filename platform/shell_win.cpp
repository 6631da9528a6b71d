#include "platform/shell_win.h"

#include <shellapi.h>

namespace fdt {

bool FolderLauncher::open(const std::string& target) {
  HINSTANCE result = ShellExecuteA(owner_, "open", target.c_str(), "", "", SW_SHOW);
  // The result is an error code below 33 dressed as a handle.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace fdt
