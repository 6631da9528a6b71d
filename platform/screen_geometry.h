// Points and rectangles in screen coordinates: signed pixels of the virtual screen.
#pragma once

namespace fdt {

struct ScreenPoint {
  int x;
  int y;

  friend bool operator==(ScreenPoint a, ScreenPoint b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(ScreenPoint a, ScreenPoint b) { return !(a == b); }
};

struct ScreenRect {
  int left;
  int top;
  int width;
  int height;
};

}  // namespace fdt
