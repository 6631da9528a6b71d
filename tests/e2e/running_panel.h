// Drives the real feidangtong.exe as a user would: a copy in a fresh
// temporary directory with a prepared sys.ini, started as its own process,
// its panel found by class and process, its controls read across processes
// and clicked with X-level input. Every wait polls with a timeout.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "temp_dir.h"

namespace fdt::test {

// Polls until the condition holds or the time is up; gives the last answer.
// The default is generous: a loaded machine runs Wine slowly.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// Runs a program of the host system (xdotool) and gives its exit code.
DWORD runHostCommand(const std::string& commandLine);

// Real input through the X server, at screen coordinates.
void moveMouse(int x, int y);
void clickAt(int x, int y);
void pressKey(const std::string& keyName);

std::string windowText(HWND window);  // WM_GETTEXT, also across processes
std::string className(HWND window);
RECT rectInParent(HWND window);       // in the parent's client coordinates
POINT centreOf(HWND window);          // in screen coordinates

// A slot section of sys.ini holding the keys of the given schemes, each as
// prefix + key ("D:\\s21" for key 21 with prefix "D:\\s").
std::string slotIni(std::initializer_list<int> schemes, const std::string& prefix);

// Copies the program into the directory and gives the copy's path.
std::string installProgram(const TempDir& dir);
// Starts a program with its directory as the current one.
PROCESS_INFORMATION startProgram(const std::string& exe, const std::string& directory);

class RunningPanel {
 public:
  // No settings file when iniBytes is empty.
  explicit RunningPanel(std::optional<std::string> iniBytes = std::nullopt);
  ~RunningPanel();
  RunningPanel(const RunningPanel&) = delete;
  RunningPanel& operator=(const RunningPanel&) = delete;

  // Starts one more copy of the program from the same directory.
  PROCESS_INFORMATION startAnother() const;
  // Closes the program and starts it again from the same directory.
  void restart();

  HWND panel() const { return panel_; }
  HWND control(int id) const;  // by control id, also inside the group boxes
  HWND slotBox(int slot) const;
  HWND radio(int number) const;    // 单选框N
  HWND button(int number) const;   // 按钮N
  HWND statusLabel() const;
  bool checked(int radioNumber) const;
  std::string status() const { return windowText(statusLabel()); }

  void click(HWND control) const;
  const std::string& directory() const { return dir_.path(); }
  std::string iniPath() const { return dir_.path() + "\\sys.ini"; }
  std::string iniBytes() const { return readFileBytes(iniPath()); }
  bool iniExists() const { return fileExists(iniPath()); }
  DWORD processId() const { return process_.dwProcessId; }
  // Waits for the program to end; gives its exit code, or STILL_ACTIVE.
  DWORD waitForExit(DWORD timeoutMs = 10000) const;

 private:
  void start();
  void stop();

  TempDir dir_;
  PROCESS_INFORMATION process_{};
  HWND panel_ = nullptr;
};

// The top-level window of a process with the given class, once visible.
HWND findProcessWindow(DWORD processId, const char* windowClass, DWORD timeoutMs = 10000);

}  // namespace fdt::test
