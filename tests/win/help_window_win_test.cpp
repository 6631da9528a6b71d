// The help window on the real window system: its place and looks, its text,
// the modal run over a stand-in panel, and the double click on its text.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "help/help_texts.h"
#include "help/help_window_win.h"
#include "help/page_choice.h"
#include "platform/program_windows_win.h"

namespace fdt {
namespace {

// Records what it opens, and the text box's selection at that moment.
class RecordingLauncher final : public Launcher {
 public:
  bool open(const std::string& target) override {
    opened.push_back(target);
    SendMessageA(text, EM_GETSEL, reinterpret_cast<WPARAM>(&startAtOpen),
                 reinterpret_cast<LPARAM>(&endAtOpen));
    return false;
  }
  HWND text = nullptr;
  std::vector<std::string> opened;
  DWORD startAtOpen = 1, endAtOpen = 0;
};

// What the driver does once the help window is open: inspect it, then close it.
struct Visit {
  std::function<bool()> ready = [] { return true; };
  std::function<void(HWND help)> inspect = [](HWND) {};
  std::function<void(HWND help)> close;
};
Visit* currentVisit = nullptr;
HWND currentPanel = nullptr;

HWND openHelpWindow() {
  for (HWND window : programWindows())
    if (window != currentPanel) return window;
  return nullptr;
}

// Runs from the help window's own loop, as a thread timer.
void CALLBACK drive(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND help = openHelpWindow();
  if (!help || !currentVisit->ready()) return;
  KillTimer(nullptr, timer);
  currentVisit->inspect(help);
  currentVisit->close(help);
}

void pressEscapeOn(HWND target) { PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }
HWND textBoxOf(HWND help) { return FindWindowExA(help, nullptr, "Edit", nullptr); }

int panelTicks = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) { ++panelTicks; }

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                            nullptr, nullptr);
    panel = CreateWindowExA(WS_EX_TOPMOST, "Static", "panel", WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                            10, 10, 180, 500, owner, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner && panel);
    registerProgramWindow(panel);
    currentPanel = panel;
    icon = LoadIcon(nullptr, IDI_APPLICATION);
  }
  void TearDown() override {
    unregisterProgramWindow(panel);
    DestroyWindow(panel);
    DestroyWindow(owner);
  }

  // Opens the help window and returns once it has been closed.
  void visit(Visit& plan) {
    if (!plan.close) plan.close = [](HWND help) { pressEscapeOn(help); };
    currentVisit = &plan;
    SetTimer(nullptr, 0, 20, drive);
    runHelpWindow(GetModuleHandleA(nullptr), owner, icon, launcher);
    currentVisit = nullptr;
  }

  HWND owner = nullptr;
  HWND panel = nullptr;
  HICON icon = nullptr;
  RecordingLauncher launcher;
};

TEST_F(HelpWindowTest, OpensCentredTopmostOwnedByTheHiddenOwnerWithCloseButtonOnly) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  Visit plan;
  bool inspected = false;
  plan.inspect = [&](HWND help) {
    inspected = true;
    RECT rect;
    GetWindowRect(help, &rect);
    EXPECT_EQ(rect.left, 353);
    EXPECT_EQ(rect.top, 260);
    EXPECT_EQ(rect.right - rect.left, 318);
    EXPECT_EQ(rect.bottom - rect.top, 248);
    char title[32] = {};
    GetWindowTextA(help, title, sizeof title);
    EXPECT_STREQ(title, "帮助");
    const LONG_PTR style = GetWindowLongPtrA(help, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE), WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0);
    EXPECT_TRUE(GetWindowLongPtrA(help, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(help, GW_OWNER), owner);
    EXPECT_EQ(GetAncestor(help, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(help, WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(help, WM_GETICON, ICON_SMALL, 0)), icon);
    HMENU systemMenu = GetSystemMenu(help, FALSE);
    EXPECT_EQ(GetMenuState(systemMenu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  };
  visit(plan);
  EXPECT_TRUE(inspected);
}

TEST_F(HelpWindowTest, TextBoxHoldsTheHelpTextReadOnlyWrappedWithoutScrollBars) {
  Visit plan;
  bool inspected = false;
  plan.inspect = [&](HWND help) {
    inspected = true;
    HWND text = textBoxOf(help);
    ASSERT_TRUE(text);
    EXPECT_EQ(GetWindow(text, GW_HWNDNEXT), nullptr) << "the text box is the only control";
    char className[16] = {};
    GetClassNameA(text, className, sizeof className);
    EXPECT_STREQ(className, "Edit");
    RECT rect;
    GetWindowRect(text, &rect);
    MapWindowPoints(nullptr, help, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 312);
    EXPECT_EQ(rect.bottom - rect.top, 216);
    const LONG_PTR style = GetWindowLongPtrA(text, GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VISIBLE),
              ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VISIBLE);
    EXPECT_EQ(style & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL |
                       ES_CENTER | ES_RIGHT | WS_DISABLED),
              0);
    const LONG_PTR exStyle = GetWindowLongPtrA(text, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME),
              WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(text, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
    std::string bytes(4096, '\0');
    bytes.resize(SendMessageA(text, WM_GETTEXT, bytes.size(), reinterpret_cast<LPARAM>(&bytes[0])));
    EXPECT_EQ(bytes, texts::kHelpText);
  };
  visit(plan);
  EXPECT_TRUE(inspected);
}

TEST_F(HelpWindowTest, TextIsBlackOnButtonFace) {
  Visit plan;
  plan.inspect = [](HWND help) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 255, 0));
    const LRESULT brush = SendMessageA(help, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(textBoxOf(help)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    DeleteDC(dc);
  };
  visit(plan);
}

