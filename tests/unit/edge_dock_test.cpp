#include "panel/edge_dock.h"

#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fdt {
namespace {

// A panel with a place, a hide timer and an edge timer on a clock the test
// advances. The hide timer follows the panel's rule: writing the running
// period leaves the countdown alone, anything else restarts or stops it.
class SimulatedPanel final : public DockSurface {
 public:
  bool shownModeChecked() const override { return shownMode; }
  bool readCursor(int& x, int& y) const override {
    if (!cursorReadable) return false;
    x = cursorX;
    y = cursorY;
    return true;
  }
  DockRect panelRect() const override { return rect; }
  void setPanelLeft(int left) override {
    writes.push_back("left=" + std::to_string(left));
    rect.left = left;
  }
  void setHideTimerPeriod(int ms) override {
    writes.push_back("period=" + std::to_string(ms));
    if (ms == hidePeriod) return;
    hidePeriod = ms;
    hideElapsed = 0;
    if (ms > 0) ++countdownStarts;
  }

  // Runs both timers for this many milliseconds, as the panel's message loop would.
  void run(int ms, EdgeDock& dock) {
    for (int i = 0; i < ms; ++i) {
      ++now;
      if (now % kEdgeTimerPeriodMs == 0) dock.edgeTick();
      if (hidePeriod > 0 && ++hideElapsed == hidePeriod) {
        hideElapsed = 0;
        dock.hideTick();
      }
    }
  }

  void moveCursor(int x, int y) {
    cursorX = x;
    cursorY = y;
  }

  bool shownMode = false;
  bool cursorReadable = true;
  int cursorX = 0;
  int cursorY = 0;
  DockRect rect{422, 134, 180, 500};
  int hidePeriod = kHideTimerPeriodMs;
  int countdownStarts = 0;
  std::vector<std::string> writes;

