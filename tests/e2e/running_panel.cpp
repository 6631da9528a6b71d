#include "running_panel.h"

#include <stdexcept>
#include <vector>

#include "panel/panel_layout.h"

namespace fdt::test {
namespace {

std::string windowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace

PROCESS_INFORMATION startProgram(const std::string& exe, const std::string& directory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &process))
    throw std::runtime_error("cannot start " + exe);
  return process;
}

std::string slotIni(std::initializer_list<int> schemes, const std::string& prefix) {
  std::string ini = "[我的文件夹]\r\n";
  for (int scheme : schemes)
    for (int key = scheme * 10 - 9; key <= scheme * 10; ++key)
      ini += std::to_string(key) + "=" + prefix + std::to_string(key) + "\r\n";
  return ini;
}

std::string installProgram(const TempDir& dir) {
  const std::string exe = dir.path() + "\\feidangtong.exe";
  if (!CopyFileA(windowsPathOf(FDT_PROGRAM_UNIX_PATH).c_str(), exe.c_str(), FALSE))
    throw std::runtime_error("cannot copy the program");
  return exe;
}

namespace {

struct WindowSearch {
  DWORD processId;
  const char* windowClass;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && className(window) == search->windowClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return condition();
    Sleep(20);
  }
}

DWORD runHostCommand(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error("cannot run " + commandLine);
  WaitForSingleObject(process.hProcess, 10000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

void moveMouse(int x, int y) {
  // Not xdotool's --sync: it waits for a motion event, which never comes when
  // the pointer is already there. The program's own view of the cursor decides.
  runHostCommand("Z:\\usr\\bin\\xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
  waitFor([&] {
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
  }, 2000);
}

void clickAt(int x, int y) {
  moveMouse(x, y);
  runHostCommand("Z:\\usr\\bin\\xdotool click 1");
}

void pressKey(const std::string& keyName) { runHostCommand("Z:\\usr\\bin\\xdotool key " + keyName); }

std::string windowText(HWND window) {
  // The length first: a slot box can hold a settings value of up to 10239 bytes.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::vector<char> buffer(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  return std::string(buffer.data(), copied);
}

std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT centreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND findProcessWindow(DWORD processId, const char* windowClass, DWORD timeoutMs) {
  WindowSearch search{processId, windowClass, nullptr};
  waitFor([&] {
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

RunningPanel::RunningPanel(std::optional<std::string> iniBytes) {
  installProgram(dir_);
  if (iniBytes) dir_.makeFile("sys.ini", *iniBytes);
  start();
}

RunningPanel::~RunningPanel() { stop(); }

void RunningPanel::restart() {
  stop();
  start();
}

void RunningPanel::start() {
  process_ = startProgram(dir_.path() + "\\feidangtong.exe", dir_.path());
  panel_ = findProcessWindow(process_.dwProcessId, "FeidangtongPanel");
  if (!panel_) throw std::runtime_error("the panel did not show");
}

void RunningPanel::stop() {
  if (!process_.hProcess) return;  // a restart whose start failed
  if (waitForExit(0) == STILL_ACTIVE) {
    PostMessageA(panel_, WM_CLOSE, 0, 0);
    if (waitForExit(5000) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 99);
  }
  WaitForSingleObject(process_.hProcess, 10000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
}

PROCESS_INFORMATION RunningPanel::startAnother() const {
  return startProgram(dir_.path() + "\\feidangtong.exe", dir_.path());
}

HWND RunningPanel::control(int id) const {
  if (HWND direct = GetDlgItem(panel_, id)) return direct;
  for (int group : {layout::kSchemeGroup, layout::kDockGroup})
    if (HWND inside = GetDlgItem(GetDlgItem(panel_, group), id)) return inside;
  return nullptr;
}

HWND RunningPanel::slotBox(int slot) const { return control(layout::slotBoxId(slot)); }
HWND RunningPanel::radio(int number) const { return control(layout::radioId(number)); }
HWND RunningPanel::button(int number) const { return control(layout::buttonId(number)); }
HWND RunningPanel::statusLabel() const { return control(layout::kStatusLabel); }

bool RunningPanel::checked(int radioNumber) const {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(radio(radioNumber), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

void RunningPanel::click(HWND control) const {
  const POINT centre = centreOf(control);
  clickAt(centre.x, centre.y);
}

DWORD RunningPanel::waitForExit(DWORD timeoutMs) const {
  WaitForSingleObject(process_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace fdt::test