TEST_F(HelpWindowTest, EveryOpeningStartsWithTheCaretAtTheStartAndTheFirstLineShown) {
  for (int opening = 1; opening <= 2; ++opening) {
    Visit plan;
    plan.inspect = [&](HWND help) {
      HWND text = textBoxOf(help);
      EXPECT_EQ(GetFocus(), text) << opening;
      DWORD start = 1, end = 1;
      SendMessageA(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, 0u) << opening;
      EXPECT_EQ(end, 0u) << opening;
      EXPECT_EQ(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << opening;
      // Leave this opening scrolled and selected.
      SendMessageA(text, EM_SETSEL, 40, 60);
      SendMessageA(text, EM_LINESCROLL, 0, 5);
      EXPECT_GT(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << opening;
    };
    visit(plan);
  }
}

struct Closer {
  const char* name;
  std::function<void(HWND help)> close;
};

TEST_F(HelpWindowTest, PanelIsDisabledWhileOpenAndGetsItsStateBackBeforeTheWindowGoes) {
  const Closer closers[] = {
      {"Esc in the window", [](HWND help) { pressEscapeOn(help); }},
      {"Esc in the text", [](HWND help) { pressEscapeOn(textBoxOf(help)); }},
      {"close button", [](HWND help) { PostMessageA(help, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (bool enabledBefore : {true, false}) {
    for (const Closer& closer : closers) {
      SCOPED_TRACE(std::string(closer.name) + (enabledBefore ? ", enabled" : ", disabled"));
      EnableWindow(panel, enabledBefore);
      HWND seen = nullptr;
      Visit plan;
      plan.inspect = [&](HWND help) {
        seen = help;
        EXPECT_FALSE(IsWindowEnabled(panel));
        EXPECT_TRUE(IsWindowEnabled(help));
        EXPECT_EQ(programWindows(), (std::vector<HWND>{panel, help}));
      };
      plan.close = closer.close;
      visit(plan);
      ASSERT_TRUE(seen);
      EXPECT_FALSE(IsWindow(seen));
      EXPECT_EQ(!!IsWindowEnabled(panel), enabledBefore);
      EXPECT_EQ(programWindows(), std::vector<HWND>{panel});
    }
  }
}

LRESULT CALLBACK watchEnable(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR helpAliveWhenEnabled) {
  if (message == WM_ENABLE && wParam) {
    HWND help = openHelpWindow();
    *reinterpret_cast<int*>(helpAliveWhenEnabled) = help && IsWindow(help);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(HelpWindowTest, PanelIsEnabledAgainWhileTheHelpWindowStillExists) {
  int helpAliveWhenEnabled = -1;
  SetWindowSubclass(panel, watchEnable, 1, reinterpret_cast<DWORD_PTR>(&helpAliveWhenEnabled));
  Visit plan;
  visit(plan);
  RemoveWindowSubclass(panel, watchEnable, 1);
  EXPECT_EQ(helpAliveWhenEnabled, 1);
}

TEST_F(HelpWindowTest, PanelTimersKeepTickingWhileTheWindowIsOpen) {
  panelTicks = 0;
  SetTimer(panel, 7, 10, countTick);
  Visit plan;
  // No other loop runs between the timer's start and the window's closing.
  plan.ready = [] { return panelTicks >= 5; };
  bool inspected = false;
  plan.inspect = [&](HWND) {
    inspected = true;
    EXPECT_FALSE(IsWindowEnabled(panel));
  };
  visit(plan);
  KillTimer(panel, 7);
  EXPECT_TRUE(inspected);
  EXPECT_GE(panelTicks, 5);
}

TEST_F(HelpWindowTest, DoubleClickOnTheTextOpensThePageOfTheMinuteThenSelectsTheWord) {
  int minuteBefore = -1, minuteAfter = -1;
  DWORD start = 0, end = 0;
  Visit plan;
  plan.inspect = [&](HWND help) {
    launcher.text = textBoxOf(help);
    const std::string text = texts::kHelpText;
    const LRESULT at = SendMessageA(launcher.text, EM_POSFROMCHAR, text.find("软件界面"), 0);
    const LPARAM point = MAKELPARAM(LOWORD(at) + 3, HIWORD(at) + 3);
    SYSTEMTIME now;
    GetLocalTime(&now);
    minuteBefore = now.wMinute;
    SendMessageA(launcher.text, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(launcher.text, WM_LBUTTONUP, 0, point);
    SendMessageA(launcher.text, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(launcher.text, WM_LBUTTONUP, 0, point);
    GetLocalTime(&now);
    minuteAfter = now.wMinute;
    SendMessageA(launcher.text, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  };
  visit(plan);

  ASSERT_EQ(launcher.opened.size(), 1u);
  if (minuteBefore == minuteAfter) {
    EXPECT_EQ(launcher.opened[0], helpPageForMinute(minuteBefore));
  } else {
    EXPECT_TRUE(launcher.opened[0] == helpPageForMinute(minuteBefore) ||
                launcher.opened[0] == helpPageForMinute(minuteAfter));
  }
  EXPECT_EQ(launcher.startAtOpen, launcher.endAtOpen) << "no word selected yet when the page opens";
  EXPECT_LT(start, end) << "the double click still selects a word";
}

TEST(HelpContactLine, FitsOnThePanelsContactLabel) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ before = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(dc, texts::kContactLine, lstrlenA(texts::kContactLine), &size);
  SelectObject(dc, before);
  ReleaseDC(nullptr, dc);
  EXPECT_GT(size.cx, 0);
  EXPECT_LE(size.cx, 160);
}

}  // namespace
}  // namespace fdt
