// The panel's handler of dropped files: the items go into the folder of the
// slot box under the drop point.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "panel/panel_view.h"

namespace fdt {

// What a drop needs of the panel; the panel implements it.
class DropPanel {
 public:
  virtual ~DropPanel() = default;
  virtual HWND slotBox(int slot) const = 0;  // slot 1..10, the panel's slot edit boxes
  virtual PanelView& view() = 0;             // its slotText gives the box's whole text
};

// Takes ownership of the drop and always releases it.
void dispatchDrop(HDROP drop, HWND panel, DropPanel& target);

}  // namespace fdt
