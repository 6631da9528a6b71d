#include "panel/panel_controller.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace fdt {
namespace {

class PanelControllerTest : public ::testing::Test {
 protected:
  test::Log log;
  test::MemoryProfile profile{log};
  test::FakePanelView view{log};
  SettingsFile settings{profile, "C:\\app"};
  SchemeModel schemes{settings, view};
  PanelController controller{view, settings, schemes};
};

TEST_F(PanelControllerTest, SchemeClickLoadsThenShowsThenStores) {
  profile.set("我的文件夹", "31", "D:\\a");
  controller.schemeClicked(4);
  ASSERT_EQ(log.size(), 22u);
  EXPECT_EQ(log[0], "read 我的文件夹/31");
  EXPECT_EQ(log[1], "slot 1=D:\\a");
  EXPECT_EQ(log[19], "slot 10=C:\\");
  EXPECT_EQ(log[20], "status=目前状态：选择方案4");
  EXPECT_EQ(log[21], "write 方案/project=4");
}

TEST_F(PanelControllerTest, SchemeClickAgainRepeatsEveryStep) {
  controller.schemeClicked(10);
  test::Log first = log;
  log.clear();
  controller.schemeClicked(10);
  EXPECT_EQ(log, first);
  EXPECT_EQ(view.status, "\xC4\xBF\xC7\xB0\xD7\xB4\xCC\xAC\xA3\xBA\xD1\xA1\xD4\xF1\xB7\xBD\xB0\xB8" "10");
}

struct ModeClick {
  const char* name;
  void (PanelController::*handler)();
  test::Log expected;
};

class ModeClickTest : public PanelControllerTest, public ::testing::WithParamInterface<ModeClick> {};

TEST_P(ModeClickTest, WritesTheChoiceAndSetsTheStatusAsTold) {
  view.status = "before";
  (controller.*GetParam().handler)();
  EXPECT_EQ(log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, ModeClickTest,
    ::testing::Values(
        ModeClick{"move", &PanelController::moveClicked,
                  {"status=目前状态：选择操作移动", "write 方案/operate=FileMove"}},
        ModeClick{"copy", &PanelController::copyClicked,
                  {"status=目前状态：选择操作复制", "write 方案/operate=FileCopy"}},
        // The dock radios leave the status line alone.
        ModeClick{"auto_hide", &PanelController::autoHideClicked, {"write 方案/show=no"}},
        ModeClick{"shown", &PanelController::shownClicked, {"write 方案/show=yes"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelControllerTest, ConfigToggleWidensThenNarrowsTo183) {
  controller.configClicked();
  EXPECT_EQ(log, (test::Log{"width=213", "status=目前状态：点击>>>设置文件夹", "caption=完成"}));
  log.clear();
  controller.configClicked();
  EXPECT_EQ(log, (test::Log{"caption=配置", "width=183", "status=目前状态：设置成功"}));
  EXPECT_EQ(profile.size(), 0u);
}

TEST_F(PanelControllerTest, ConfigToggleTreatsAnyOtherCaptionAsConfigurationMode) {
  for (const char* caption : {"", "配置 ", "完成", "x"}) {
    view.caption = caption;
    controller.configClicked();
    EXPECT_EQ(view.caption, "配置") << caption;
    EXPECT_EQ(view.width, 183) << caption;
  }
}

TEST_F(PanelControllerTest, FailedWritesLeaveTheViewShowingTheChoice) {
  profile.readOnly = true;
  controller.schemeClicked(2);
  controller.copyClicked();
  EXPECT_EQ(view.status, "目前状态：选择操作复制");
  EXPECT_EQ(view.slots[0], "C:\\");
  EXPECT_EQ(profile.size(), 0u);
}

// Start-up's restore, one row per line of the three restore tables.
struct RestoreCase {
  const char* name;
  const char* show;     // nullptr: key absent
  const char* operate;  // nullptr: key absent
  const char* project;  // nullptr: key absent
  bool autoHide, shown, move, copy;
  std::vector<int> checkedSchemes;
  const char* firstSlot;  // what slot box 1 shows afterwards
};

class RestoreTest : public PanelControllerTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, SetsChecksAsTheFileSaysAndWritesNothing) {
  const RestoreCase& c = GetParam();
  if (c.show) profile.set("方案", "show", c.show);
  if (c.operate) profile.set("方案", "operate", c.operate);
  if (c.project) profile.set("方案", "project", c.project);
  for (int scheme = 1; scheme <= 10; ++scheme)
    profile.set("我的文件夹", slotKey(scheme, 1), "S" + std::to_string(scheme));
  const std::size_t storedBefore = profile.size();

  restorePanelChoices(view, settings, schemes);

  EXPECT_EQ(view.radioChecked(Radio::AutoHide), c.autoHide);
  EXPECT_EQ(view.radioChecked(Radio::Shown), c.shown);
  EXPECT_EQ(view.radioChecked(Radio::Move), c.move);
  EXPECT_EQ(view.radioChecked(Radio::Copy), c.copy);
  for (int scheme = 1; scheme <= 10; ++scheme) {
    bool expected = std::find(c.checkedSchemes.begin(), c.checkedSchemes.end(), scheme) !=
                    c.checkedSchemes.end();
    EXPECT_EQ(view.schemeChecked(scheme), expected) << "scheme " << scheme;
  }
  EXPECT_EQ(view.slots[0], c.firstSlot);
  EXPECT_EQ(profile.size(), storedBefore);
  for (const auto& entry : log) EXPECT_NE(entry.rfind("write", 0), 0u) << entry;
  EXPECT_EQ(view.status, "");
}

const std::vector<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

INSTANTIATE_TEST_SUITE_P(
    Rows, RestoreTest,
    ::testing::Values(
        RestoreCase{"fresh", nullptr, nullptr, nullptr, false, true, true, false, kAll, "S10"},
        RestoreCase{"show_yes", "yes", "FileMove", "3", false, true, true, false, {3}, "S3"},
        RestoreCase{"show_no_copy", "no", "FileCopy", "10", true, false, false, true, {10}, "S10"},
        RestoreCase{"show_Yes", "Yes", "FileMove", "1", false, false, true, false, {1}, "S1"},
        RestoreCase{"show_empty", "", "filecopy", "2", false, false, false, false, {2}, "S2"},
        RestoreCase{"operate_empty", "yes", "", "5", false, true, false, false, {5}, "S5"},
        RestoreCase{"project_0", "yes", "FileMove", "0", false, true, true, false, {}, ""},
        RestoreCase{"project_11", "yes", "FileMove", "11", false, true, true, false, {}, ""},
        RestoreCase{"project_empty", "yes", "FileMove", "", false, true, true, false, {}, ""},
        RestoreCase{"project_spaced", "yes", "FileMove", " 3", false, true, true, false, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelControllerTest, RestoreReadCounts) {
  auto reads = [&] {
    return std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("read", 0) == 0; });
  };
  restorePanelChoices(view, settings, schemes);
  EXPECT_EQ(reads(), 114);  // no project: every scheme loads
  log.clear();
  profile.set("方案", "project", "3");
  restorePanelChoices(view, settings, schemes);
  EXPECT_EQ(reads(), 24);
  log.clear();
  profile.set("方案", "project", "x");
  restorePanelChoices(view, settings, schemes);
  EXPECT_EQ(reads(), 14);
}

}  // namespace
}  // namespace fdt
