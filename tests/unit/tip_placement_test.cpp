#include "platform/tip_placement.h"

#include <gtest/gtest.h>

namespace fdt {
namespace {

struct Placement {
  const char* name;
  ScreenRect screen;
  ScreenPoint anchor;
  ScreenPoint corner;
};

class TipPlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(TipPlacementTest, BodyGoesBelowRightOrFlipsAtTheScreensEnd) {
  const Placement& p = GetParam();
  EXPECT_EQ(placeTip(p.anchor, 100, 20, p.screen), p.corner);
}

constexpr ScreenRect kOneScreen{0, 0, 1024, 768};
// A second monitor left of the primary one.
constexpr ScreenRect kTwoScreens{-1280, -256, 2304, 1024};

INSTANTIATE_TEST_SUITE_P(
    Cases, TipPlacementTest,
    ::testing::Values(
        Placement{"BelowTheCursor", kOneScreen, {500, 300}, {500, 315}},
        Placement{"EndsAtRightEdge", kOneScreen, {924, 300}, {924, 315}},
        Placement{"PastRightEdgeFlipsLeft", kOneScreen, {925, 300}, {825, 315}},
        Placement{"EndsAtBottomEdge", kOneScreen, {500, 733}, {500, 748}},
        Placement{"PastBottomEdgeFlipsUp", kOneScreen, {500, 734}, {500, 699}},
        Placement{"CornerFlipsBoth", kOneScreen, {1000, 760}, {900, 725}},
        Placement{"LeftMonitorStaysBelowRight", kTwoScreens, {-1270, -250}, {-1270, -235}},
        Placement{"VirtualScreenEndsDecide", kTwoScreens, {980, 760}, {880, 725}}),
    [](const ::testing::TestParamInfo<Placement>& info) { return info.param.name; });

}  // namespace
}  // namespace fdt
