// Moves or copies files and folders into a folder by the shell's own file
// operation, with its progress, confirmation and error dialogs. The
// program's windows are disabled while it runs.
#pragma once

#include <string>
#include <vector>

#include "transfer/transfer_mode.h"

namespace fdt {

// True when the shell reports success and nothing was cancelled; false at
// once, without calling the shell, when no source is non-empty.
bool shellTransfer(TransferMode mode, const std::string& destination,
                   const std::vector<std::string>& sources);

}  // namespace fdt
