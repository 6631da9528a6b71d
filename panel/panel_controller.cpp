#include "panel/panel_controller.h"

#include <string>

#include "core/settings_names.h"
#include "panel/panel_texts.h"

namespace fdt {

PanelController::PanelController(PanelView& view, SettingsFile& settings, SchemeModel& schemes)
    : view_(view), settings_(settings), schemes_(schemes) {}

void PanelController::schemeClicked(int scheme) {
  schemes_.loadScheme(scheme);
  view_.setStatusText(texts::kStatusSchemePrefix + std::to_string(scheme));
  schemes_.storeSelectedScheme(std::to_string(scheme));
}

void PanelController::moveClicked() {
  view_.setStatusText(texts::kStatusChoseMove);
  settings_.write(settings::kChoiceSection, texts::kTransferKey, texts::kTransferMove);
}

void PanelController::copyClicked() {
  view_.setStatusText(texts::kStatusChoseCopy);
  settings_.write(settings::kChoiceSection, texts::kTransferKey, texts::kTransferCopy);
}

void PanelController::autoHideClicked() {
  settings_.write(settings::kChoiceSection, texts::kDockKey, texts::kDockAutoHide);
}

void PanelController::shownClicked() {
  settings_.write(settings::kChoiceSection, texts::kDockKey, texts::kDockShown);
}

void PanelController::configClicked() {
  if (view_.configCaption() == texts::kConfigureCaption) {
    view_.setPanelWidth(texts::kConfigWidth);
    view_.setStatusText(texts::kStatusConfiguring);
    view_.setConfigCaption(texts::kFinishCaption);
  } else {
    view_.setConfigCaption(texts::kConfigureCaption);
    view_.setPanelWidth(texts::kNormalWidth);
    view_.setStatusText(texts::kStatusConfigured);
  }
}

void restorePanelChoices(PanelView& view, const SettingsFile& settings, SchemeModel& schemes) {
  const char* section = settings::kChoiceSection;
  // Each mode is read twice, once per radio, exactly as the radios are tested.
  if (settings.read(section, texts::kDockKey, texts::kDockShown) == texts::kDockAutoHide)
    view.setRadioChecked(Radio::AutoHide, true);
  if (settings.read(section, texts::kDockKey, texts::kDockShown) == texts::kDockShown)
    view.setRadioChecked(Radio::Shown, true);
  if (settings.read(section, texts::kTransferKey, texts::kTransferMove) == texts::kTransferMove)
    view.setRadioChecked(Radio::Move, true);
  if (settings.read(section, texts::kTransferKey, texts::kTransferMove) == texts::kTransferCopy)
    view.setRadioChecked(Radio::Copy, true);
  for (int scheme = 1; scheme <= kSchemeCount; ++scheme) {
    const std::string number = std::to_string(scheme);
    if (schemes.readSelectedScheme(number) == number) {
      view.setRadioChecked(schemeRadio(scheme), true);
      schemes.loadScheme(scheme);
    }
  }
}

}  // namespace fdt
