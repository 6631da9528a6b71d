#include "transfer/drop_transfer.h"

#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "fakes.h"

namespace fdt {
namespace {

// Logs every question and transfer into the panel's log, so that the order
// of reads, transfers and status texts shows in one list.
class FakeDropShell final : public DropShell {
 public:
  explicit FakeDropShell(test::Log& log) : log_(log) {}

  bool isFolder(const std::string& path) const override {
    log_.push_back("folder? " + path);
    return folders.count(path) != 0;
  }
  bool transfer(TransferMode mode, const std::string& destination,
                const std::string& source) override {
    log_.push_back((mode == TransferMode::Move ? "move " : "copy ") + source + " -> " + destination);
    if (duringTransfer) duringTransfer();
    return failing.count(source) == 0;
  }

  std::set<std::string> folders;
  std::set<std::string> failing;
  std::function<void()> duringTransfer;

 private:
  test::Log& log_;
};

class DropTransferTest : public ::testing::Test {
 protected:
  test::Log log;
  test::FakePanelView view{log};
  FakeDropShell shell{log};
};

// One item dropped on slot 3 of a panel whose slot 3 holds `slotText`.
struct ItemCase {
  const char* name;
  std::string slotText;
  bool moveChecked;
  bool copyChecked;
  bool shellFails;
  test::Log expected;
};

class DropItemTest : public DropTransferTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(DropItemTest, ChoosesDestinationModeAndStatus) {
  const ItemCase& c = GetParam();
  shell.folders = {"D:\\目标", "  D:\\a"};
  if (c.shellFails) shell.failing = {"C:\\f.txt"};
  view.slots[2] = c.slotText;
  view.checks[Radio::Move] = c.moveChecked;
  view.checks[Radio::Copy] = c.copyChecked;
  transferDroppedItems(view, 3, {"C:\\f.txt"}, shell);
  EXPECT_EQ(log, c.expected);
}

const std::string kFull = "\xA1\xA1";

INSTANTIATE_TEST_SUITE_P(
    Cases, DropItemTest,
    ::testing::Values(
        ItemCase{"move", "D:\\目标", true, false, false,
                 {"folder? D:\\目标", "move C:\\f.txt -> D:\\目标", "status=目前状态：移动成功"}},
        ItemCase{"move_fails", "D:\\目标", true, false, true,
                 {"folder? D:\\目标", "move C:\\f.txt -> D:\\目标", "status=目前状态：移动失败"}},
        ItemCase{"copy", "D:\\目标", false, true, false,
                 {"folder? D:\\目标", "copy C:\\f.txt -> D:\\目标", "status=目前状态：复制成功"}},
        ItemCase{"copy_fails", "D:\\目标", false, true, true,
                 {"folder? D:\\目标", "copy C:\\f.txt -> D:\\目标", "status=目前状态：复制失败"}},
        ItemCase{"neither_radio_copies", "D:\\目标", false, false, false,
                 {"folder? D:\\目标", "copy C:\\f.txt -> D:\\目标", "status=目前状态：复制成功"}},
        ItemCase{"trailing_spaces_removed", "D:\\目标 " + kFull + "  ", true, false, false,
                 {"folder? D:\\目标", "move C:\\f.txt -> D:\\目标", "status=目前状态：移动成功"}},
        ItemCase{"leading_spaces_stay", "  D:\\a ", false, true, false,
                 {"folder? " "  D:\\a", "copy C:\\f.txt -> " "  D:\\a", "status=目前状态：复制成功"}},
        ItemCase{"empty_slot_fails_unasked", "", true, false, false, {"status=目前状态：移动失败"}},
        ItemCase{"only_spaces_fails_unasked", " " + kFull, false, true, false,
                 {"status=目前状态：复制失败"}},
        ItemCase{"missing_folder_fails", "D:\\gone", true, false, false,
                 {"folder? D:\\gone", "status=目前状态：移动失败"}},
        ItemCase{"missing_folder_copy_fails", "D:\\gone", false, true, false,
                 {"folder? D:\\gone", "status=目前状态：复制失败"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropTransferTest, ItemsGoOneByOneInDropOrderAndAFailureDoesNotStopTheNext) {
  shell.folders = {"D:\\a"};
  shell.failing = {"C:\\2"};
  view.slots[1] = "D:\\a";
  view.checks[Radio::Move] = true;
  view.status = "before";
  transferDroppedItems(view, 2, {"C:\\1", "C:\\2", "C:\\3"}, shell);
  EXPECT_EQ(log, (test::Log{"folder? D:\\a", "move C:\\1 -> D:\\a", "status=目前状态：移动成功",
                            "folder? D:\\a", "move C:\\2 -> D:\\a", "status=目前状态：移动失败",
                            "folder? D:\\a", "move C:\\3 -> D:\\a", "status=目前状态：移动成功"}));
}

TEST_F(DropTransferTest, ModeAndSlotTextAreReadAgainForEveryItem) {
  shell.folders = {"D:\\a", "D:\\b"};
  view.slots[9] = "D:\\a";
  view.checks[Radio::Move] = true;
  shell.duringTransfer = [&] {
    view.checks[Radio::Move] = false;
    view.checks[Radio::Copy] = true;
    view.slots[9] = "D:\\b";
  };
  transferDroppedItems(view, 10, {"C:\\1", "C:\\2"}, shell);
  EXPECT_EQ(log, (test::Log{"folder? D:\\a", "move C:\\1 -> D:\\a", "status=目前状态：移动成功",
                            "folder? D:\\b", "copy C:\\2 -> D:\\b", "status=目前状态：复制成功"}));
}

TEST_F(DropTransferTest, NoSlotUnderTheDropTransfersNothingAndKeepsTheStatus) {
  shell.folders = {"D:\\a"};
  for (std::string& slot : view.slots) slot = "D:\\a";
  view.status = "before";
  transferDroppedItems(view, 0, {"C:\\1", "C:\\2"}, shell);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(view.status, "before");
}

TEST_F(DropTransferTest, NoItemsLeaveTheStatusAlone) {
  view.slots[0] = "D:\\a";
  shell.folders = {"D:\\a"};
  transferDroppedItems(view, 1, {}, shell);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace fdt
