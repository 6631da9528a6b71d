#include "help/help_texts.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "help/page_choice.h"

namespace fdt {
namespace {

TEST(HelpText, IsTheTenUsageLinesJoinedByCrLfWithTheIndentedContactLineLast) {
  const std::string lines[] = {
      std::string(17, ' ') + "飞档通V4.0",
      "功能，使用方法：",
      "",
      "1.注意：软件界面隐藏在屏幕左侧，鼠标移动到屏幕左侧，软件界面弹出！",
      "",
      "2.文件夹，目录管理：可以管理100个文件夹，第一次使用请先点击上方“配置”按钮，设置相应的文件夹，"
      "然后点击“完成”即可完成配置！左键单击相应目录，即可打开目录，可以快速切换到不同的文件夹！",
      "",
      "3.文件（夹）快速“复制”或“移动”功能！“拖放文件或文件夹”到“指定设置目录”，"
      "即可完成“复制”或“移动”文件或文件夹到指定目录！",
      "",
      std::string(11, ' ') + texts::kContactLine + "   ",
  };
  std::string expected = lines[0];
  for (std::size_t i = 1; i < std::size(lines); ++i) expected += "\r\n" + lines[i];
  EXPECT_EQ(std::string(texts::kHelpText), expected);
}

TEST(HelpText, PunctuationIsFullWidthAndTheContactLineHasNoOuterSpaces) {
  EXPECT_EQ(std::string(texts::kHelpText).find_first_of(",:!()\"?"), std::string::npos);
  const std::string contact = texts::kContactLine;
  ASSERT_FALSE(contact.empty());
  EXPECT_NE(contact.front(), ' ');
  EXPECT_NE(contact.back(), ' ');
}

TEST(HelpPage, OddMinutesOpenTheChangeLogAndEvenMinutesTheHomePage) {
  ASSERT_STRNE(texts::kBlogPage, texts::kHomePage);
  for (int minute = 0; minute <= 59; ++minute) {
    EXPECT_STREQ(helpPageForMinute(minute), minute % 2 == 1 ? texts::kBlogPage : texts::kHomePage)
        << minute;
  }
}

}  // namespace
}  // namespace fdt
