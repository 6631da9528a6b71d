// A label that paints its own text on one line, transparently over the
// button-face colour, in the default GUI font, and repaints at once when its
// text changes.
#pragma once

#include <windows.h>

namespace fdt {

enum class LabelAlign { CentredTop, Centred };

HWND createLabel(HINSTANCE instance, HWND parent, int id, RECT place, COLORREF colour, LabelAlign align);

}  // namespace fdt
