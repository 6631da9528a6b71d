// 10 schemes of 10 folder slots, kept in sys.ini only.
#pragma once

#include <string>

#include "core/scheme_view.h"
#include "core/settings_file.h"

namespace fdt {

// The settings key of slot 1..10 in scheme 1..10: "1" to "100".
std::string slotKey(int scheme, int slot);

class SchemeModel {
 public:
  SchemeModel(SettingsFile& settings, SchemeView& view);

  void loadScheme(int scheme);
  // Stores the path for the slot in every checked scheme; in none when none is checked.
  void assignSlot(int slot, const std::string& path);
  void storeSelectedScheme(const std::string& schemeText);
  std::string readSelectedScheme(const std::string& fallback) const;

 private:
  SettingsFile& settings_;
  SchemeView& view_;
};

}  // namespace fdt
