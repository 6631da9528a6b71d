// Reveal and hide latency of the auto-hiding panel: from a real pointer move
// (xdotool) to the panel standing at its new left; and the slot tip's delay,
// from the pointer coming to rest on a slot box to the tip window showing.
// The baseline, measured in the same run, is the pointer move alone: from the
// same command until this process sees the cursor there. What is left over is
// the timers' share, printed as a ratio to the timer period (a uniform tick
// phase gives 0.5).
// Usage: dock_latency_bench PANEL.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kTrials = 30;
constexpr int kTipTrials = 10;
constexpr int kEdgePeriodMs = 100;
constexpr int kHidePeriodMs = 200;
constexpr POINT kAway{800, 300};
constexpr POINT kEdge{1, 300};
constexpr POINT kBareClientPoint{84, 356};  // between the help and exit buttons
constexpr double kGiveUpMs = 3000;
constexpr DWORD kSettleMs = 300;

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void movePointer(POINT to) {
  char command[80];
  std::snprintf(command, sizeof command, "Z:\\usr\\bin\\xdotool mousemove --sync %ld %ld", to.x, to.y);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot run xdotool\n");
    ExitProcess(1);
  }
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// Milliseconds from before the move until the condition holds; negative when it never did.
template <typename Condition>
double timeMove(POINT to, Condition done) {
  const double start = nowMs();
  movePointer(to);
  for (;;) {
    if (done()) return nowMs() - start;
    if (nowMs() - start > kGiveUpMs) return -1;
    Sleep(1);
  }
}

int leftOf(HWND panel) {
  RECT rect{};
  GetWindowRect(panel, &rect);
  return rect.left;
}

HWND findPanel(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
  for (int i = 0; i < 1000 && !search.found; ++i) {
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          char name[64] = {};
          GetClassNameA(window, name, sizeof name);
          if (owner != s->processId || !IsWindowVisible(window) || std::string(name) != "FeidangtongPanel")
            return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    Sleep(10);
  }
  return search.found;
}

struct Summary {
  double median;
  double p95;
  double max;
};

Summary summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t p95 = std::min(values.size() - 1, (values.size() * 95 + 99) / 100 - 1);
  return {values[values.size() / 2], values[p95], values.back()};
}

bool tipShowing() {
  HWND tip = FindWindowA("FdtBalloonTip", nullptr);
  return tip && IsWindowVisible(tip);
}

void report(const char* what, const std::vector<double>& times, double pointerMs, int periodMs) {
  if (times.empty()) {
    std::printf("%s: no trial succeeded\n", what);
    return;
  }
  const Summary s = summarise(times);
  std::printf("%s, %zu trials: p50 %.1f ms, p95 %.1f ms (max %.1f); p50 beyond the pointer move %.1f ms, "
              "ratio to the %d ms period %.2f\n",
              what, times.size(), s.median, s.p95, s.max, s.median - pointerMs, periodMs,
              (s.median - pointerMs) / periodMs);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dock_latency_bench PANEL.exe\n");
    return 2;
  }
  // The program in a fresh directory of its own, set to auto-hide.
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string directory = std::string(temp) + "fdt_dock_bench_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(directory.c_str(), nullptr);
  const std::string exe = directory + "\\feidangtong.exe";
  const std::string ini = directory + "\\sys.ini";
  CopyFileA(argv[1], exe.c_str(), FALSE);
  HANDLE file = CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const char settings[] = "[\xB7\xBD\xB0\xB8]\r\nshow=no\r\n";  // [方案]
  DWORD written = 0;
  WriteFile(file, settings, sizeof settings - 1, &written, nullptr);
  CloseHandle(file);

  movePointer(kAway);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", exe.c_str());
    return 1;
  }
  HWND panel = findPanel(process.dwProcessId);
  if (!panel) {
    std::fprintf(stderr, "the panel did not show\n");
    return 1;
  }

  std::vector<double> pointer, reveal, hide;
  int lostTrials = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const POINT spot{600 + trial, 500};
    pointer.push_back(timeMove(spot, [&] {
      POINT cursor{};
      return GetCursorPos(&cursor) && cursor.x == spot.x && cursor.y == spot.y;
    }));
    timeMove(kAway, [&] { return leftOf(panel) < 0; });

    const double revealMs = timeMove(kEdge, [&] { return leftOf(panel) == 0; });
    if (revealMs < 0) {
      ++lostTrials;
      continue;
    }
    reveal.push_back(revealMs);
    // The program must take the move over its surface before the pointer
    // leaves; the wait after it varies so that leaving meets every tick phase.
    POINT bare = kBareClientPoint;
    ClientToScreen(panel, &bare);
    movePointer(bare);
    Sleep(kSettleMs + (trial * 37) % kHidePeriodMs);
    const double hideMs = timeMove(kAway, [&] { return leftOf(panel) < 0; });
    if (hideMs >= 0) hide.push_back(hideMs);
    lostTrials += hideMs < 0;
  }
  // The tip: the first move over a box gives it its text, the move after it
  // starts the delay; timed from that second move until the tip shows.
  std::vector<double> tip;
  for (int trial = 0; trial < kTipTrials; ++trial) {
    timeMove(kEdge, [&] { return leftOf(panel) == 0; });
    HWND box = FindWindowExA(panel, nullptr, "Edit", nullptr);
    RECT rect{};
    GetWindowRect(box, &rect);
    const POINT first{rect.left + 20 + trial, (rect.top + rect.bottom) / 2};
    const POINT rest{first.x + 10, first.y};
    timeMove(first, [&] {
      POINT cursor{};
      return GetCursorPos(&cursor) && cursor.x == first.x && cursor.y == first.y;
    });
    Sleep(50);
    const double ms = timeMove(rest, tipShowing);
    if (ms >= 0) tip.push_back(ms);
    timeMove(kAway, [&] { return !tipShowing(); });
    Sleep(kSettleMs);
  }

  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  DeleteFileA(ini.c_str());
  DeleteFileA(exe.c_str());
  RemoveDirectoryA(directory.c_str());

  const double pointerMs = summarise(pointer).median;
  std::printf("pointer move alone (baseline), median of %d: %.1f ms\n", kTrials, pointerMs);
  report("reveal at the edge strip", reveal, pointerMs, kEdgePeriodMs);
  report("hide on leaving", hide, pointerMs, kHidePeriodMs);
  if (tip.empty()) {
    std::printf("slot tip: never showed\n");
  } else {
    const Summary t = summarise(tip);
    std::printf("slot tip, rest to visible, %zu trials: p50 %.1f ms, p95 %.1f ms; beyond the pointer move %.1f ms "
                "(target 600-700)\n", tip.size(), t.median, t.p95, t.median - pointerMs);
  }
  if (lostTrials > 0) std::printf("%d moves had no effect within %.0f ms\n", lostTrials, kGiveUpMs);
  return 0;
}
