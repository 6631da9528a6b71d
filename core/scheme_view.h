// What the scheme model needs of the panel.
#pragma once

#include <string>

namespace fdt {

inline constexpr int kSchemeCount = 10;
inline constexpr int kSlotCount = 10;

class SchemeView {
 public:
  virtual ~SchemeView() = default;
  virtual void setSlotText(int slot, const std::string& text) = 0;  // slot 1..10
  virtual bool schemeChecked(int scheme) const = 0;                 // scheme 1..10
};

}  // namespace fdt
