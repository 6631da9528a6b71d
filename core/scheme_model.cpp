#include "core/scheme_model.h"

#include "core/settings_names.h"

namespace fdt {

std::string slotKey(int scheme, int slot) { return std::to_string((scheme - 1) * kSlotCount + slot); }

SchemeModel::SchemeModel(SettingsFile& settings, SchemeView& view)
    : settings_(settings), view_(view) {}

void SchemeModel::loadScheme(int scheme) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    view_.setSlotText(slot, settings_.read(settings::kSlotSection, slotKey(scheme, slot),
                                           settings::kDefaultSlotPath));
  }
}

void SchemeModel::assignSlot(int slot, const std::string& path) {
  for (int scheme = 1; scheme <= kSchemeCount; ++scheme) {
    if (view_.schemeChecked(scheme)) settings_.write(settings::kSlotSection, slotKey(scheme, slot), path);
  }
}

void SchemeModel::storeSelectedScheme(const std::string& schemeText) {
  settings_.write(settings::kChoiceSection, settings::kSchemeKey, schemeText);
}

std::string SchemeModel::readSelectedScheme(const std::string& fallback) const {
  return settings_.read(settings::kChoiceSection, settings::kSchemeKey, fallback);
}

}  // namespace fdt
