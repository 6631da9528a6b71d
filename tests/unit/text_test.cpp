#include "core/text.h"

#include <gtest/gtest.h>

namespace fdt {
namespace {

struct TrimCase {
  const char* name;
  std::string input;
  TrimSide side;
  std::string expected;
};

class TrimSpacesTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimSpacesTest, RemovesOnlyRealSpaces) {
  EXPECT_EQ(trimSpaces(GetParam().input, GetParam().side), GetParam().expected);
}

const std::string kFull = "\xA1\xA1";  // the full-width space
const std::string kAh = "\xB0\xA1";    // 啊: its trail byte is A1

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimSpacesTest,
    ::testing::Values(
        TrimCase{"empty", "", TrimSide::Both, ""},
        TrimCase{"only_spaces", "  " + kFull + " ", TrimSide::Both, ""},
        TrimCase{"half_both", "  D:\\a  ", TrimSide::Both, "D:\\a"},
        TrimCase{"end_keeps_leading", "  D:\\a   ", TrimSide::End, "  D:\\a"},
        TrimCase{"start_keeps_trailing", " D:\\a ", TrimSide::Start, "D:\\a "},
        TrimCase{"full_width_mixed", kFull + " D:\\a" + kFull + " " + kFull, TrimSide::Both, "D:\\a"},
        TrimCase{"inner_spaces_stay", "D:\\a b" + kFull + "c", TrimSide::Both, "D:\\a b" + kFull + "c"},
        TrimCase{"tab_and_newline_stay", "\tD:\\a\r\n", TrimSide::Both, "\tD:\\a\r\n"},
        // Trail byte A1 followed by a lone A1: a backwards scan would see A1 A1.
        TrimCase{"trail_a1_not_full_space", "D:\\" + kAh + "\xA1", TrimSide::End, "D:\\" + kAh + "\xA1"},
        TrimCase{"trail_a1_then_full_space", "D:\\" + kAh + kFull, TrimSide::End, "D:\\" + kAh},
        // A lead byte takes the next byte with it, also a 0x20.
        TrimCase{"trail_0x20_stays", "D:\\\xB0 ", TrimSide::End, "D:\\\xB0 "},
        TrimCase{"lone_lead_at_end", "D:\\\xB0", TrimSide::Both, "D:\\\xB0"},
        TrimCase{"leading_full_width_then_kanji", kFull + kAh, TrimSide::Start, kAh}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AsciiLowerTest, ChangesSingleByteCapitalsOnly) {
  EXPECT_EQ(asciiLower("EDIT"), "edit");
  EXPECT_EQ(asciiLower("EdIt09[@Z"), "edit09[@z");
  // 81 41 and 81 5A are double-byte characters whose trail bytes look like 'A' and 'Z'.
  EXPECT_EQ(asciiLower("A\x81\x41" "B\x81\x5A"), "a\x81\x41" "b\x81\x5A");
  EXPECT_EQ(asciiLower(""), "");
}

struct CutCase {
  std::string path;
  std::string expected;
};

class CutBeforeLastBackslashTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutBeforeLastBackslashTest, WalksDoubleByteText) {
  EXPECT_EQ(cutBeforeLastBackslash(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutBeforeLastBackslashTest,
    ::testing::Values(CutCase{"C:\\tool.exe", "C:"},
                      CutCase{"D:\\工具\\feidangtong.exe", "D:\\工具"},
                      // 乗 is 81 5C: its trail byte is a backslash.
                      CutCase{"D:\\乗\\a.exe", "D:\\乗"},
                      CutCase{"D:\\乗.exe", "D:"},
                      CutCase{"D:\\a\\乗", "D:\\a"},
                      CutCase{"noslash", "noslash"}));

TEST(SkipLeadingControlAndSpaceTest, SkipsBytesUpToSpace) {
  EXPECT_EQ(skipLeadingControlAndSpace(" \t\r\n\x01 x y"), "x y");
  EXPECT_EQ(skipLeadingControlAndSpace(" \t "), "");
  EXPECT_EQ(skipLeadingControlAndSpace("\xA1\xA1x"), "\xA1\xA1x");  // not a control byte
}

TEST(ExecCharsetTest, LiteralsAreCodePage936) {
  EXPECT_EQ(std::string("方案"), "\xB7\xBD\xB0\xB8");
}

}  // namespace
}  // namespace fdt
