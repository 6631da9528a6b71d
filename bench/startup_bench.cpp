// Start-up time of the panel, process start to visible window, as a ratio to
// the bare window program measured in the same run.
// Usage: startup_bench PANEL.exe BARE.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Program {
  const char* label;
  std::string exe;
  const char* windowClass;
};

struct Started {
  PROCESS_INFORMATION process;
  double msToWindow;
};

HWND visibleWindowOf(DWORD processId, const char* windowClass) {
  struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
  } search{processId, windowClass, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner == s->processId && IsWindowVisible(window) && std::string(name) == s->windowClass) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Started start(const Program& program) {
  LARGE_INTEGER frequency, begin, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program.exe + "\"";
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", program.exe.c_str());
    ExitProcess(1);
  }
  for (;;) {
    QueryPerformanceCounter(&now);
    if (visibleWindowOf(process.dwProcessId, program.windowClass)) break;
    if (now.QuadPart - begin.QuadPart > frequency.QuadPart * 20) {
      std::fprintf(stderr, "%s showed no window\n", program.label);
      ExitProcess(1);
    }
    Sleep(1);
  }
  return {process, 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart)};
}

void stop(PROCESS_INFORMATION& process) {
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: startup_bench PANEL.exe BARE.exe\n");
    return 2;
  }
  const Program panel{"panel", argv[1], "FeidangtongPanel"};
  const Program bare{"bare", argv[2], "BareBenchWindow"};
  constexpr int kRuns = 9;
  std::vector<double> panelStart, bareStart;
  for (int run = 0; run < kRuns; ++run) {  // interleaved, so both see the same machine
    for (const Program* program : {&bare, &panel}) {
      Started started = start(*program);
      (program == &panel ? panelStart : bareStart).push_back(started.msToWindow);
      stop(started.process);
    }
  }
  const double panelMs = median(panelStart), bareMs = median(bareStart);
  std::printf("start-up to visible window, median of %d: panel %.1f ms, bare %.1f ms, ratio %.2f (target <= 1.3)\n",
              kRuns, panelMs, bareMs, panelMs / bareMs);
  return 0;
}
