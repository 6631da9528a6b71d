// What happens to the items of one drop on a slot box: each is moved or
// copied into the slot's folder, and the status line tells each outcome.
#pragma once

#include <string>
#include <vector>

#include "panel/panel_view.h"
#include "transfer/transfer_mode.h"

namespace fdt {

// The platform's part of a drop.
class DropShell {
 public:
  virtual ~DropShell() = default;
  virtual bool isFolder(const std::string& path) const = 0;
  virtual bool transfer(TransferMode mode, const std::string& destination,
                        const std::string& source) = 0;
};

// slot 1..10 is the slot box under the drop point, 0 none: then nothing is
// transferred and the status line is left alone.
void transferDroppedItems(PanelView& view, int slot, const std::vector<std::string>& items,
                          DropShell& shell);

}  // namespace fdt
