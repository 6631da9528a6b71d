// Where a tip's body goes for a cursor: below and to the right of it, or
// flipped left and up where the virtual screen ends.
#pragma once

#include "platform/screen_geometry.h"

namespace fdt {

inline constexpr int kTipCursorGap = 15;

// The body's top-left corner for a body of this size at this cursor hot spot.
ScreenPoint placeTip(ScreenPoint anchor, int bodyWidth, int bodyHeight,
                     const ScreenRect& virtualScreen);

}  // namespace fdt
