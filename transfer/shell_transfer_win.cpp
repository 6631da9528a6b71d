#include "transfer/shell_transfer_win.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/program_windows_win.h"
#include "transfer/shell_transfer_lists.h"

namespace fdt {
namespace {

// Keeps the user out of the program while the shell's dialogs are up, as if
// they were modal to it; afterwards every window gets its own enabled state
// back, and foreground and activation return to where they were.
class ProgramWindowsDisabled {
 public:
  ProgramWindowsDisabled() : active_(GetActiveWindow()), foreground_(GetForegroundWindow()) {
    if (!IsWindow(active_)) active_ = nullptr;
    for (HWND window : programWindows()) {
      if (window == nullptr || GetParent(window) != nullptr) continue;
      saved_.push_back({window, IsWindowEnabled(window) != FALSE});
      EnableWindow(window, FALSE);
    }
  }

  ~ProgramWindowsDisabled() {
    for (const Saved& saved : saved_) EnableWindow(saved.window, saved.enabled);
    if (foreground_ != nullptr && IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (active_ != nullptr && IsWindow(active_)) SetActiveWindow(active_);
  }

  ProgramWindowsDisabled(const ProgramWindowsDisabled&) = delete;
  ProgramWindowsDisabled& operator=(const ProgramWindowsDisabled&) = delete;

 private:
  struct Saved {
    HWND window;
    bool enabled;
  };
  HWND active_;
  HWND foreground_;
  std::vector<Saved> saved_;
};

}  // namespace

bool shellTransfer(TransferMode mode, const std::string& destination,
                   const std::vector<std::string>& sources) {
  const std::string from = sourceList(sources);
  if (from.empty()) return false;
  const std::string to = destinationList(destination);

  SHFILEOPSTRUCTA operation{};
  operation.wFunc = mode == TransferMode::Move ? FO_MOVE : FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();

  ProgramWindowsDisabled disabled;
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace fdt
