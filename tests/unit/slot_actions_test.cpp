#include "panel/slot_actions.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "shell_fakes.h"

namespace fdt {
namespace {

class SlotActionsTest : public ::testing::Test {
 protected:
  test::Log log;
  test::MemoryProfile profile{log};
  test::FakePanelView view{log};
  SettingsFile settings{profile, "C:\\app"};
  SchemeModel schemes{settings, view};
  test::FakeLauncher launcher{log};
  test::FakeBrowseDialog dialog;
  FolderPicker picker{dialog};
  SlotActions actions{view, schemes, launcher, picker};
};

TEST_F(SlotActionsTest, PressOpensTheBoxTextUnchangedThenSetsTheStatusWhateverTheOutcome) {
  const struct {
    int slot;
    const char* text;
    bool opened;
  } cases[] = {
      {3, "D:\\工作", true},
      {1, "  D:\\gone　", false},
      {10, "", false},
  };
  for (const auto& c : cases) {
    log.clear();
    view.slots[c.slot - 1] = c.text;
    launcher.result = c.opened;
    actions.slotPressed(c.slot);
    EXPECT_EQ(log, (test::Log{std::string("open ") + c.text, "status=目前状态：打开指定目录"}))
        << c.slot;
  }
}

TEST_F(SlotActionsTest, PanelDoubleClickOpensTheComputerViewAndNothingElse) {
  view.status = "before";
  for (bool opened : {true, false}) {
    log.clear();
    launcher.result = opened;
    actions.panelDoubleClicked();
    EXPECT_EQ(log, test::Log{"open ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"});
  }
  EXPECT_EQ(view.status, "before");
}

TEST_F(SlotActionsTest, BrowseAsksWithoutArguments) {
  actions.browseClicked(2);
  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].title, "请选择一个文件夹");
  EXPECT_EQ(dialog.requests[0].flags, 0x40u);
  EXPECT_FALSE(dialog.requests[0].initialFolder.has_value());
}

TEST_F(SlotActionsTest, CancelledOrBlankBrowseChangesNothing) {
  view.setRadioChecked(schemeRadio(1), true);
  view.slots[3] = "D:\\old";
  view.status = "before";
  for (const char* answer : {"", "  　"}) {
    dialog.answer = answer;
    actions.browseClicked(4);
  }
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(view.slots[3], "D:\\old");
  EXPECT_EQ(profile.size(), 0u);
  EXPECT_EQ(view.status, "before");
}

TEST_F(SlotActionsTest, ChosenPathIsShownThenStoredTrimmedInEveryCheckedScheme) {
  view.setRadioChecked(schemeRadio(2), true);
  view.setRadioChecked(schemeRadio(7), true);
  view.status = "before";
  dialog.answer = " 　D:\\新 文件夹　 ";
  actions.browseClicked(4);
  EXPECT_EQ(log, (test::Log{"slot 4=D:\\新 文件夹", "write 我的文件夹/14=D:\\新 文件夹",
                            "write 我的文件夹/64=D:\\新 文件夹"}));
  EXPECT_EQ(view.status, "before");
}

}  // namespace
}  // namespace fdt
