// Drops built in this process, handed to the dispatcher as the panel's hook
// does, onto a test panel with ten slot boxes; checked in the file system.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include <gtest/gtest.h>

#include "panel/panel_texts.h"
#include "temp_dir.h"
#include "transfer/drop_dispatcher_win.h"

namespace fdt {
namespace {

using test::directoryExists;
using test::fileExists;
using test::readFileBytes;

// The slot boxes where the panel has them: 26 pixels apart, the last two touching.
int slotTop(int slot) { return slot == 10 ? 312 : 80 + 26 * (slot - 1); }
constexpr int kSlotWidth = 176;
constexpr int kSlotHeight = 24;

class TestPanel final : public DropPanel, public PanelView {
 public:
  TestPanel()
      : window_(CreateWindowExA(0, "STATIC", "panel", WS_OVERLAPPED | WS_CAPTION, 100, 50, 260, 480,
                                nullptr, nullptr, nullptr, nullptr)) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      boxes_[slot - 1] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                         WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 0,
                                         slotTop(slot), kSlotWidth, kSlotHeight, window_, nullptr,
                                         nullptr, nullptr);
    }
  }
  ~TestPanel() override { DestroyWindow(window_); }
  TestPanel(const TestPanel&) = delete;
  TestPanel& operator=(const TestPanel&) = delete;

  HWND window() const { return window_; }
  HWND slotBox(int slot) const override { return boxes_[slot - 1]; }
  PanelView& view() override { return *this; }

  std::string slotText(int slot) const override {
    std::string text(GetWindowTextLengthA(slotBox(slot)) + 1, '\0');
    text.resize(GetWindowTextA(slotBox(slot), text.data(), static_cast<int>(text.size())));
    return text;
  }
  void setSlotText(int slot, const std::string& text) override {
    SetWindowTextA(slotBox(slot), text.c_str());
  }
  bool radioChecked(Radio radio) const override {
    return radio == Radio::Move ? moveChecked : radio == Radio::Copy && !moveChecked;
  }
  void setStatusText(const std::string& text) override { statuses.push_back(text); }
  // Not used by a drop.
  void setRadioChecked(Radio, bool) override {}
  std::string configCaption() const override { return ""; }
  void setConfigCaption(const std::string&) override {}
  void setPanelWidth(int) override {}

  bool moveChecked = true;
  std::vector<std::string> statuses;

 private:
  HWND window_;
  HWND boxes_[kSlotCount];
};

// An HDROP as the shell hands it over: DROPFILES, then the ANSI double-NUL list.
HDROP makeDrop(POINT point, bool nonClient, const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) list += path + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() + 1);
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->pt = point;
  files->fNC = nonClient;
  files->fWide = FALSE;
  std::memcpy(files + 1, list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

POINT slotCentre(int slot) { return {kSlotWidth / 2, slotTop(slot) + kSlotHeight / 2}; }

std::wstring wide(const std::string& text) {
  std::wstring out(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
  out.pop_back();
  return out;
}

// The ANSI file functions stop at MAX_PATH; long paths go through the wide ones.
bool existsLong(const std::string& path) {
  return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class DropDispatcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, previousDirectory_);
    SetCurrentDirectoryA(current.c_str());
  }
  void TearDown() override { SetCurrentDirectoryA(previousDirectory_); }

  void drop(POINT point, const std::vector<std::string>& paths, bool nonClient = false) {
    HDROP handle = makeDrop(point, nonClient, paths);
    dispatchDrop(handle, panel.window(), panel);
    EXPECT_EQ(GlobalFlags(handle), GMEM_INVALID_HANDLE) << "the drop was not released";
  }
  bool emptyDir(const std::string& path) const {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
      do ++entries; while (FindNextFileA(find, &entry));
      FindClose(find);
    }
    return entries == 2;  // "." and ".."
  }

  test::TempDir dir;
  std::string current = dir.makeDir("当前");
  TestPanel panel;

 private:
  char previousDirectory_[MAX_PATH] = {};
};

