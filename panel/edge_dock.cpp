#include "panel/edge_dock.h"

namespace fdt {
namespace {

constexpr int kEdgeStripWidth = 3;
constexpr int kShownLeft = 0;
constexpr int kTimerStopped = 0;
constexpr double kEdgeTolerance = 0.0000001;

// The panel covers the closed rectangle, one pixel more at the right and at
// the bottom than the window itself. The right and bottom sums are taken in
// double so that no coordinate can overflow them.
bool cursorOutside(int x, int y, const DockRect& panel) {
  if (x - (static_cast<double>(panel.left) + panel.width) > kEdgeTolerance) return true;
  if (x < panel.left) return true;
  if (y < panel.top) return true;
  return y - (static_cast<double>(panel.top) + panel.height) > kEdgeTolerance;
}

}  // namespace

void EdgeDock::hideTick() {
  if (surface_.shownModeChecked()) return;
  int x = 0;
  int y = 0;
  if (!surface_.readCursor(x, y)) return;
  const DockRect panel = surface_.panelRect();
  if (!cursorOutside(x, y, panel)) return;
  surface_.setPanelLeft(-panel.width);
  surface_.setHideTimerPeriod(kTimerStopped);
}

void EdgeDock::edgeTick() {
  if (surface_.shownModeChecked()) return;
  int x = 0;
  int y = 0;
  if (!surface_.readCursor(x, y)) return;
  if (x < kEdgeStripWidth) surface_.setPanelLeft(kShownLeft);
}

void EdgeDock::panelMouseMoved() {
  if (surface_.shownModeChecked()) return;
  surface_.setPanelLeft(kShownLeft);
  surface_.setHideTimerPeriod(kHideTimerPeriodMs);
}

}  // namespace fdt
