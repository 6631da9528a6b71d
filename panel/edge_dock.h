// Auto-hide of the panel at the left screen edge: the hide timer's tick, the
// edge timer's tick and the panel's own mouse move. The docking state is not
// kept here; it is the panel's place and the hide timer's period, both read
// from and written to the panel through DockSurface.
#pragma once

namespace fdt {

// Periods that start-up gives the two timers; the hide timer is re-armed with
// the same period.
inline constexpr int kHideTimerPeriodMs = 200;
inline constexpr int kEdgeTimerPeriodMs = 100;

// The panel's outer rectangle in screen coordinates, frame and caption included.
struct DockRect {
  int left;
  int top;
  int width;
  int height;
};

// What the docking rules need of the panel window. Every call goes to the
// window system; nothing is cached between ticks.
class DockSurface {
 public:
  virtual ~DockSurface() = default;
  // The show radio (单选框16) is checked: the panel then never moves by itself.
  virtual bool shownModeChecked() const = 0;
  // The cursor in screen coordinates; false when the system refuses it.
  virtual bool readCursor(int& x, int& y) const = 0;
  virtual DockRect panelRect() const = 0;
  // Moves the panel to this left, keeping its top and size; the panel clamps.
  virtual void setPanelLeft(int left) = 0;
  // 0 stops the hide timer. A period equal to the running one must leave the
  // countdown alone; any other restarts it from the full period.
  virtual void setHideTimerPeriod(int ms) = 0;
};

class EdgeDock {
 public:
  explicit EdgeDock(DockSurface& surface) : surface_(surface) {}

  // Hides the panel off the left edge when the cursor is outside it.
  void hideTick();
  // Brings the panel back to the edge when the cursor touches the edge strip.
  void edgeTick();
  // The mouse moved over the panel's bare surface: show it and arm the hide timer.
  void panelMouseMoved();

 private:
  DockSurface& surface_;
};

}  // namespace fdt
