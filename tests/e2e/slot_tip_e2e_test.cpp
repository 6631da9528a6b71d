// The slot tip on the real program with real pointer moves: the box's whole
// path below the cursor once the mouse rests, hidden by a button press, by a
// move to another box, and by its own auto-hide.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "platform/balloon_tip_win.h"
#include "running_panel.h"

namespace fdt::test {
namespace {

constexpr char kSlotsShown[] =
    "[方案]\r\nshow=yes\r\nproject=1\r\n[我的文件夹]\r\n1=D:\\资料\\二〇二六年\\项目\r\n2=E:\\备份\r\n";
constexpr int kCursorGap = 15;
constexpr int kRestAttempts = 3;
constexpr DWORD kShowPatienceMs = 2000;

class SlotTipE2ETest : public ::testing::Test {
 protected:
  // The pointer away from the panel before the program starts.
  SlotTipE2ETest() {
    moveMouse(900, 700);
    app.emplace(kSlotsShown);
  }

  // Rests the mouse on the box until its tip shows, and gives the tip window
  // and the cursor. The box's first move only attaches its text, and moves
  // that come in one burst can reach the program as one, so it moves again.
  HWND restOn(HWND box, POINT& cursor) {
    const POINT centre = centreOf(box);
    moveMouse(centre.x, centre.y);
    for (int step = 1; step <= kRestAttempts; ++step) {
      cursor = {centre.x + step, centre.y};
      moveMouse(cursor.x, cursor.y);
      if (HWND tip = findProcessWindow(app->processId(), kBalloonTipClass, kShowPatienceMs)) return tip;
    }
    return nullptr;
  }
  bool awaitNoTip(HWND tip, DWORD timeoutMs = 5000) {
    return waitFor([&] { return !IsWindowVisible(tip); }, timeoutMs);
  }

  std::optional<RunningPanel> app;
};

TEST_F(SlotTipE2ETest, RestingOnABoxShowsItsPathBelowTheCursorUntilAMiddleClick) {
  POINT cursor{};
  HWND tip = restOn(app->slotBox(1), cursor);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(windowText(tip), "D:\\资料\\二〇二六年\\项目");
  RECT rect{};
  GetWindowRect(tip, &rect);
  EXPECT_EQ(rect.left, cursor.x);
  EXPECT_EQ(rect.top, cursor.y + kCursorGap);
  EXPECT_NE(GetForegroundWindow(), tip);

  runHostCommand("Z:\\usr\\bin\\xdotool click 2");
  EXPECT_TRUE(awaitNoTip(tip));
}

TEST_F(SlotTipE2ETest, AnotherBoxHidesTheTipAndShowsItsOwnThatHidesByItself) {
  POINT cursor{};
  HWND tip = restOn(app->slotBox(1), cursor);
  ASSERT_NE(tip, nullptr);

  const POINT second = centreOf(app->slotBox(2));
  moveMouse(second.x, second.y);
  EXPECT_TRUE(awaitNoTip(tip));
  ASSERT_EQ(restOn(app->slotBox(2), cursor), tip);
  EXPECT_EQ(windowText(tip), "E:\\备份");
  EXPECT_TRUE(awaitNoTip(tip, 3000 + 5000));
}

}  // namespace
}  // namespace fdt::test
