// Copies started together: one panel stays, every other copy shows the
// refusal and ends once it is answered.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "running_panel.h"

namespace fdt::test {
namespace {

TEST(SingleInstanceE2ETest, EightCopiesStartedAtOnceLeaveExactlyOnePanel) {
  constexpr int kCopies = 8;
  TempDir dir;
  const std::string exe = installProgram(dir);
  std::vector<PROCESS_INFORMATION> copies;
  for (int i = 0; i < kCopies; ++i) copies.push_back(startProgram(exe, dir.path()));

  auto running = [&](const PROCESS_INFORMATION& copy) { return WaitForSingleObject(copy.hProcess, 0) == WAIT_TIMEOUT; };
  std::vector<bool> refused(kCopies, false);
  // Answer every refusal as it comes, until only the copies without one run on.
  waitFor([&] {
    int runningCount = 0;
    for (int i = 0; i < kCopies; ++i) {
      if (!running(copies[i])) continue;
      ++runningCount;
      if (HWND box = findProcessWindow(copies[i].dwProcessId, "#32770", 0)) {
        EXPECT_EQ(windowText(box), "飞档通V4.0");
        refused[i] = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
    }
    return runningCount == 1;
  }, 60000);

  int survivors = 0;
  for (int i = 0; i < kCopies; ++i) {
    if (running(copies[i])) {
      ++survivors;
      EXPECT_FALSE(refused[i]);
      HWND panel = findProcessWindow(copies[i].dwProcessId, "FeidangtongPanel");
      ASSERT_NE(panel, nullptr);
      PostMessageA(panel, WM_CLOSE, 0, 0);
    } else {
      EXPECT_TRUE(refused[i]) << "copy " << i << " ended without the refusal";
      DWORD code = 1;
      GetExitCodeProcess(copies[i].hProcess, &code);
      EXPECT_EQ(code, 0u);
    }
  }
  EXPECT_EQ(survivors, 1);
  for (auto& copy : copies) {
    if (WaitForSingleObject(copy.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(copy.hProcess, 99);
    CloseHandle(copy.hThread);
    CloseHandle(copy.hProcess);
  }
}

}  // namespace
}  // namespace fdt::test
