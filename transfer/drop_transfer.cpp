#include "transfer/drop_transfer.h"

#include "core/text.h"
#include "panel/panel_texts.h"

namespace fdt {
namespace {

const char* statusText(TransferMode mode, bool succeeded) {
  if (mode == TransferMode::Move) return succeeded ? texts::kStatusMoved : texts::kStatusMoveFailed;
  return succeeded ? texts::kStatusCopied : texts::kStatusCopyFailed;
}

// The shell makes a new file or copies into the current directory when the
// destination is empty or names no folder, so those never reach it.
bool transferItem(TransferMode mode, const std::string& destination, const std::string& item,
                  DropShell& shell) {
  return !destination.empty() && shell.isFolder(destination) &&
         shell.transfer(mode, destination, item);
}

}  // namespace

void transferDroppedItems(PanelView& view, int slot, const std::vector<std::string>& items,
                          DropShell& shell) {
  if (slot == 0) return;
  for (const std::string& item : items) {
    // The controls hold the running state, so every item reads them afresh.
    const TransferMode mode = view.radioChecked(Radio::Move) ? TransferMode::Move : TransferMode::Copy;
    const std::string destination = trimSpaces(view.slotText(slot), TrimSide::End);
    view.setStatusText(statusText(mode, transferItem(mode, destination, item, shell)));
  }
}

}  // namespace fdt
