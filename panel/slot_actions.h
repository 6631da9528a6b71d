// The panel's actions that hand a folder to the shell or take one from it:
// a press on a slot box, a browse button, a double click on the panel.
#pragma once

#include "core/scheme_model.h"
#include "panel/folder_picker.h"
#include "panel/launcher.h"
#include "panel/panel_view.h"

namespace fdt {

class SlotActions {
 public:
  SlotActions(PanelView& view, SchemeModel& schemes, Launcher& launcher, FolderPicker& picker);

  // Left button pressed on slot box 1..10.
  void slotPressed(int slot);
  // Browse button 1..10 clicked.
  void browseClicked(int slot);
  // Double click on the panel's own surface.
  void panelDoubleClicked();

 private:
  PanelView& view_;
  SchemeModel& schemes_;
  Launcher& launcher_;
  FolderPicker& picker_;
};

}  // namespace fdt
