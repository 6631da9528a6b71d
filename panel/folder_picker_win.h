// The shell's browse-for-folder dialog, without an owner window, so the panel
// stays usable while it is open.
#pragma once

#include <windows.h>

#include "panel/folder_picker.h"

namespace fdt {

class ShellBrowseDialog final : public BrowseDialog {
 public:
  std::string browse(const BrowseRequest& request) override;
};

}  // namespace fdt
