// Many scheme clicks, configuration toggles and help-window openings in one
// run: the program's handles, GDI and USER objects, windows and working set
// come back to their level after a warm-up. FDT_LOAD_SCALE (default 1) sets
// the counts as 100, 20 and 10 times the scale; scale 10 is the full run.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "running_panel.h"

namespace fdt::test {
namespace {

struct Usage {
  DWORD handles = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  int windows = 0;
  SIZE_T workingSet = 0;
};

int countWindows(DWORD processId) {
  struct Count {
    DWORD processId;
    int windows;
  } count{processId, 0};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* c = reinterpret_cast<Count*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != c->processId) return TRUE;
        ++c->windows;
        EnumChildWindows(window, [](HWND, LPARAM p) -> BOOL { ++*reinterpret_cast<int*>(p); return TRUE; },
                         reinterpret_cast<LPARAM>(&c->windows));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.windows;
}

Usage usageOf(DWORD processId) {
  Usage usage;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  GetProcessHandleCount(process, &usage.handles);
  usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, &memory, sizeof memory);
  usage.workingSet = memory.WorkingSetSize;
  CloseHandle(process);
  usage.windows = countWindows(processId);
  return usage;
}

void print(const char* when, const Usage& u) {
  std::printf("%-12s handles %lu, GDI %lu, USER %lu, windows %d, working set %zu kB\n", when,
              static_cast<unsigned long>(u.handles), static_cast<unsigned long>(u.gdiObjects),
              static_cast<unsigned long>(u.userObjects), u.windows, static_cast<size_t>(u.workingSet / 1024));
}

void clickAndWait(HWND control) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

class LoadE2ETest : public ::testing::Test {
 protected:
  void schemeClicks(int count) {
    for (int i = 0; i < count; ++i) clickAndWait(app.radio(1 + i % 10));
  }
  void configToggles(int count) {
    for (int i = 0; i < count; ++i) clickAndWait(app.button(11));
  }
  void helpOpenings(int count) {
    for (int i = 0; i < count; ++i) {
      // The click returns only when the help window closes: post it.
      PostMessageA(app.button(12), BM_CLICK, 0, 0);
      HWND help = findProcessWindow(app.processId(), "FeidangtongHelp");
      ASSERT_NE(help, nullptr) << "opening " << i;
      PostMessageA(help, WM_CLOSE, 0, 0);
      ASSERT_TRUE(waitFor([&] { return !IsWindow(help) && IsWindowEnabled(app.panel()); })) << "opening " << i;
    }
  }
  void round(int scale) {
    schemeClicks(100 * scale);
    configToggles(20 * scale);
    helpOpenings(10 * scale);
  }

  RunningPanel app{"[方案]\r\nproject=1\r\nshow=yes\r\n"};
};

TEST_F(LoadE2ETest, ResourcesReturnToTheirLevelAfterWarmUp) {
  const char* scaleText = std::getenv("FDT_LOAD_SCALE");
  const int scale = scaleText ? std::max(1, std::atoi(scaleText)) : 1;
  round(1);  // warm-up: first openings load fonts, themes and caches
  const Usage before = usageOf(app.processId());
  round(scale);
  const Usage after = usageOf(app.processId());
  std::printf("%d scheme clicks, %d configuration toggles, %d help openings\n", 100 * scale, 20 * scale,
              10 * scale);
  print("after warm-up", before);
  print("after load", after);

  EXPECT_EQ(after.windows, before.windows);
  EXPECT_LE(after.handles, before.handles + 4);
  EXPECT_LE(after.gdiObjects, before.gdiObjects + 4);
  EXPECT_LE(after.userObjects, before.userObjects + 4);
  EXPECT_LE(after.workingSet, before.workingSet + 4 * 1024 * 1024);
  EXPECT_EQ(app.status(), "目前状态：设置成功");  // an even number of toggles ends in normal mode
  EXPECT_EQ(windowText(app.button(11)), "配置");
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE);
}

}  // namespace
}  // namespace fdt::test
