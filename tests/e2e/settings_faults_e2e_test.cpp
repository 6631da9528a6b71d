// The settings file failing under the running program: unwritable, locked by
// another program, or deleted. Clicks must still change the view, nothing
// may crash, and what the file could not take is gone at the next start.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "running_panel.h"

namespace fdt::test {
namespace {

std::string unixPathOf(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  if (!toUnix) throw std::runtime_error("not running under Wine");
  std::vector<wchar_t> wide(windowsPath.size() + 1);
  MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  char* unixPath = toUnix(wide.data());
  const std::string path = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return path;
}

// Wine hands out no handle to a host program, so the driver cannot wait for
// one to end: the shell leaves a mark when the command has succeeded.
bool runHostShell(const std::string& command) {
  TempDir marks;
  const std::string mark = marks.path() + "\\done";
  runHostCommand("Z:\\bin\\sh -c \"" + command + " && touch '" + unixPathOf(mark) + "'\"");
  return waitFor([&] { return fileExists(mark); });
}

// The tests run as root, who writes through permission bits and the DOS
// read-only attribute alike; the immutable flag stops root too.
class Unwritable {
 public:
  explicit Unwritable(std::string path) : path_(unixPathOf(path)) {
    if (!runHostShell("chattr +i '" + path_ + "'")) throw std::runtime_error("chattr +i failed on " + path_);
  }
  ~Unwritable() { runHostShell("chattr -i '" + path_ + "'"); }
  Unwritable(const Unwritable&) = delete;
  Unwritable& operator=(const Unwritable&) = delete;

 private:
  std::string path_;
};

bool canOpenForWriting(const std::string& path, DWORD disposition) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  if (disposition == CREATE_NEW) DeleteFileA(path.c_str());
  return true;
}

int panelWidth(const RunningPanel& app) {
  RECT rect{};
  GetWindowRect(app.panel(), &rect);
  return rect.right - rect.left;
}

void expectOnlySchemeChecked(const RunningPanel& app, int scheme) {
  for (int number = 1; number <= 10; ++number) EXPECT_EQ(app.checked(number), number == scheme) << "单选框" << number;
}

void expectSlots(const RunningPanel& app, const std::vector<std::string>& texts) {
  for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(windowText(app.slotBox(slot)), texts[slot - 1]) << "编辑框" << slot;
}

std::vector<std::string> schemeTexts(const std::string& prefix, int scheme) {
  std::vector<std::string> texts;
  for (int key = scheme * 10 - 9; key <= scheme * 10; ++key) texts.push_back(prefix + std::to_string(key));
  return texts;
}

const std::vector<std::string> kDefaultSlots(10, "C:\\");

// Scheme 4, move, auto-hide and configuration mode, with the view as each
// click must leave it whatever became of the writes.
void clickThroughTheChoices(const RunningPanel& app, const std::vector<std::string>& scheme4Slots) {
  app.click(app.radio(4));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择方案4"; }));
  expectOnlySchemeChecked(app, 4);
  expectSlots(app, scheme4Slots);
  app.click(app.radio(11));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择操作移动"; }));
  EXPECT_TRUE(app.checked(11));
  EXPECT_FALSE(app.checked(12));
  app.click(app.radio(15));  // the pointer stays on the panel, so it does not hide
  ASSERT_TRUE(waitFor([&] { return app.checked(15); }));
  EXPECT_FALSE(app.checked(16));
  app.click(app.button(11));
  ASSERT_TRUE(waitFor([&] { return panelWidth(app) == 213; }));
  EXPECT_EQ(windowText(app.button(11)), "完成");
  EXPECT_EQ(app.status(), "目前状态：点击>>>设置文件夹");
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE);
}

