#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace fdt {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  test::Log log;
  test::MemoryProfile profile{log};
  SettingsFile settings{profile, "D:\\工具"};
};

TEST_F(SettingsFileTest, ReadsThroughTheSettingsPathWithTheBufferSize) {
  profile.set("方案", "show", "no");
  EXPECT_EQ(settings.read("方案", "show", "yes"), "no");
  EXPECT_EQ(profile.lastPath, "D:\\工具\\sys.ini");
  EXPECT_EQ(profile.lastBufferSize, 10240u);
}

TEST_F(SettingsFileTest, MissingKeyGivesDefaultAndEmptyValueGivesEmpty) {
  EXPECT_EQ(settings.read("方案", "show", "yes"), "yes");
  profile.set("方案", "show", "");
  EXPECT_EQ(settings.read("方案", "show", "yes"), "");
}

TEST_F(SettingsFileTest, BlankSectionOrKeyGivesEmptyWithoutConsultingTheFile) {
  for (auto [section, key] : {std::pair{"", "show"}, {" \t", "show"}, {"方案", ""}, {"方案", "  "}}) {
    EXPECT_EQ(settings.read(section, key, "yes"), "") << "[" << section << "] " << key;
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(SettingsFileTest, LeadingBlanksOfSectionAndKeyAreSkippedBeforeTheRead) {
  profile.set("方案", "show", "no");
  EXPECT_EQ(settings.read(" 方案", "\tshow", "yes"), "no");
}

TEST(SettingsFilePathTest, BlankRunDirectoryStillReadsSysIni) {
  // The path always holds "\sys.ini", so it is never blank after the skip.
  test::Log log;
  test::MemoryProfile profile{log};
  SettingsFile settings{profile, ""};
  settings.read("方案", "show", "yes");
  EXPECT_EQ(profile.lastPath, "\\sys.ini");
}

TEST_F(SettingsFileTest, WritePassesEmptyTextsThrough) {
  EXPECT_TRUE(settings.write("方案", "show", ""));
  EXPECT_EQ(log.back(), "write 方案/show=");
  EXPECT_EQ(profile.get("方案", "show"), "");
  EXPECT_EQ(profile.lastPath, "D:\\工具\\sys.ini");
}

TEST(RunDirectoryTest, SettingsPathBesideTheExecutable) {
  test::Log log;
  test::MemoryProfile profile{log};
  EXPECT_EQ(SettingsFile(profile, runDirectoryOf("C:\\tool.exe")).path(), "C:\\sys.ini");
  EXPECT_EQ(SettingsFile(profile, runDirectoryOf("D:\\工具\\tool.exe")).path(), "D:\\工具\\sys.ini");
  EXPECT_EQ(SettingsFile(profile, runDirectoryOf("D:\\乗\\tool.exe")).path(), "D:\\乗\\sys.ini");
}

}  // namespace
}  // namespace fdt
