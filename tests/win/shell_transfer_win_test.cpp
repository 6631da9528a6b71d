// The shell transfer over the real SHFileOperationA in temporary folders, and
// the program's window states around it. The shell's overwrite confirmation
// is the one moment inside the call a test can see: a helper thread waits for
// it, looks at the windows and answers it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/program_windows_win.h"
#include "temp_dir.h"
#include "transfer/shell_transfer_win.h"

namespace fdt {
namespace {

using test::directoryExists;
using test::fileExists;
using test::readFileBytes;

struct TransferCase {
  const char* name;
  TransferMode mode;
  bool folder;
};

class ShellTransferFilesTest : public ::testing::TestWithParam<TransferCase> {
 protected:
  test::TempDir dir;
  std::string destination = dir.makeDir("目标");
};

TEST_P(ShellTransferFilesTest, ItemArrivesWithItsContents) {
  const bool move = GetParam().mode == TransferMode::Move;
  std::string source;
  if (GetParam().folder) {
    dir.makeDir("源\\里面");
    dir.makeFile("源\\里面\\a.txt", "folder file");
    source = dir.path() + "\\源";
  } else {
    source = dir.makeFile("报告.txt", "plain file");
  }
  ASSERT_TRUE(shellTransfer(GetParam().mode, destination, {source}));

  const std::string arrived = GetParam().folder ? destination + "\\源\\里面\\a.txt"
                                                : destination + "\\报告.txt";
  EXPECT_EQ(readFileBytes(arrived), GetParam().folder ? "folder file" : "plain file");
  EXPECT_EQ(fileExists(source) || directoryExists(source), !move);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShellTransferFilesTest,
                         ::testing::Values(TransferCase{"move_file", TransferMode::Move, false},
                                           TransferCase{"copy_file", TransferMode::Copy, false},
                                           TransferCase{"move_folder", TransferMode::Move, true},
                                           TransferCase{"copy_folder", TransferMode::Copy, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShellTransferFailureTest, MissingOrEmptySourceFails) {
  test::TempDir dir;
  const std::string destination = dir.makeDir("目标");
  EXPECT_FALSE(shellTransfer(TransferMode::Copy, destination, {dir.path() + "\\gone.txt"}));
  EXPECT_FALSE(shellTransfer(TransferMode::Move, destination, {""}));
  EXPECT_FALSE(shellTransfer(TransferMode::Copy, destination, {"", ""}));
  EXPECT_FALSE(fileExists(destination + "\\gone.txt"));
}

// A visible top-level test window, destroyed with the object.
class TestWindow {
 public:
  explicit TestWindow(const char* title, DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = nullptr)
      : handle_(CreateWindowExA(0, "STATIC", title, style, 40, 40, 200, 100, owner, nullptr,
                                nullptr, nullptr)) {}
  ~TestWindow() { DestroyWindow(handle_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND handle() const { return handle_; }

 private:
  HWND handle_;
};

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

HWND visibleDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits on its own thread for a dialog of the calling thread, runs `look`
// while it is open and presses `button` in it.
class DialogAnswer {
 public:
  DialogAnswer(int button, std::function<void()> look)
      : thread_([this, button, look, owner = GetCurrentThreadId()] {
          for (int i = 0; i < 3000 && dialog_ == nullptr; ++i) {
            dialog_ = visibleDialogOf(owner);
            if (dialog_ == nullptr) Sleep(10);
          }
          if (dialog_ == nullptr) return;
          look();
          PostMessageA(dialog_, WM_COMMAND, button, 0);
        }) {}
  // True when the dialog came and was answered.
  bool join() {
    thread_.join();
    return dialog_ != nullptr;
  }

 private:
  std::atomic<HWND> dialog_{nullptr};
  std::thread thread_;
};

// Copying onto a same-named file makes the shell ask.
class ShellTransferWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnableWindow(disabledBefore.handle(), FALSE);
    for (const TestWindow* window : {&panel, &disabledBefore, &ownedPopup})
      registerProgramWindow(window->handle());
    ShowWindow(panel.handle(), SW_SHOW);
    SetForegroundWindow(panel.handle());
    pumpMessages();
  }
  void TearDown() override {
    for (const TestWindow* window : {&panel, &disabledBefore, &ownedPopup})
      unregisterProgramWindow(window->handle());
  }
  bool copyOntoSameName() {
    return shellTransfer(TransferMode::Copy, destination, {dir.makeFile("f.txt", "new")});
  }

  test::TempDir dir;
  std::string destination = dir.makeDir("目标");
  std::string existing = dir.makeFile("目标\\f.txt", "old");
  TestWindow panel{"panel"};
  TestWindow disabledBefore{"disabled"};
  TestWindow ownedPopup{"popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, panel.handle()};
};

struct AnswerCase {
  const char* name;
  int button;
  bool succeeded;
  const char* content;
};

class ShellTransferAnswerTest : public ShellTransferWindowsTest,
                                public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ShellTransferAnswerTest, WindowsAreDisabledDuringTheCallAndGetTheirStatesBack) {
  bool panelEnabled = true, disabledEnabled = true, popupEnabled = false;
  DialogAnswer answer(GetParam().button, [&] {
    panelEnabled = IsWindowEnabled(panel.handle());
    disabledEnabled = IsWindowEnabled(disabledBefore.handle());
    popupEnabled = IsWindowEnabled(ownedPopup.handle());
  });
  const bool succeeded = copyOntoSameName();
  ASSERT_TRUE(answer.join()) << "the shell did not ask";

  EXPECT_FALSE(panelEnabled);
  EXPECT_FALSE(disabledEnabled);
  EXPECT_TRUE(popupEnabled) << "a window with an owner is left alone";
  EXPECT_TRUE(IsWindowEnabled(panel.handle()));
  EXPECT_FALSE(IsWindowEnabled(disabledBefore.handle()));
  EXPECT_TRUE(IsWindowEnabled(ownedPopup.handle()));
  EXPECT_EQ(GetForegroundWindow(), panel.handle());
  EXPECT_EQ(GetActiveWindow(), panel.handle());

  EXPECT_EQ(succeeded, GetParam().succeeded);
  EXPECT_EQ(readFileBytes(existing), GetParam().content);
}

// No still reports 0 from the shell, with the aborted flag set.
INSTANTIATE_TEST_SUITE_P(Answers, ShellTransferAnswerTest,
                         ::testing::Values(AnswerCase{"yes", IDYES, true, "new"},
                                           AnswerCase{"no", IDNO, false, "old"},
                                           AnswerCase{"cancel", IDCANCEL, false, "old"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The foreground in another thread's window and this thread's active window
// differ. Giving the foreground away deactivates this thread's window, so
// only foreground first, then active, gets both back.
TEST_F(ShellTransferWindowsTest, ForegroundIsRestoredBeforeTheActiveWindow) {
  std::atomic<HWND> other{nullptr};
  std::atomic<bool> done{false};
  std::thread otherThread([&] {
    TestWindow window{"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE};
    SetForegroundWindow(window.handle());
    other = window.handle();
    while (!done) {
      pumpMessages();
      Sleep(5);
    }
  });
  while (other == nullptr) Sleep(5);
  pumpMessages();
  SetActiveWindow(panel.handle());
  // When the shell's dialog closes, it hands activation to this window, so the
  // foreground is in this thread when the restore begins.
  TestWindow next{"next"};
  SetWindowPos(next.handle(), HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  pumpMessages();
  ASSERT_EQ(GetForegroundWindow(), other.load());
  ASSERT_EQ(GetActiveWindow(), panel.handle());

  DialogAnswer answer(IDYES, [] {});
  EXPECT_TRUE(copyOntoSameName());
  ASSERT_TRUE(answer.join()) << "the shell did not ask";

  EXPECT_EQ(GetActiveWindow(), panel.handle());
  HWND foreground = nullptr;
  for (int i = 0; i < 500 && (foreground = GetForegroundWindow()) != other; ++i) {
    pumpMessages();
    Sleep(5);
  }
  EXPECT_EQ(foreground, other.load());
  done = true;
  otherThread.join();
}

}  // namespace
}  // namespace fdt
