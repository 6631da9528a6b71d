// 200 small files dropped on a slot box of the running program in copy mode,
// from the drop to the last file in the slot's folder, against 200 direct
// shell copies of the same kind of files made by this process in the same run.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "running_panel.h"
#include "xdnd_source.h"

namespace {

using fdt::test::TempDir;

constexpr int kFiles = 200;
constexpr int kRounds = 3;

double nowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<std::string> makeFiles(const TempDir& dir, const std::string& folder) {
  dir.makeDir(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < kFiles; ++i)
    paths.push_back(dir.makeFile(folder + "\\file" + std::to_string(i) + ".txt", "small file " + std::to_string(i)));
  return paths;
}

int countFiles(const std::string& folder) {
  int count = 0;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*.txt").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do ++count; while (FindNextFileA(find, &entry));
  FindClose(find);
  return count;
}

// The shell call as the program makes it: one source, no flags, no owner.
void copyDirectly(const std::string& source, const std::string& destination) {
  const std::string from = source + '\0';
  const std::string to = destination + '\0';
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  SHFileOperationA(&operation);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  std::vector<double> direct, dropped;
  for (int round = 0; round < kRounds; ++round) {
    TempDir dir;
    const std::string directTarget = dir.makeDir("direct");
    const std::vector<std::string> directSources = makeFiles(dir, "direct-sources");
    double start = nowMs();
    for (const std::string& source : directSources) copyDirectly(source, directTarget);
    direct.push_back(nowMs() - start);

    const std::string dropTarget = dir.makeDir("dropped");
    const std::vector<std::string> dropSources = makeFiles(dir, "drop-sources");
    fdt::test::RunningPanel app("[方案]\r\nshow=yes\r\noperate=FileCopy\r\nproject=1\r\n[我的文件夹]\r\n3=" +
                                dropTarget + "\r\n");
    const POINT slot = fdt::test::centreOf(app.slotBox(3));
    start = nowMs();
    fdt::test::dropFiles(slot, dropSources);
    if (!fdt::test::waitFor([&] { return countFiles(dropTarget) == kFiles; }, 120000)) {
      std::fprintf(stderr, "only %d of %d dropped files arrived\n", countFiles(dropTarget), kFiles);
      return 1;
    }
    dropped.push_back(nowMs() - start);
  }
  const double directMs = median(direct), droppedMs = median(dropped);
  std::printf("%d files copied, median of %d rounds: drop on the panel %.0f ms, direct shell calls %.0f ms, "
              "ratio %.2f (target <= 1.1)\n",
              kFiles, kRounds, droppedMs, directMs, droppedMs / directMs);
  return 0;
}
