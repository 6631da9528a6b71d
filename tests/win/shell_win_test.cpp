// The launcher and the browse dialog over the real shell, in temporary folders.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "panel/folder_picker_win.h"
#include "platform/shell_win.h"
#include "temp_dir.h"

namespace fdt {
namespace {

// The window the shell's file browser opened for a folder, closed and waited
// for, so that no shell process outlives the test.
bool closeShellBrowser(const std::string& title) {
  HWND browser = nullptr;
  for (int i = 0; i < 300 && !browser; ++i, Sleep(100))
    browser = FindWindowA("ExplorerWClass", title.c_str());
  if (!browser) return false;
  PostMessageA(browser, WM_CLOSE, 0, 0);
  for (int i = 0; i < 300 && IsWindow(browser); ++i) Sleep(100);
  return !IsWindow(browser);
}

class FolderLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExA(0, "Static", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }
  HWND owner = nullptr;
  test::TempDir dir;
};

TEST_F(FolderLauncherTest, ExistingFolderOpensInTheShellsFileBrowser) {
  const std::string folder = dir.makeDir("打开的目录");
  FolderLauncher launcher(owner);
  EXPECT_TRUE(launcher.open(folder));
  EXPECT_TRUE(closeShellBrowser("打开的目录"));
}

TEST_F(FolderLauncherTest, WhatTheShellCannotOpenGivesFalse) {
  FolderLauncher launcher(owner);
  for (const std::string& target : {dir.path() + "\\没有", std::string()})
    EXPECT_FALSE(launcher.open(target)) << '"' << target << '"';
}

// Plays the user at the browse dialog from a thread timer inside its loop.
struct DialogUser {
  // Which item to choose (nothing: cancel), and the tree text that shows it chosen.
  std::function<void(HWND dialog)> select;
  std::string expectedSelection;
  bool cancel = false;
  // What was seen of the dialog.
  bool sawTitle = false;
  bool sawEditBox = false;
  int ticks = 0;
};
DialogUser* currentUser = nullptr;

HWND visibleDialogOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM out) -> BOOL {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The first descendant of that class; with visibleOnly, the first one shown.
HWND descendantOfClass(HWND parent, const char* className, bool visibleOnly = false) {
  struct Search {
    const char* className;
    bool visibleOnly;
    HWND found;
  } search = {className, visibleOnly, nullptr};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM out) -> BOOL {
        auto* search = reinterpret_cast<Search*>(out);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->className) != 0) return TRUE;
        if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool hasChildWithText(HWND parent, const std::string& text) {
  struct Search {
    const std::string* text;
    bool found;
  } search = {&text, false};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM out) -> BOOL {
        auto* search = reinterpret_cast<Search*>(out);
        char buffer[256] = {};
        GetWindowTextA(window, buffer, sizeof buffer);
        search->found = *search->text == buffer;
        return !search->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string selectedTreeText(HWND dialog) {
  HWND tree = descendantOfClass(dialog, WC_TREEVIEWA);
  if (!tree) return std::string();
  TVITEMA item = {};
  char text[MAX_PATH] = {};
  item.mask = TVIF_TEXT;
  item.hItem = TreeView_GetSelection(tree);
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return std::string();
  return text;
}

constexpr int kGiveUpTicks = 150;  // 15 s at 100 ms

void CALLBACK playUser(HWND, UINT, UINT_PTR timer, DWORD) {
  DialogUser& user = *currentUser;
  HWND dialog = visibleDialogOfThisThread();
  if (!dialog) return;
  if (user.ticks++ == 0) {
    user.sawTitle = hasChildWithText(dialog, "请选择一个文件夹");
    user.sawEditBox = descendantOfClass(dialog, "Edit", true) != nullptr;
  }
  int button = IDOK;
  if (user.cancel || user.ticks > kGiveUpTicks) {
    button = IDCANCEL;
  } else if (selectedTreeText(dialog) != user.expectedSelection) {
    // A selection made while the dialog still fills its tree can land on an
    // ancestor: select again until the tree shows the item.
    if (user.select) user.select(dialog);
    return;
  }
  KillTimer(nullptr, timer);
  SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}

std::string pickAs(DialogUser& user, const PickOptions& options = {}) {
  currentUser = &user;
  SetTimer(nullptr, 0, 100, playUser);
  ShellBrowseDialog dialog;
  FolderPicker picker(dialog);
  std::string path = picker.pick(options);
  currentUser = nullptr;
  return path;
}

class FolderPickerTest : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(FolderPickerTest, ChosenFolderComesBackAsItsPathFromADialogWithTheTitleAndNoEditBox) {
  const std::string folder = dir.makeDir("选中的文件夹");
  DialogUser user;
  user.select = [&](HWND dialog) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  };
  user.expectedSelection = "选中的文件夹";
  EXPECT_EQ(pickAs(user), folder);
  EXPECT_LE(user.ticks, kGiveUpTicks);
  EXPECT_TRUE(user.sawTitle);
  EXPECT_FALSE(user.sawEditBox);
}

TEST_F(FolderPickerTest, InitialFolderIsPreselected) {
  // A long-standing folder: a single selection of one made moments ago can
  // land on its parent while the shell still catches up with the change.
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string folder = windows;
  DialogUser user;
  user.expectedSelection = folder.substr(folder.rfind('\\') + 1);
  PickOptions options;
  options.initialFolder = folder;
  EXPECT_EQ(pickAs(user, options), folder);
  EXPECT_LE(user.ticks, kGiveUpTicks);
}

TEST_F(FolderPickerTest, CancelGivesTheEmptyText) {
  DialogUser user;
  user.cancel = true;
  EXPECT_EQ(pickAs(user), "");
  EXPECT_EQ(user.ticks, 1);
}

TEST_F(FolderPickerTest, ItemWithoutAFileSystemPathCountsAsACancel) {
  PIDLIST_ABSOLUTE computer = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
  SHFILEINFOA info = {};
  SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer), 0, &info, sizeof info,
                 SHGFI_PIDL | SHGFI_DISPLAYNAME);
  DialogUser user;
  user.select = [&](HWND dialog) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
  };
  user.expectedSelection = info.szDisplayName;
  EXPECT_EQ(pickAs(user), "");
  EXPECT_LE(user.ticks, kGiveUpTicks);
  CoTaskMemFree(computer);
}

}  // namespace
}  // namespace fdt
