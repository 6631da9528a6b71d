#include "transfer/shell_transfer_lists.h"

#include <gtest/gtest.h>

namespace fdt {
namespace {

using namespace std::string_literals;

struct SourceCase {
  const char* name;
  std::vector<std::string> sources;
  std::string expected;
};

class SourceListTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceListTest, KeepsNonEmptySourcesInOrder) {
  EXPECT_EQ(sourceList(GetParam().sources), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SourceListTest,
    ::testing::Values(
        SourceCase{"one", {"C:\\a.txt"}, "C:\\a.txt\0\0"s},
        SourceCase{"order_kept", {"C:\\b", "C:\\a", "D:\\c"}, "C:\\b\0C:\\a\0D:\\c\0\0"s},
        SourceCase{"empty_skipped", {"", "C:\\a", "", "C:\\b", ""}, "C:\\a\0C:\\b\0\0"s},
        SourceCase{"double_byte", {"C:\\下载\\乗.txt"}, "C:\\下载\\乗.txt\0\0"s},
        SourceCase{"spaces_are_a_source", {" "}, " \0\0"s},
        SourceCase{"none", {}, ""},
        SourceCase{"only_empty", {"", ""}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DestinationListTest, OneEntryOrTwoNulsWhenEmpty) {
  EXPECT_EQ(destinationList("D:\\目标"), "D:\\目标\0\0"s);
  EXPECT_EQ(destinationList(""), "\0\0"s);
  EXPECT_EQ(destinationList("  D:\\a"), "  D:\\a\0\0"s);
}

}  // namespace
}  // namespace fdt
