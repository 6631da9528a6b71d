#include "transfer/drop_dispatcher_win.h"

#include <string>
#include <vector>

#include "transfer/drop_transfer.h"
#include "transfer/shell_transfer_win.h"

namespace fdt {
namespace {

class WinDropShell final : public DropShell {
 public:
  bool isFolder(const std::string& path) const override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  bool transfer(TransferMode mode, const std::string& destination,
                const std::string& source) override {
    return shellTransfer(mode, destination, {source});
  }
};

// The slot box under the point the drop recorded, or 0. Only the panel's own
// boxes count: neither where the cursor is by the time the message is handled
// nor the text of another window can name the destination.
int slotUnderDropPoint(HDROP drop, HWND panel, const DropPanel& target) {
  POINT point;
  if (!DragQueryPoint(drop, &point)) return 0;  // on the frame, not the client area
  ClientToScreen(panel, &point);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    RECT box;
    if (GetWindowRect(target.slotBox(slot), &box) && PtInRect(&box, point)) return slot;
  }
  return 0;
}

std::vector<std::string> droppedPaths(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(path);
  }
  return paths;
}

}  // namespace

void dispatchDrop(HDROP drop, HWND panel, DropPanel& target) {
  WinDropShell shell;
  transferDroppedItems(target.view(), slotUnderDropPoint(drop, panel, target), droppedPaths(drop),
                       shell);
  DragFinish(drop);
}

}  // namespace fdt
