// The panel as a user meets it: its controls, its place, its clicks, its
// start-up from sys.ini, the refusal of a second copy and the ways it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include "running_panel.h"

namespace fdt::test {
namespace {

// What the panel must show, independent of how the program builds it.
struct ExpectedControl {
  const char* name;
  const char* windowClass;
  const char* parent;  // "" for the panel
  int x, y, width, height;
  const char* text;
  bool tabStop;
};

const ExpectedControl kExpected[] = {
    {"单选框11", "Button", "", 8, 8, 48, 16, "移动", true},
    {"单选框12", "Button", "", 64, 8, 48, 16, "复制", true},
    {"按钮11", "Button", "", 128, 0, 40, 24, "配置", true},
    {"分组框1", "Button", "", 0, 24, 176, 56, "方案", false},
    {"单选框1", "Button", "分组框1", 8, 16, 24, 16, "1", true},
    {"单选框2", "Button", "分组框1", 40, 16, 24, 16, "2", true},
    {"单选框3", "Button", "分组框1", 72, 16, 24, 16, "3", true},
    {"单选框4", "Button", "分组框1", 104, 16, 24, 16, "4", true},
    {"单选框5", "Button", "分组框1", 136, 16, 24, 16, "5", true},
    {"单选框6", "Button", "分组框1", 8, 32, 24, 16, "6", true},
    {"单选框7", "Button", "分组框1", 40, 32, 24, 16, "7", true},
    {"单选框8", "Button", "分组框1", 72, 32, 24, 16, "8", true},
    {"单选框9", "Button", "分组框1", 104, 32, 24, 16, "9", true},
    {"单选框10", "Button", "分组框1", 136, 32, 32, 16, "10", true},
    {"编辑框1", "Edit", "", 0, 80, 176, 24, "", false},
    {"按钮1", "Button", "", 176, 80, 32, 24, ">>>", false},
    {"编辑框2", "Edit", "", 0, 106, 176, 24, "", false},
    {"按钮2", "Button", "", 176, 106, 32, 24, ">>>", false},
    {"编辑框3", "Edit", "", 0, 132, 176, 24, "", false},
    {"按钮3", "Button", "", 176, 132, 32, 24, ">>>", false},
    {"编辑框4", "Edit", "", 0, 158, 176, 24, "", false},
    {"按钮4", "Button", "", 176, 158, 32, 24, ">>>", false},
    {"编辑框5", "Edit", "", 0, 184, 176, 24, "", false},
    {"按钮5", "Button", "", 176, 184, 32, 24, ">>>", false},
    {"编辑框6", "Edit", "", 0, 210, 176, 24, "", false},
    {"按钮6", "Button", "", 176, 210, 32, 24, ">>>", false},
    {"编辑框7", "Edit", "", 0, 236, 176, 24, "", false},
    {"按钮7", "Button", "", 176, 236, 32, 24, ">>>", false},
    {"编辑框8", "Edit", "", 0, 262, 176, 24, "", false},
    {"按钮8", "Button", "", 176, 262, 32, 24, ">>>", false},
    {"编辑框9", "Edit", "", 0, 288, 176, 24, "", false},
    {"按钮9", "Button", "", 176, 288, 32, 24, ">>>", false},
    {"编辑框10", "Edit", "", 0, 312, 176, 24, "", false},
    {"按钮10", "Button", "", 176, 312, 32, 24, ">>>", false},
    {"按钮12", "Button", "", 16, 344, 56, 24, "帮助", true},
    {"按钮13", "Button", "", 96, 344, 56, 24, "退出", true},
    {"分组框2", "Button", "", 0, 368, 176, 40, "", false},
    {"单选框15", "Button", "分组框2", 8, 16, 72, 16, "自动隐藏", true},
    {"单选框16", "Button", "分组框2", 112, 16, 48, 16, "显示", true},
    {"标签1", nullptr, "", 8, 440, 160, 24, nullptr, false},
    {"标签2", nullptr, "", 8, 416, 160, 16, nullptr, false},
};

// Finds a control by its name as the product names it.
HWND byName(const RunningPanel& app, const std::string& name) {
  auto number = [&](const char* prefix) { return std::stoi(name.substr(std::string(prefix).size())); };
  if (name.rfind("单选框", 0) == 0) return app.radio(number("单选框"));
  if (name.rfind("编辑框", 0) == 0) return app.slotBox(number("编辑框"));
  if (name.rfind("按钮", 0) == 0) return app.button(number("按钮"));
  if (name == "分组框1") return GetParent(app.radio(1));
  if (name == "分组框2") return GetParent(app.radio(15));
  if (name == "标签1") return app.statusLabel();
  if (name == "标签2") return GetWindow(app.statusLabel(), GW_HWNDPREV);
  return nullptr;
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR exStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

TEST(PanelE2ETest, PanelWindowIsCentredTopmostFixedAndOffTheTaskBar) {
  RunningPanel app;
  HWND panel = app.panel();
  RECT rect{};
  GetWindowRect(panel, &rect);
  EXPECT_EQ(rect.left, 422);
  EXPECT_EQ(rect.top, 134);
  EXPECT_EQ(rect.right - rect.left, 180);
  EXPECT_EQ(rect.bottom - rect.top, 500);
  EXPECT_EQ(windowText(panel), "飞档通V4.0");
  const LONG_PTR style = styleOf(panel);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(exStyleOf(panel) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetClassLongPtrA(panel, GCL_STYLE) & CS_DBLCLKS);
  // Owned by a hidden, empty tool window: no task bar button.
  HWND owner = GetWindow(panel, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_TRUE(exStyleOf(owner) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(IsWindowVisible(owner));
  RECT ownerRect{};
  GetWindowRect(owner, &ownerRect);
  EXPECT_EQ(ownerRect.right - ownerRect.left, 0);
  EXPECT_EQ(ownerRect.bottom - ownerRect.top, 0);
  EXPECT_FALSE(exStyleOf(panel) & WS_EX_APPWINDOW);
}

TEST(PanelE2ETest, EveryControlHasItsKindParentPlaceTextAndTabStop) {
  RunningPanel app("[方案]\r\nproject=0\r\n");  // no scheme loaded: the slot boxes stay as created
  for (const ExpectedControl& want : kExpected) {
    SCOPED_TRACE(want.name);
    HWND window = byName(app, want.name);
    ASSERT_NE(window, nullptr);
    if (want.windowClass) {
      EXPECT_EQ(className(window), want.windowClass);
    }
    HWND parent = *want.parent ? byName(app, want.parent) : app.panel();
    EXPECT_EQ(GetParent(window), parent);
    const RECT place = rectInParent(window);
    EXPECT_EQ(place.left, want.x);
    EXPECT_EQ(place.top, want.y);
    EXPECT_EQ(place.right - place.left, want.width);
    EXPECT_EQ(place.bottom - place.top, want.height);
    if (want.text) {
      EXPECT_EQ(windowText(window), want.text);
    }
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ((styleOf(window) & WS_TABSTOP) != 0, want.tabStop);
    const LONG_PTR type = styleOf(window) & BS_TYPEMASK;
    const std::string name = want.name;
    if (name.rfind("单选框", 0) == 0) {
      EXPECT_EQ(type, BS_AUTORADIOBUTTON);
      EXPECT_TRUE(styleOf(window) & BS_MULTILINE);
    } else if (name.rfind("按钮", 0) == 0) {
      EXPECT_EQ(type, BS_PUSHBUTTON);  // never a default button
      EXPECT_TRUE(styleOf(window) & BS_MULTILINE);
    } else if (name.rfind("分组框", 0) == 0) {
      EXPECT_EQ(type, BS_GROUPBOX);
    } else if (name.rfind("编辑框", 0) == 0) {
      EXPECT_TRUE(styleOf(window) & ES_READONLY);
      EXPECT_TRUE(styleOf(window) & ES_AUTOHSCROLL);
      EXPECT_FALSE(styleOf(window) & ES_MULTILINE);
      EXPECT_TRUE(exStyleOf(window) & WS_EX_CLIENTEDGE);
    }
  }
  for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15}) EXPECT_FALSE(app.checked(number)) << number;
  EXPECT_EQ(app.status(), "目前状态：无操作");
}

TEST(PanelE2ETest, ProgramFileCarriesOneIconWith48And32And16PixelImages) {
  RunningPanel app;
  HMODULE program = LoadLibraryExA((app.directory() + "\\feidangtong.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC group = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
  const int count = bytes[4] | bytes[5] << 8;
  ASSERT_EQ(count, 3);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = bytes + 6 + 14 * i;  // width, height, colours, reserved, planes, bit count, ...
    EXPECT_EQ(entry[0], entry[1]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 32);
    sizes.push_back(entry[0]);
  }
  EXPECT_EQ(sizes, (std::vector<int>{48, 32, 16}));
  FreeLibrary(program);
}

struct RestoreRow {
  const char* name;
  std::string ini;
  std::vector<int> checkedRadios;  // every other radio unchecked
  const char* slot1;               // what 编辑框1 shows
};

class PanelRestoreE2ETest : public ::testing::TestWithParam<RestoreRow> {};

TEST_P(PanelRestoreE2ETest, StartUpSetsTheRadiosAndLeavesTheFileAlone) {
  const RestoreRow& row = GetParam();
  RunningPanel app(row.ini.empty() ? std::nullopt : std::optional<std::string>(row.ini));
  for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16}) {
    const bool expected =
        std::find(row.checkedRadios.begin(), row.checkedRadios.end(), number) != row.checkedRadios.end();
    EXPECT_EQ(app.checked(number), expected) << "单选框" << number;
  }
  EXPECT_EQ(windowText(app.slotBox(1)), row.slot1);
  EXPECT_EQ(app.status(), "目前状态：无操作");
  if (row.ini.empty()) {
    EXPECT_FALSE(app.iniExists());
  } else {
    EXPECT_EQ(app.iniBytes(), row.ini);
  }
}

const std::string kSlots = slotIni({1, 3, 10}, "D:\\s");

INSTANTIATE_TEST_SUITE_P(
    Rows, PanelRestoreE2ETest,
    ::testing::Values(
        RestoreRow{"no_file", "", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16}, "C:\\"},
        RestoreRow{"all_set", "[方案]\r\nshow=no\r\noperate=FileCopy\r\nproject=3\r\n" + kSlots, {3, 12, 15}, "D:\\s21"},
        RestoreRow{"show_Yes", "[方案]\r\nshow=Yes\r\nproject=1\r\n" + kSlots, {1, 11}, "D:\\s1"},
        RestoreRow{"operate_lower", "[方案]\r\noperate=filecopy\r\nproject=10\r\n" + kSlots, {10, 16}, "D:\\s91"},
        RestoreRow{"project_0", "[方案]\r\nproject=0\r\n" + kSlots, {11, 16}, ""},
        RestoreRow{"project_empty", "[方案]\r\nproject=\r\n" + kSlots, {11, 16}, ""},
        RestoreRow{"project_11", "[方案]\r\nproject=11\r\nshow=\r\noperate=\r\n" + kSlots, {}, ""},
        RestoreRow{"no_project", "[方案]\r\nshow=yes\r\n" + kSlots, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16}, "D:\\s91"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelE2ETest, SchemeClickLoadsShowsAndStores) {
  RunningPanel app("[方案]\r\nproject=1\r\n" + slotIni({4}, "E:\\k"));
  app.click(app.radio(4));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择方案4"; }));
  for (int slot = 1; slot <= 10; ++slot)
    EXPECT_EQ(windowText(app.slotBox(slot)), "E:\\k" + std::to_string(30 + slot));
  EXPECT_TRUE(app.checked(4));
  for (int other : {1, 2, 3, 5, 6, 7, 8, 9, 10}) EXPECT_FALSE(app.checked(other));
  EXPECT_TRUE(app.checked(11));  // other groups keep their checks
  EXPECT_TRUE(app.checked(16));
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=4\r\n" + slotIni({4}, "E:\\k"));
}

TEST(PanelE2ETest, ModeRadiosWriteTheirChoice) {
  RunningPanel app;
  app.click(app.radio(12));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择操作复制"; }));
  EXPECT_FALSE(app.checked(11));
  app.click(app.radio(15));
  ASSERT_TRUE(waitFor([&] { return app.iniBytes().find("show=no") != std::string::npos; }));
  EXPECT_EQ(app.status(), "目前状态：选择操作复制");  // the dock radios leave the status alone
  app.click(app.radio(11));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择操作移动"; }));
  EXPECT_EQ(app.iniBytes(), "[方案]\r\noperate=FileMove\r\nshow=no\r\n");
}

TEST(PanelE2ETest, ConfigButtonWidensAndNarrows) {
  RunningPanel app;
  auto width = [&] {
    RECT rect{};
    GetWindowRect(app.panel(), &rect);
    return rect.right - rect.left;
  };
  app.click(app.button(11));
  ASSERT_TRUE(waitFor([&] { return width() == 213; }));
  EXPECT_EQ(windowText(app.button(11)), "完成");
  EXPECT_EQ(app.status(), "目前状态：点击>>>设置文件夹");
  app.click(app.button(11));
  ASSERT_TRUE(waitFor([&] { return width() == 183; }));
  EXPECT_EQ(windowText(app.button(11)), "配置");
  EXPECT_EQ(app.status(), "目前状态：设置成功");
  EXPECT_FALSE(app.iniExists());
}

TEST(PanelE2ETest, SecondCopyIsRefusedAndTheFirstRunsOn) {
  RunningPanel app("[方案]\r\nproject=2\r\n");
  PROCESS_INFORMATION second = app.startAnother();
  HWND box = findProcessWindow(second.dwProcessId, "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(windowText(box), "飞档通V4.0");
  HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
  bool sawMessage = false;
  for (; text; text = FindWindowExA(box, text, "Static", nullptr))
    sawMessage = sawMessage || windowText(text) == "程序已运行!";
  EXPECT_TRUE(sawMessage);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE);
  EXPECT_TRUE(app.checked(2));
  EXPECT_EQ(app.status(), "目前状态：无操作");
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=2\r\n");
}

TEST(PanelE2ETest, ExitButtonEndsWithCodeZeroAndWritesNothing) {
  RunningPanel app("[方案]\r\nproject=5\r\n");
  app.click(app.button(13));
  EXPECT_EQ(app.waitForExit(), 0u);
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=5\r\n");
}

TEST(PanelE2ETest, EscOnAFocusedRadioClosesThePanel) {
  RunningPanel app;
  app.click(app.radio(3));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择方案3"; }));
  pressKey("Escape");
  EXPECT_EQ(app.waitForExit(), 0u);
}

}  // namespace
}  // namespace fdt::test
