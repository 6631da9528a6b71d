#include "panel/slot_actions.h"

#include "panel/panel_texts.h"

namespace fdt {

SlotActions::SlotActions(PanelView& view, SchemeModel& schemes, Launcher& launcher,
                         FolderPicker& picker)
    : view_(view), schemes_(schemes), launcher_(launcher), picker_(picker) {}

void SlotActions::slotPressed(int slot) {
  // The box's text goes to the shell as it stands; a path the shell cannot
  // open is the shell's to report, so the status is the same either way.
  launcher_.open(view_.slotText(slot));
  view_.setStatusText(texts::kStatusOpened);
}

void SlotActions::browseClicked(int slot) {
  const std::string path = picker_.pick();
  if (path.empty()) return;
  view_.setSlotText(slot, path);
  schemes_.assignSlot(slot, path);
}

void SlotActions::panelDoubleClicked() { launcher_.open(texts::kComputerView); }

}  // namespace fdt
