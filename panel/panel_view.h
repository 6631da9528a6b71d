// The panel controller's whole access to the panel window.
#pragma once

#include <string>

#include "core/scheme_view.h"

namespace fdt {

// Radios by the number in their control name: 1..10 are the scheme radios.
enum class Radio { Move = 11, Copy = 12, AutoHide = 15, Shown = 16 };
inline Radio schemeRadio(int scheme) { return static_cast<Radio>(scheme); }

class PanelView : public SchemeView {
 public:
  virtual std::string slotText(int slot) const = 0;
  virtual bool radioChecked(Radio radio) const = 0;
  // Changes that radio alone and raises no click event.
  virtual void setRadioChecked(Radio radio, bool checked) = 0;
  virtual std::string configCaption() const = 0;
  virtual void setConfigCaption(const std::string& caption) = 0;
  virtual void setStatusText(const std::string& text) = 0;
  virtual void setPanelWidth(int width) = 0;

  bool schemeChecked(int scheme) const final { return radioChecked(schemeRadio(scheme)); }
};

}  // namespace fdt
