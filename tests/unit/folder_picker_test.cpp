#include "panel/folder_picker.h"

#include <gtest/gtest.h>

#include "shell_fakes.h"

namespace fdt {
namespace {

class FolderPickerTest : public ::testing::Test {
 protected:
  test::FakeBrowseDialog dialog;
  FolderPicker picker{dialog};

  BrowseRequest requestFor(const PickOptions& options) {
    picker.pick(options);
    EXPECT_EQ(dialog.requests.size(), 1u);
    return dialog.requests.back();
  }
};

TEST_F(FolderPickerTest, NoArgumentsAsksForAFolderWithTheNewStyleOnly) {
  picker.pick();
  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].title, "请选择一个文件夹");
  EXPECT_EQ(dialog.requests[0].flags, 0x40u);
  EXPECT_FALSE(dialog.requests[0].initialFolder.has_value());
}

struct FlagCase {
  bool includeFiles, editBox, newStyle;
  unsigned flags;
};

TEST_F(FolderPickerTest, EachSwitchAddsItsFlag) {
  const FlagCase cases[] = {
      {false, false, true, 0x40},    {false, false, false, 0x0},   {false, true, true, 0x50},
      {true, false, true, 0x4040},   {true, true, false, 0x4010},  {true, true, true, 0x4050},
  };
  for (const FlagCase& c : cases) {
    PickOptions options;
    options.includeFiles = c.includeFiles;
    options.editBox = c.editBox;
    options.newStyle = c.newStyle;
    picker.pick(options);
    EXPECT_EQ(dialog.requests.back().flags, c.flags)
        << c.includeFiles << c.editBox << c.newStyle;
  }
}

TEST_F(FolderPickerTest, GivenTitleAndInitialFolderReachTheDialogAsGiven) {
  PickOptions options;
  options.title = "";
  options.initialFolder = "D:\\旧 目录";
  BrowseRequest request = requestFor(options);
  EXPECT_EQ(request.title, "");
  EXPECT_EQ(request.initialFolder, std::optional<std::string>("D:\\旧 目录"));
}

TEST_F(FolderPickerTest, AnswerLosesHalfAndFullWidthSpacesAtBothEnds) {
  const struct {
    const char* answer;
    const char* result;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"　 　", ""},
      {"C:\\a b", "C:\\a b"},
      {"  C:\\a b  ", "C:\\a b"},
      {"　C:\\新 文件夹　 ", "C:\\新 文件夹"},
      {" \xA1\xA1" "D:\\啊", "D:\\啊"},
  };
  for (const auto& c : cases) {
    dialog.answer = c.answer;
    EXPECT_EQ(picker.pick(), c.result) << '"' << c.answer << '"';
  }
}

}  // namespace
}  // namespace fdt
