// The settings file over the real profile functions, in temporary folders.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "platform/win_profile.h"
#include "temp_dir.h"

namespace fdt {
namespace {

class WinSettingsFileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  WinProfile profile;
  SettingsFile settings{profile, dir.path()};
  std::string iniPath() const { return dir.path() + "\\sys.ini"; }
};

TEST_F(WinSettingsFileTest, ReadsGiveDefaultsAndNeverCreateTheFile) {
  EXPECT_EQ(settings.read("方案", "show", "yes"), "yes");
  EXPECT_EQ(settings.read("我的文件夹", "1", "C:\\"), "C:\\");
  EXPECT_FALSE(test::fileExists(iniPath()));
}

TEST_F(WinSettingsFileTest, FirstWriteCreatesSectionAndKeyInCodePage936) {
  settings.write("方案", "project", "3");
  EXPECT_EQ(test::readFileBytes(iniPath()), "[\xB7\xBD\xB0\xB8]\r\nproject=3\r\n");
}

TEST_F(WinSettingsFileTest, RewrittenKeyKeepsItsPlace) {
  settings.write("方案", "project", "3");
  settings.write("方案", "operate", "FileCopy");
  settings.write("方案", "show", "no");
  settings.write("我的文件夹", "21", "D:\\Work");
  settings.write("方案", "operate", "FileMove");
  EXPECT_EQ(test::readFileBytes(iniPath()),
            "[方案]\r\nproject=3\r\noperate=FileMove\r\nshow=no\r\n"
            "[我的文件夹]\r\n21=D:\\Work\r\n");
}

TEST_F(WinSettingsFileTest, EmptyValueIsWrittenAndReadAsEmpty) {
  settings.write("方案", "show", "");
  EXPECT_EQ(test::readFileBytes(iniPath()), "[方案]\r\nshow=\r\n");
  EXPECT_EQ(settings.read("方案", "show", "yes"), "");
}

TEST_F(WinSettingsFileTest, ValuePastTheBufferReadsBackCut) {
  const std::string longValue(12000, 'x');
  dir.makeFile("sys.ini", "[方案]\r\nproject=" + longValue + "\r\n");
  EXPECT_EQ(settings.read("方案", "project", "1"), std::string(10239, 'x'));
}

TEST_F(WinSettingsFileTest, DoubleByteValuesRoundTrip) {
  settings.write("我的文件夹", "55", "E:\\下载\\乗");
  EXPECT_EQ(settings.read("我的文件夹", "55", "C:\\"), "E:\\下载\\乗");
}

// The run directory cut from an executable path, and the file that results.
struct FolderCase {
  const char* name;
  const char* folder;
};

class WinSettingsPathTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(WinSettingsPathTest, FileLandsBesideTheExecutable) {
  test::TempDir dir;
  const std::string folder = dir.makeDir(GetParam().folder);
  WinProfile profile;
  SettingsFile settings{profile, runDirectoryOf(folder + "\\feidangtong.exe")};
  EXPECT_EQ(settings.path(), folder + "\\sys.ini");
  settings.write("方案", "project", "7");
  EXPECT_TRUE(test::fileExists(folder + "\\sys.ini"));
  EXPECT_EQ(settings.read("方案", "project", "1"), "7");
}

INSTANTIATE_TEST_SUITE_P(Folders, WinSettingsPathTest,
                         ::testing::Values(FolderCase{"plain", "plain"},
                                           FolderCase{"double_byte", "工具"},
                                           FolderCase{"trail_byte_backslash", "乗"},
                                           FolderCase{"nested", "工具\\乗乗"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WinSettingsRootTest, ExecutableInADriveRootUsesRootSysIni) {
  WinProfile profile;
  SettingsFile settings{profile, runDirectoryOf("C:\\tool.exe")};
  ASSERT_EQ(settings.path(), "C:\\sys.ini");
  DeleteFileA("C:\\sys.ini");
  settings.write("方案", "show", "no");
  EXPECT_EQ(test::readFileBytes("C:\\sys.ini"), "[方案]\r\nshow=no\r\n");
  DeleteFileA("C:\\sys.ini");
}

TEST(WinExecutablePathTest, RunDirectoryHoldsTheTestExecutable) {
  const std::string exe = executablePath();
  const std::string dir = runDirectoryOf(exe);
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  EXPECT_TRUE(test::fileExists(exe));
  EXPECT_EQ(exe.substr(0, dir.size() + 1), dir + "\\");
}

}  // namespace
}  // namespace fdt
