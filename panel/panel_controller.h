// The click handlers behind the panel's radios and the configuration button.
#pragma once

#include "core/scheme_model.h"
#include "core/settings_file.h"
#include "panel/panel_view.h"

namespace fdt {

class PanelController {
 public:
  PanelController(PanelView& view, SettingsFile& settings, SchemeModel& schemes);

  void schemeClicked(int scheme);
  void moveClicked();
  void copyClicked();
  void autoHideClicked();
  void shownClicked();
  void configClicked();

 private:
  PanelView& view_;
  SettingsFile& settings_;
  SchemeModel& schemes_;
};

// Start-up's restore of dock mode, transfer mode and scheme: sets checks
// without click events and never writes the settings file.
void restorePanelChoices(PanelView& view, const SettingsFile& settings, SchemeModel& schemes);

}  // namespace fdt