TEST(SettingsFaultsE2ETest, UnwritableSettingsFileKeepsTheOldStateWhileClicksChangeTheView) {
  const std::string ini = "[方案]\r\nproject=2\r\noperate=FileCopy\r\nshow=yes\r\n" + slotIni({2, 4}, "D:\\f");
  RunningPanel app(ini);
  Unwritable readOnly(app.iniPath());
  ASSERT_FALSE(canOpenForWriting(app.iniPath(), OPEN_EXISTING));
  ASSERT_NO_FATAL_FAILURE(clickThroughTheChoices(app, schemeTexts("D:\\f", 4)));
  EXPECT_EQ(app.iniBytes(), ini);
  app.restart();
  expectOnlySchemeChecked(app, 2);
  expectSlots(app, schemeTexts("D:\\f", 2));
  EXPECT_TRUE(app.checked(12));
  EXPECT_FALSE(app.checked(11));
  EXPECT_TRUE(app.checked(16));
  EXPECT_FALSE(app.checked(15));
}

TEST(SettingsFaultsE2ETest, UnwritableRunDirectoryGetsNoFileWhileClicksChangeTheView) {
  RunningPanel app;
  Unwritable readOnly(app.directory());
  ASSERT_FALSE(canOpenForWriting(app.directory() + "\\probe.ini", CREATE_NEW));
  ASSERT_NO_FATAL_FAILURE(clickThroughTheChoices(app, kDefaultSlots));
  EXPECT_FALSE(app.iniExists());
  app.restart();  // as a first start: every scheme radio, move and shown
  for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16}) EXPECT_TRUE(app.checked(number)) << "单选框" << number;
  EXPECT_FALSE(app.checked(12));
  EXPECT_FALSE(app.checked(15));
  expectSlots(app, kDefaultSlots);
}

TEST(SettingsFaultsE2ETest, DeletedSettingsFileComesBackWithTheClickedKeysOnly) {
  RunningPanel app("[方案]\r\nproject=2\r\noperate=FileCopy\r\n" + slotIni({2, 4}, "D:\\f"));
  ASSERT_TRUE(app.checked(2));
  ASSERT_TRUE(DeleteFileA(app.iniPath().c_str()));
  app.click(app.radio(4));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择方案4"; }));
  expectSlots(app, kDefaultSlots);  // the folders went with the file
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=4\r\n");
  app.click(app.radio(11));
  ASSERT_TRUE(waitFor([&] { return app.status() == "目前状态：选择操作移动"; }));
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=4\r\noperate=FileMove\r\n");
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE);
}

TEST(SettingsFaultsE2ETest, LockedSettingsFileLosesTheClicksButNotTheView) {
  const std::string ini = "[方案]\r\nproject=2\r\noperate=FileCopy\r\n" + slotIni({2, 4}, "D:\\f");
  RunningPanel app(ini);
  HANDLE lock = CreateFileA(app.iniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  // While the file is locked, the profile reads are what the platform gives
  // for a file it cannot open.
  std::vector<std::string> scheme4;
  for (int key = 31; key <= 40; ++key) {
    char value[10240] = {};
    GetPrivateProfileStringA("我的文件夹", std::to_string(key).c_str(), "C:\\", value, sizeof value,
                             app.iniPath().c_str());
    scheme4.push_back(value);
  }
  ASSERT_NO_FATAL_FAILURE(clickThroughTheChoices(app, scheme4));
  CloseHandle(lock);
  EXPECT_EQ(app.iniBytes(), ini);
  app.click(app.radio(4));  // unlocked, the file is read and written again
  ASSERT_TRUE(waitFor([&] { return windowText(app.slotBox(1)) == "D:\\f31"; }));
  expectSlots(app, schemeTexts("D:\\f", 4));
  EXPECT_TRUE(waitFor([&] { return app.iniBytes() != ini; }));
  EXPECT_EQ(app.iniBytes(), "[方案]\r\nproject=4\r\noperate=FileCopy\r\n" + slotIni({2, 4}, "D:\\f"));
}

}  // namespace
}  // namespace fdt::test
