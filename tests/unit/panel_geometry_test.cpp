#include "panel/panel_geometry.h"

#include <gtest/gtest.h>

namespace fdt {
namespace {

TEST(PanelGeometryTest, PositionsAndSizesAreClamped) {
  EXPECT_EQ(clampPosition(-213), -213);
  EXPECT_EQ(clampPosition(-32627), -32627);
  EXPECT_EQ(clampPosition(-32628), -32627);
  EXPECT_EQ(clampPosition(40000), 32627);
  EXPECT_EQ(clampSize(-1), 0);
  EXPECT_EQ(clampSize(213), 213);
  EXPECT_EQ(clampSize(32628), 32627);
}

TEST(PanelGeometryTest, CentredStartTruncatesTowardZero) {
  EXPECT_EQ(centredStart(1024, 180), 422);
  EXPECT_EQ(centredStart(768, 500), 134);
  EXPECT_EQ(centredStart(1025, 180), 422);
  EXPECT_EQ(centredStart(101, 500), -199);  // -199.5 truncates toward zero
}

TEST(TimerPeriodTest, EqualPeriodLeavesTheCountdownAlone) {
  TimerPeriod timer;
  EXPECT_EQ(timer.set(0), TimerPeriod::Change::None);
  EXPECT_EQ(timer.set(200), TimerPeriod::Change::Restart);
  EXPECT_EQ(timer.set(200), TimerPeriod::Change::None);
  EXPECT_EQ(timer.set(100), TimerPeriod::Change::Restart);
  EXPECT_EQ(timer.set(-5), TimerPeriod::Change::Stop);
  EXPECT_EQ(timer.period(), 0);
  EXPECT_EQ(timer.set(0), TimerPeriod::Change::None);
}

}  // namespace
}  // namespace fdt
