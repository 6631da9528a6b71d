#include "core/scheme_model.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace fdt {
namespace {

TEST(SlotKeyTest, DecimalDigitsOneToHundred) {
  EXPECT_EQ(slotKey(1, 1), "1");
  EXPECT_EQ(slotKey(1, 10), "10");
  EXPECT_EQ(slotKey(6, 5), "55");
  EXPECT_EQ(slotKey(10, 1), "91");
  EXPECT_EQ(slotKey(10, 10), "100");
}

class SchemeModelTest : public ::testing::Test {
 protected:
  void checkSchemes(std::initializer_list<int> schemes) {
    for (int n : schemes) view.setRadioChecked(schemeRadio(n), true);
  }
  std::vector<std::string> writes() const {
    std::vector<std::string> out;
    for (const auto& entry : log)
      if (entry.rfind("write", 0) == 0) out.push_back(entry);
    return out;
  }

  test::Log log;
  test::MemoryProfile profile{log};
  test::FakePanelView view{log};
  SettingsFile settings{profile, "C:\\app"};
  SchemeModel model{settings, view};
};

TEST_F(SchemeModelTest, LoadWithoutFileFillsEveryBoxWithTheDefault) {
  model.loadScheme(1);
  for (const auto& slot : view.slots) EXPECT_EQ(slot, "C:\\");
}

TEST_F(SchemeModelTest, LoadReadsTheTenKeysInOrderAndSetsEachBox) {
  profile.set("我的文件夹", "91", "D:\\工作");
  profile.set("我的文件夹", "95", "");
  view.slots[4] = "old";
  model.loadScheme(10);
  test::Log expected;
  for (int slot = 1; slot <= 10; ++slot) {
    std::string text = slot == 1 ? "D:\\工作" : slot == 5 ? "" : "C:\\";
    expected.push_back("read 我的文件夹/" + std::to_string(90 + slot));
    expected.push_back("slot " + std::to_string(slot) + "=" + text);
  }
  EXPECT_EQ(log, expected);
}

TEST_F(SchemeModelTest, AssignWritesIntoTheOneCheckedScheme) {
  checkSchemes({7});
  model.assignSlot(4, "E:\\下载");
  EXPECT_EQ(writes(), test::Log{"write 我的文件夹/64=E:\\下载"});
}

TEST_F(SchemeModelTest, AssignWritesIntoEveryCheckedSchemeInOrder) {
  checkSchemes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  model.assignSlot(4, "E:\\x");
  test::Log expected;
  for (int key : {4, 14, 24, 34, 44, 54, 64, 74, 84, 94})
    expected.push_back("write 我的文件夹/" + std::to_string(key) + "=E:\\x");
  EXPECT_EQ(writes(), expected);
}

TEST_F(SchemeModelTest, AssignWithNoSchemeCheckedWritesNothing) {
  model.assignSlot(4, "E:\\x");
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(profile.size(), 0u);
}

TEST_F(SchemeModelTest, SelectedSchemeIsStoredAndReadUnderProject) {
  model.storeSelectedScheme("10");
  EXPECT_EQ(profile.get("方案", "project"), "10");
  EXPECT_EQ(model.readSelectedScheme("3"), "10");
}

}  // namespace
}  // namespace fdt
