#include "platform/tip_placement.h"

namespace fdt {

ScreenPoint placeTip(ScreenPoint anchor, int bodyWidth, int bodyHeight,
                     const ScreenRect& virtualScreen) {
  ScreenPoint corner{anchor.x, anchor.y + kTipCursorGap};
  if (corner.x + bodyWidth > virtualScreen.left + virtualScreen.width)
    corner.x = anchor.x - bodyWidth;
  if (corner.y + bodyHeight > virtualScreen.top + virtualScreen.height)
    corner.y = anchor.y - kTipCursorGap - bodyHeight;
  return corner;
}

}  // namespace fdt