 private:
  int now = 0;
  int hideElapsed = 0;
};

enum class DockState { Armed, Hidden, Revealed, Inert };

DockState stateOf(const SimulatedPanel& panel) {
  if (panel.shownMode) return DockState::Inert;
  if (panel.hidePeriod > 0) return DockState::Armed;
  return panel.rect.left == -panel.rect.width ? DockState::Hidden : DockState::Revealed;
}

void enter(SimulatedPanel& panel, DockState state) {
  switch (state) {
    case DockState::Armed: return;  // as started: centred, timer running
    case DockState::Hidden:
      panel.rect.left = -panel.rect.width;
      panel.hidePeriod = 0;
      return;
    case DockState::Revealed:
      panel.rect.left = 0;
      panel.hidePeriod = 0;
      return;
    case DockState::Inert:
      panel.shownMode = true;
      panel.rect.left = -panel.rect.width;
      return;
  }
}

enum class Event { HideTick, EdgeTick, PanelMouseMove };

struct Transition {
  const char* name;
  DockState from;
  Event event;
  int cursorX;
  int cursorY;
  DockState to;
  std::vector<std::string> writes;
  int countdownStarts;
};

class EdgeDockTransitionTest : public ::testing::TestWithParam<Transition> {};

TEST_P(EdgeDockTransitionTest, WritesAsTheStateTableSays) {
  const Transition& t = GetParam();
  SimulatedPanel panel;
  enter(panel, t.from);
  panel.moveCursor(t.cursorX, t.cursorY);
  EdgeDock dock(panel);
  switch (t.event) {
    case Event::HideTick: dock.hideTick(); break;
    case Event::EdgeTick: dock.edgeTick(); break;
    case Event::PanelMouseMove: dock.panelMouseMoved(); break;
  }
  EXPECT_EQ(panel.writes, t.writes);
  EXPECT_EQ(stateOf(panel), t.to);
  EXPECT_EQ(panel.countdownStarts, t.countdownStarts);
  EXPECT_EQ(panel.rect.top, 134);
  EXPECT_EQ(panel.rect.width, 180);
}

// The panel starts at left 422, top 134, 180 × 500; hidden is left -180.
INSTANTIATE_TEST_SUITE_P(
    StateTable, EdgeDockTransitionTest,
    ::testing::Values(
        Transition{"ArmedHideTickOutsideHides", DockState::Armed, Event::HideTick, 700, 300,
                   DockState::Hidden, {"left=-180", "period=0"}, 0},
        Transition{"ArmedHideTickInsideStays", DockState::Armed, Event::HideTick, 500, 300,
                   DockState::Armed, {}, 0},
        Transition{"ArmedEdgeTickInStripMovesToEdge", DockState::Armed, Event::EdgeTick, 2, 300,
                   DockState::Armed, {"left=0"}, 0},
        Transition{"ArmedEdgeTickOutsideStripStays", DockState::Armed, Event::EdgeTick, 3, 300,
                   DockState::Armed, {}, 0},
        Transition{"ArmedMouseMoveKeepsCountdown", DockState::Armed, Event::PanelMouseMove, 500,
                   300, DockState::Armed, {"left=0", "period=200"}, 0},
        Transition{"HiddenEdgeTickAtTwoReveals", DockState::Hidden, Event::EdgeTick, 2, 300,
                   DockState::Revealed, {"left=0"}, 0},
        Transition{"HiddenEdgeTickIgnoresY", DockState::Hidden, Event::EdgeTick, 0, -5000,
                   DockState::Revealed, {"left=0"}, 0},
        Transition{"HiddenEdgeTickFromLeftMonitorReveals", DockState::Hidden, Event::EdgeTick,
                   -500, 300, DockState::Revealed, {"left=0"}, 0},
        Transition{"HiddenEdgeTickAtThreeStays", DockState::Hidden, Event::EdgeTick, 3, 300,
                   DockState::Hidden, {}, 0},
        Transition{"HiddenMouseMoveArmsFreshCountdown", DockState::Hidden, Event::PanelMouseMove,
                   -100, 300, DockState::Armed, {"left=0", "period=200"}, 1},
        Transition{"RevealedEdgeTickWritesEdgeAgain", DockState::Revealed, Event::EdgeTick, 1,
                   300, DockState::Revealed, {"left=0"}, 0},
        Transition{"RevealedMouseMoveArmsFreshCountdown", DockState::Revealed,
                   Event::PanelMouseMove, 100, 300, DockState::Armed, {"left=0", "period=200"}, 1},
        Transition{"InertHideTickDoesNothing", DockState::Inert, Event::HideTick, 700, 300,
                   DockState::Inert, {}, 0},
        Transition{"InertEdgeTickDoesNothing", DockState::Inert, Event::EdgeTick, 0, 300,
                   DockState::Inert, {}, 0},
        Transition{"InertMouseMoveDoesNothing", DockState::Inert, Event::PanelMouseMove, 500, 300,
                   DockState::Inert, {}, 0}),
    [](const ::testing::TestParamInfo<Transition>& info) { return info.param.name; });

struct HideBoundary {
  const char* name;
  DockRect panel;
  int x;
  int y;
  bool hides;
};

class EdgeDockHideBoundaryTest : public ::testing::TestWithParam<HideBoundary> {};

TEST_P(EdgeDockHideBoundaryTest, ClosedRectangleCountsAsInside) {
  const HideBoundary& b = GetParam();
  SimulatedPanel panel;
  panel.rect = b.panel;
  panel.moveCursor(b.x, b.y);
  EdgeDock dock(panel);
  dock.hideTick();
  EXPECT_EQ(stateOf(panel), b.hides ? DockState::Hidden : DockState::Armed);
}

constexpr DockRect kAtEdge{0, 100, 180, 500};
constexpr DockRect kFarRight{INT_MAX - 100, INT_MAX - 400, 180, 500};

INSTANTIATE_TEST_SUITE_P(
    Edges, EdgeDockHideBoundaryTest,
    ::testing::Values(HideBoundary{"RightEdgeInside", kAtEdge, 180, 300, false},
                      HideBoundary{"PastRightEdge", kAtEdge, 181, 300, true},
                      HideBoundary{"BottomEdgeInside", kAtEdge, 90, 600, false},
                      HideBoundary{"PastBottomEdge", kAtEdge, 90, 601, true},
                      HideBoundary{"LeftEdgeInside", kAtEdge, 0, 300, false},
                      HideBoundary{"PastLeftEdge", kAtEdge, -1, 300, true},
                      HideBoundary{"TopEdgeInside", kAtEdge, 90, 100, false},
                      HideBoundary{"AboveTopEdge", kAtEdge, 90, 99, true},
                      HideBoundary{"SumsBeyondIntRangeInside", kFarRight, INT_MAX, INT_MAX, false},
                      HideBoundary{"SumsBeyondIntRangeLeftOf", kFarRight, INT_MAX - 101, INT_MAX,
                                   true}),
    [](const ::testing::TestParamInfo<HideBoundary>& info) { return info.param.name; });

TEST(EdgeDockTest, HidesAtTheWidthOfTheMoment) {
  SimulatedPanel panel;
  EdgeDock dock(panel);
  panel.moveCursor(900, 300);
  dock.hideTick();
  EXPECT_EQ(panel.rect.left, -180);

  panel.rect.width = 213;  // configuration mode
  dock.panelMouseMoved();
  dock.hideTick();
  EXPECT_EQ(panel.rect.left, -213);

  panel.rect.width = 183;  // configuration mode left
  dock.panelMouseMoved();
  dock.hideTick();
  EXPECT_EQ(panel.rect.left, -183);
}

TEST(EdgeDockTest, UnreadableCursorSkipsBothTicks) {
  SimulatedPanel panel;
  panel.cursorReadable = false;
  EdgeDock dock(panel);
  dock.hideTick();
  enter(panel, DockState::Hidden);
  dock.edgeTick();
  EXPECT_TRUE(panel.writes.empty());
}

// Time-driven: the timers tick on the simulated clock as the panel's would.
class EdgeDockTimelineTest : public ::testing::Test {
 protected:
  SimulatedPanel panel;
  EdgeDock dock{panel};
};

TEST_F(EdgeDockTimelineTest, FirstHideTickAfterStartUpHidesUnlessInside) {
  panel.moveCursor(500, 300);
  panel.run(1000, dock);
  EXPECT_EQ(stateOf(panel), DockState::Armed);
  panel.moveCursor(100, 300);
  panel.run(199, dock);
  EXPECT_EQ(stateOf(panel), DockState::Armed);
  panel.run(1, dock);
  EXPECT_EQ(stateOf(panel), DockState::Hidden);
}

TEST_F(EdgeDockTimelineTest, MouseMoveWhileArmedLeavesTheCountdownRunning) {
  panel.moveCursor(500, 300);
  panel.run(150, dock);
  dock.panelMouseMoved();  // the panel is at 0 now, the cursor outside it
  panel.run(50, dock);
  EXPECT_EQ(stateOf(panel), DockState::Hidden);
}

TEST_F(EdgeDockTimelineTest, RevealedStaysUntilBareSurfaceThenHidesWithinAFreshPeriod) {
  enter(panel, DockState::Hidden);
  panel.moveCursor(2, 3000);
  panel.run(100, dock);
  ASSERT_EQ(stateOf(panel), DockState::Revealed);

  panel.moveCursor(800, 300);  // anywhere but the bare surface: stays shown
  panel.run(10000, dock);
  ASSERT_EQ(stateOf(panel), DockState::Revealed);

  panel.run(50, dock);
  dock.panelMouseMoved();
  panel.run(199, dock);
  EXPECT_EQ(stateOf(panel), DockState::Armed);
  panel.run(1, dock);
  EXPECT_EQ(stateOf(panel), DockState::Hidden);
}

TEST_F(EdgeDockTimelineTest, ShowModeFreezesAHiddenPanelUntilAutoHideAndEdge) {
  enter(panel, DockState::Hidden);
  panel.shownMode = true;
  panel.moveCursor(0, 300);
  panel.run(1000, dock);
  EXPECT_EQ(panel.rect.left, -180);

  panel.shownMode = false;
  panel.run(100, dock);
  EXPECT_EQ(stateOf(panel), DockState::Revealed);
}

TEST_F(EdgeDockTimelineTest, AutoHideAgainWithTimerRunningHidesAtNextTick) {
  panel.shownMode = true;
  panel.moveCursor(900, 300);
  panel.run(1000, dock);
  ASSERT_EQ(panel.rect.left, 422);

  panel.shownMode = false;
  panel.run(200, dock);
  EXPECT_EQ(stateOf(panel), DockState::Hidden);
}

}  // namespace
}  // namespace fdt