TEST_F(DropDispatcherTest, ItemsAreMovedInDropOrderIntoTheSlotUnderTheDropPoint) {
  const std::string target = dir.makeDir("槽二");
  panel.setSlotText(1, dir.makeDir("槽一"));
  panel.setSlotText(2, target);
  panel.setSlotText(3, dir.makeDir("槽三"));
  const std::string first = dir.makeFile("一.txt", "1");
  dir.makeDir("文件夹\\子");
  dir.makeFile("文件夹\\子\\二.txt", "2");
  const std::string third = dir.makeFile("三.txt", "3");

  drop(slotCentre(2), {first, dir.path() + "\\文件夹", third});

  EXPECT_EQ(readFileBytes(target + "\\一.txt"), "1");
  EXPECT_EQ(readFileBytes(target + "\\文件夹\\子\\二.txt"), "2");
  EXPECT_EQ(readFileBytes(target + "\\三.txt"), "3");
  EXPECT_FALSE(fileExists(first) || directoryExists(dir.path() + "\\文件夹") || fileExists(third));
  EXPECT_TRUE(emptyDir(panel.slotText(1)) && emptyDir(panel.slotText(3)));
  EXPECT_EQ(panel.statuses, (std::vector<std::string>(3, texts::kStatusMoved)));
}

TEST_F(DropDispatcherTest, CopyModeKeepsTheSourcesAndAFailedItemDoesNotStopTheNext) {
  panel.moveChecked = false;
  const std::string target = dir.makeDir("目标");
  panel.setSlotText(7, target);
  const std::string first = dir.makeFile("a.txt", "a");
  const std::string third = dir.makeFile("c.txt", "c");

  drop(slotCentre(7), {first, dir.path() + "\\vanished.txt", third});

  EXPECT_EQ(readFileBytes(target + "\\a.txt"), "a");
  EXPECT_EQ(readFileBytes(target + "\\c.txt"), "c");
  EXPECT_TRUE(fileExists(first) && fileExists(third));
  EXPECT_EQ(panel.statuses, (std::vector<std::string>{texts::kStatusCopied, texts::kStatusCopyFailed,
                                                       texts::kStatusCopied}));
}

// Which slot a drop point (client coordinates of the panel) falls in; 0 none.
struct PointCase {
  const char* name;
  POINT point;
  bool nonClient;
  int slot;
};

class DropPointTest : public DropDispatcherTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(DropPointTest, OnlyTheSlotBoxUnderThePointReceives) {
  panel.moveChecked = false;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    panel.setSlotText(slot, dir.makeDir("槽" + std::to_string(slot)));
  const std::string source = dir.makeFile("f.txt", "f");

  drop(GetParam().point, {source}, GetParam().nonClient);

  for (int slot = 1; slot <= kSlotCount; ++slot)
    EXPECT_EQ(fileExists(panel.slotText(slot) + "\\f.txt"), slot == GetParam().slot) << slot;
  if (GetParam().slot == 0) EXPECT_TRUE(panel.statuses.empty());
  else EXPECT_EQ(panel.statuses, std::vector<std::string>{texts::kStatusCopied});
}

