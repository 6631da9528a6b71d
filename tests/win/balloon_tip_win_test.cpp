// The balloon tip on real windows: messages taken from the thread's queue,
// the real window lookup, the tip window's look and place. Exact timing is
// the rules' unit tests' business; here the tip is awaited by polling.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/balloon_tip_win.h"

namespace fdt {
namespace {

constexpr char kHostClass[] = "FdtTipTestHost";
constexpr DWORD kPatienceMs = 5000;
constexpr POINT kInBox{40, 12};
// Off every window of the test, so that no window made here starts under the cursor.
constexpr POINT kParking{700, 600};

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// The screen position of the last mouse move that the pump took from the queue.
POINT lastMoveSeen{-1, -1};

// Dispatches messages until the condition holds or the patience runs out.
bool pumpUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
  const ULONGLONG end = GetTickCount64() + patienceMs;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_MOUSEMOVE) {
        lastMoveSeen = {static_cast<short>(LOWORD(message.lParam)),
                        static_cast<short>(HIWORD(message.lParam))};
        ClientToScreen(message.hwnd, &lastMoveSeen);
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void pumpPending() {
  pumpUntil([] { return true; });
}

std::string windowText(HWND window) {
  char text[260] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// Moves the X pointer, as the user's mouse does. A cursor moved by SetCursorPos
// or SendInput is warped, and under Wine a warp is sometimes followed by a
// stray mouse move at the previous place.
void movePointer(POINT screen) {
  char command[80];
  std::snprintf(command, sizeof(command), "Z:\\usr\\bin\\xdotool mousemove %ld %ld", screen.x,
                screen.y);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  WaitForSingleObject(process.hProcess, kPatienceMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

class BalloonTipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = hostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = kHostClass;
    hostClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassA(&hostClass);
    host = CreateWindowExA(WS_EX_TOPMOST, kHostClass, "host", WS_POPUP | WS_VISIBLE, 100, 100, 300,
                           100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    box1 = makeBox(0);
    box2 = makeBox(40);
    ASSERT_TRUE(tip.create(GetModuleHandleA(nullptr)));
    pumpPending();
    // Parked only once a window of this process shows: while Wine's virtual
    // desktop is the only window on the display, it keeps the X pointer where
    // it last knew it and moves come to nothing.
    movePointer(kParking);
    ASSERT_TRUE(pumpUntil([] {
      POINT cursor{};
      return GetCursorPos(&cursor) && cursor.x == kParking.x && cursor.y == kParking.y;
    }));
  }
  void TearDown() override {
    tip.destroy();
    DestroyWindow(host);
    pumpPending();
  }

  HWND makeBox(int top) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE | ES_READONLY, 0, top,
                           176, 24, host, nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  // Puts the cursor there and waits for the mouse move that the system makes of it.
  POINT moveOver(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    movePointer(screen);
    EXPECT_TRUE(pumpUntil([&] { return lastMoveSeen.x == screen.x && lastMoveSeen.y == screen.y; }));
    return screen;
  }
  bool tipShown() const { return IsWindowVisible(tip.tipWindow()) != FALSE; }
  bool awaitTip() {
    return pumpUntil([this] { return tipShown(); });
  }
  bool awaitNoTip(DWORD patienceMs = kPatienceMs) {
    return pumpUntil([this] { return !tipShown(); }, patienceMs);
  }
  RECT tipRect() const {
    RECT rect{};
    GetWindowRect(tip.tipWindow(), &rect);
    return rect;
  }

  HWND host = nullptr;
  HWND box1 = nullptr;
  HWND box2 = nullptr;
  BalloonTip tip;
};

TEST_F(BalloonTipTest, TipWindowIsATopmostToolWindowThatTakesNoFocus) {
  const LONG_PTR exStyle = GetWindowLongPtrA(tip.tipWindow(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
  EXPECT_TRUE(GetWindowLongPtrA(tip.tipWindow(), GWL_STYLE) & WS_POPUP);
  EXPECT_FALSE(tipShown());
  BalloonTip second;
  EXPECT_FALSE(second.create(GetModuleHandleA(nullptr)));
}

TEST_F(BalloonTipTest, RestingOnABoxShowsItsTextBelowTheCursorWithoutActivationThenHides) {
  SetForegroundWindow(host);
  pumpPending();
  const HWND activeBefore = GetActiveWindow();
  tip.attachTip(box1, "C:\\", -1);
  const ULONGLONG movedAt = GetTickCount64();
  const POINT cursor = moveOver(box1, kInBox);
  EXPECT_FALSE(tipShown());

  ASSERT_TRUE(awaitTip());
  EXPECT_GE(GetTickCount64() - movedAt, 600u);
  EXPECT_EQ(windowText(tip.tipWindow()), "C:\\");
  const RECT rect = tipRect();
  EXPECT_EQ(rect.left, cursor.x);
  EXPECT_EQ(rect.top, cursor.y + 15);
  EXPECT_EQ(GetActiveWindow(), activeBefore);
  EXPECT_NE(GetForegroundWindow(), tip.tipWindow());

  EXPECT_TRUE(awaitNoTip(3000 + kPatienceMs));
}

TEST_F(BalloonTipTest, ChildWithoutEntryShowsItsParentsEntry) {
  tip.attachTip(host, "host's tip");
  moveOver(box2, kInBox);
  ASSERT_TRUE(awaitTip());
  EXPECT_EQ(windowText(tip.tipWindow()), "host's tip");
}

TEST_F(BalloonTipTest, NewTextWaitsForTheNextShowAfterAOnePixelMoveHides) {
  tip.attachTip(box1, "C:\\");
  moveOver(box1, kInBox);
  ASSERT_TRUE(awaitTip());

  tip.attachTip(box1, "D:\\资料");
  EXPECT_EQ(windowText(tip.tipWindow()), "C:\\");
  EXPECT_TRUE(tipShown());

  moveOver(box1, {kInBox.x + 1, kInBox.y});
  EXPECT_FALSE(tipShown());
  ASSERT_TRUE(awaitTip());
  EXPECT_EQ(windowText(tip.tipWindow()), "D:\\资料");
}

TEST_F(BalloonTipTest, MovingOntoTheTipKeepsIt) {
  tip.attachTip(box1, "C:\\Program Files");
  moveOver(box1, kInBox);
  ASSERT_TRUE(awaitTip());
  const RECT rect = tipRect();
  moveOver(tip.tipWindow(), {(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2});
  EXPECT_TRUE(tipShown());
}

TEST_F(BalloonTipTest, ButtonPressHidesAtOnceReleaseDoesNot) {
  tip.attachTip(box1, "C:\\");
  moveOver(box1, kInBox);
  ASSERT_TRUE(awaitTip());
  PostMessageA(host, WM_LBUTTONUP, 0, MAKELPARAM(kInBox.x, kInBox.y));
  pumpPending();
  EXPECT_TRUE(tipShown());
  PostMessageA(host, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(kInBox.x, kInBox.y));
  pumpPending();
  EXPECT_FALSE(tipShown());
}

TEST_F(BalloonTipTest, ShowsWhileAModalLoopTakesTheMessages) {
  static constexpr char kBoxTitle[] = "modal loop";
  struct Watch {
    HWND tipWindow;
    ULONGLONG giveUpAt;
    bool sawTip;
  };
  static Watch watch;
  watch = {tip.tipWindow(), GetTickCount64() + kPatienceMs, false};
  tip.attachTip(box1, "C:\\");
  POINT screen = kInBox;
  ClientToScreen(box1, &screen);
  // The mouse move this makes is taken from the queue by the message box's own loop.
  movePointer(screen);
  const UINT_PTR poll = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    watch.sawTip = watch.sawTip || IsWindowVisible(watch.tipWindow);
    if (!watch.sawTip && GetTickCount64() < watch.giveUpAt) return;
    if (HWND box = FindWindowA("#32770", kBoxTitle)) PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(nullptr, "waiting for the tip", kBoxTitle, MB_OK);
  KillTimer(nullptr, poll);
  EXPECT_TRUE(watch.sawTip);
}

TEST_F(BalloonTipTest, FlipsLeftAndAboveAtTheVirtualScreensEnd) {
  const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  SetWindowPos(host, nullptr, right - 200, bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  tip.attachTip(box1, "C:\\Documents and Settings\\All Users");
  const POINT cursor = moveOver(box1, kInBox);
  ASSERT_TRUE(awaitTip());
  const RECT rect = tipRect();
  EXPECT_EQ(rect.right - 5, cursor.x);
  EXPECT_EQ(rect.bottom - 3, cursor.y - 15);
}

TEST_F(BalloonTipTest, LossOfActivationToAnotherThreadHides) {
  SetForegroundWindow(host);
  tip.attachTip(box1, "C:\\");
  moveOver(box1, kInBox);
  ASSERT_TRUE(awaitTip());

  struct Other {
    HANDLE done;
  } other{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* parameter) -> DWORD {
        auto* self = static_cast<Other*>(parameter);
        HWND window = CreateWindowExA(0, "Static", "other", WS_POPUP | WS_VISIBLE, 500, 500, 50,
                                      50, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(window);
        while (WaitForSingleObject(self->done, 0) == WAIT_TIMEOUT) {
          MSG message;
          while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
          Sleep(10);
        }
        DestroyWindow(window);
        return 0;
      },
      &other, 0, nullptr);
  EXPECT_TRUE(awaitNoTip());
  SetEvent(other.done);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(other.done);
}

struct MessageCase {
  UINT message;
  bool dismisses;
};

class DismissingMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DismissingMessageTest, PressesWheelAndKeysDismissReleasesDoNot) {
  EXPECT_EQ(dismissesTip(GetParam().message), GetParam().dismisses);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DismissingMessageTest,
    ::testing::Values(MessageCase{WM_LBUTTONDOWN, true}, MessageCase{WM_RBUTTONDOWN, true},
                      MessageCase{WM_MBUTTONDOWN, true}, MessageCase{WM_LBUTTONDBLCLK, true},
                      MessageCase{WM_RBUTTONDBLCLK, true}, MessageCase{WM_MBUTTONDBLCLK, true},
                      MessageCase{WM_MOUSEWHEEL, true}, MessageCase{WM_KEYDOWN, true},
                      MessageCase{WM_SYSKEYDOWN, true}, MessageCase{WM_NCLBUTTONDOWN, true},
                      MessageCase{WM_NCRBUTTONDOWN, true}, MessageCase{WM_NCMBUTTONDOWN, true},
                      MessageCase{WM_NCLBUTTONDBLCLK, true}, MessageCase{WM_NCRBUTTONDBLCLK, true},
                      MessageCase{WM_NCMBUTTONDBLCLK, true}, MessageCase{WM_LBUTTONUP, false},
                      MessageCase{WM_RBUTTONUP, false}, MessageCase{WM_MBUTTONUP, false},
                      MessageCase{WM_NCLBUTTONUP, false}, MessageCase{WM_KEYUP, false},
                      MessageCase{WM_SYSKEYUP, false}, MessageCase{WM_CHAR, false},
                      MessageCase{WM_MOUSEMOVE, false}, MessageCase{WM_TIMER, false}));

}  // namespace
}  // namespace fdt
