// Files dragged from outside onto the running program: an X client drops
// them by XDND, as a file manager does, and Wine hands the panel one
// WM_DROPFILES. What counts is what the program did: files and status line.
#include <windows.h>

#include <gtest/gtest.h>

#include "panel/panel_texts.h"
#include "running_panel.h"
#include "xdnd_source.h"

namespace fdt::test {
namespace {

// Shown rather than auto-hidden, so that the panel stays where the drop goes.
std::string iniWithSlot3(const char* operate, const std::string& folder) {
  return std::string("[方案]\r\nshow=yes\r\noperate=") + operate + "\r\nproject=1\r\n[我的文件夹]\r\n3=" +
         folder + "\r\n";
}

class DropE2ETest : public ::testing::Test {
 protected:
  TempDir files;
  std::string target = files.makeDir("目标 文件夹");
};

TEST_F(DropE2ETest, DroppedFilesAreMovedIntoTheSlotFolder) {
  RunningPanel app(iniWithSlot3("FileMove", target));
  const std::string first = files.makeFile("报告 乗.txt", "1");
  const std::string second = files.makeFile("b.txt", "2");

  dropFiles(centreOf(app.slotBox(3)), {first, second});

  ASSERT_TRUE(waitFor([&] { return fileExists(target + "\\b.txt"); }));
  EXPECT_EQ(readFileBytes(target + "\\报告 乗.txt"), "1");
  EXPECT_EQ(readFileBytes(target + "\\b.txt"), "2");
  EXPECT_FALSE(fileExists(first) || fileExists(second));
  EXPECT_EQ(app.status(), texts::kStatusMoved);
}

TEST_F(DropE2ETest, CopyModeCopiesAFolderWithItsContents) {
  RunningPanel app(iniWithSlot3("FileCopy", target));
  files.makeDir("资料\\内");
  files.makeFile("资料\\内\\c.txt", "3");

  dropFiles(centreOf(app.slotBox(3)), {files.path() + "\\资料"});

  ASSERT_TRUE(waitFor([&] { return fileExists(target + "\\资料\\内\\c.txt"); }));
  EXPECT_EQ(readFileBytes(target + "\\资料\\内\\c.txt"), "3");
  EXPECT_TRUE(fileExists(files.path() + "\\资料\\内\\c.txt"));
  EXPECT_EQ(app.status(), texts::kStatusCopied);
}

// Drops are handled in the order they arrive, so once the drop on the slot
// box has landed, the earlier ones beside it have been handled too.
TEST_F(DropE2ETest, DropsBesideTheSlotBoxesTransferNothing) {
  RunningPanel app(iniWithSlot3("FileMove", target));
  const std::string beside = files.makeFile("beside.txt", "x");
  const std::string onSlot = files.makeFile("on.txt", "y");

  dropFiles(centreOf(app.radio(11)), {beside});
  dropFiles(centreOf(app.statusLabel()), {beside});
  dropFiles(centreOf(app.slotBox(3)), {onSlot});

  ASSERT_TRUE(waitFor([&] { return fileExists(target + "\\on.txt"); }));
  EXPECT_TRUE(fileExists(beside));
  EXPECT_FALSE(fileExists(target + "\\beside.txt"));
}

// Copying onto a same-named file makes the shell ask inside the program.
// While it asks, the panel takes no input; answering No counts as a failure.
TEST_F(DropE2ETest, PanelIsDisabledWhileTheShellAsks) {
  RunningPanel app(iniWithSlot3("FileCopy", target));
  files.makeFile("目标 文件夹\\same.txt", "old");
  const std::string source = files.makeFile("same.txt", "new");

  dropFiles(centreOf(app.slotBox(3)), {source});

  const HWND question = findProcessWindow(app.processId(), "#32770");
  ASSERT_NE(question, nullptr);
  EXPECT_FALSE(IsWindowEnabled(app.panel()));
  PostMessageA(question, WM_COMMAND, IDNO, 0);
  ASSERT_TRUE(waitFor([&] { return app.status() == texts::kStatusCopyFailed; }));
  EXPECT_TRUE(IsWindowEnabled(app.panel()));
  EXPECT_EQ(readFileBytes(target + "\\same.txt"), "old");
}

// The slot still names the folder after it is gone: the next drop fails and
// leaves the file where it was, instead of renaming it to the folder's name.
TEST_F(DropE2ETest, SlotFolderThatVanishesBetweenTwoDropsFailsTheSecond) {
  RunningPanel app(iniWithSlot3("FileMove", target));
  const std::string first = files.makeFile("first.txt", "1");
  const std::string second = files.makeFile("second.txt", "2");

  dropFiles(centreOf(app.slotBox(3)), {first});
  ASSERT_TRUE(waitFor([&] { return fileExists(target + "\\first.txt") && app.status() == texts::kStatusMoved; }));
  ASSERT_TRUE(DeleteFileA((target + "\\first.txt").c_str()));
  ASSERT_TRUE(RemoveDirectoryA(target.c_str()));

  dropFiles(centreOf(app.slotBox(3)), {second});
  ASSERT_TRUE(waitFor([&] { return app.status() == texts::kStatusMoveFailed; }));
  EXPECT_TRUE(fileExists(second));
  EXPECT_FALSE(fileExists(target));
  EXPECT_FALSE(directoryExists(target));
}

}  // namespace
}  // namespace fdt::test