INSTANTIATE_TEST_SUITE_P(
    Points, DropPointTest,
    ::testing::Values(PointCase{"slot1_top_left", {0, 80}, false, 1},
                      PointCase{"slot1_bottom_right", {175, 103}, false, 1},
                      PointCase{"gap_below_slot1", {10, 104}, false, 0},
                      PointCase{"slot9_last_row", {10, 311}, false, 9},
                      PointCase{"slot10_first_row", {10, 312}, false, 10},
                      PointCase{"below_slot10", {10, 336}, false, 0},
                      PointCase{"right_of_the_boxes", {176, 90}, false, 0},
                      PointCase{"above_the_boxes", {10, 20}, false, 0},
                      PointCase{"frame_not_client", {88, 92}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A slot text that names no folder fails the item and leaves everything as it was.
struct SlotCase {
  const char* name;
  std::string slotText;  // "@" stands for the temporary folder
  bool move;
};

class BadSlotTest : public DropDispatcherTest, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(BadSlotTest, FailsWithoutTouchingTheFileSystem) {
  panel.moveChecked = GetParam().move;
  std::string text = GetParam().slotText;
  if (!text.empty() && text[0] == '@') text = dir.path() + text.substr(1);
  dir.makeFile("plain.txt", "p");
  panel.setSlotText(4, text);
  const std::string source = dir.makeFile("f.txt", "f");

  drop(slotCentre(4), {source});

  EXPECT_EQ(readFileBytes(source), "f");
  EXPECT_EQ(readFileBytes(dir.path() + "\\plain.txt"), "p");
  EXPECT_FALSE(fileExists(dir.path() + "\\gone") || directoryExists(dir.path() + "\\gone"));
  EXPECT_TRUE(emptyDir(current));
  EXPECT_EQ(panel.statuses, std::vector<std::string>{GetParam().move ? texts::kStatusMoveFailed
                                                                     : texts::kStatusCopyFailed});
}

INSTANTIATE_TEST_SUITE_P(
    Slots, BadSlotTest,
    ::testing::Values(SlotCase{"empty_copy", "", false}, SlotCase{"empty_move", "", true},
                      SlotCase{"only_spaces", "  \xA1\xA1 ", false},
                      SlotCase{"missing_folder_move", "@\\gone", true},
                      SlotCase{"missing_folder_copy", "@\\gone", false},
                      SlotCase{"names_a_file", "@\\plain.txt", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropDispatcherTest, TrailingSpacesGoLeadingSpacesStay) {
  // Relative to the current directory, so that a leading space can name a folder.
  const std::string withLeading = dir.makeDir("当前\\  前空");
  const std::string withoutLeading = dir.makeDir("当前\\前空");
  panel.setSlotText(5, "  前空 \xA1\xA1  \xA1\xA1");
  panel.setSlotText(6, dir.makeDir("目标乗") + " \xA1\xA1");
  const std::string first = dir.makeFile("报告乗.txt", "1");
  const std::string second = dir.makeFile("表.txt", "2");

  drop(slotCentre(5), {first});
  drop(slotCentre(6), {second});

  EXPECT_EQ(readFileBytes(withLeading + "\\报告乗.txt"), "1");
  EXPECT_FALSE(fileExists(withoutLeading + "\\报告乗.txt"));
  EXPECT_EQ(readFileBytes(dir.path() + "\\目标乗\\表.txt"), "2");
  EXPECT_EQ(panel.statuses, (std::vector<std::string>(2, texts::kStatusMoved)));
}

TEST_F(DropDispatcherTest, PathLongerThanMaxPathIsMovedUnderItsWholeName) {
  const std::string folder = dir.path() + "\\" + std::string(200, 'd');
  const std::string name = std::string(60, 'f') + ".txt";
  const std::string source = folder + "\\" + name;
  ASSERT_GT(source.size(), 259u);
  ASSERT_TRUE(CreateDirectoryW(wide(folder).c_str(), nullptr));
  HANDLE file = CreateFileW(wide(source).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const std::string target = dir.makeDir("目标");
  panel.setSlotText(1, target);

  drop(slotCentre(1), {source});

  EXPECT_TRUE(fileExists(target + "\\" + name));
  EXPECT_FALSE(existsLong(source));
  EXPECT_TRUE(existsLong(folder));
  EXPECT_EQ(panel.statuses, std::vector<std::string>{texts::kStatusMoved});
}

// The shell's list format cannot hold zero items: an empty list reads as one
// item with an empty name, which fails and is still released.
TEST_F(DropDispatcherTest, EmptyListIsOneFailedItem) {
  panel.setSlotText(1, dir.makeDir("目标"));
  drop(slotCentre(1), {});
  EXPECT_EQ(panel.statuses, std::vector<std::string>{texts::kStatusMoveFailed});
  EXPECT_TRUE(emptyDir(panel.slotText(1)));
}

}  // namespace
}  // namespace fdt
