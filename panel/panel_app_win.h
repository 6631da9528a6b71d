// The running program around the panel: start-up in the panel's created
// event, the single-instance guard, the drop hook, and the routing of every
// control event to its handler.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "core/scheme_model.h"
#include "core/settings_file.h"
#include "panel/dock_panel_win.h"
#include "panel/edge_dock.h"
#include "panel/folder_picker.h"
#include "panel/folder_picker_win.h"
#include "panel/launcher.h"
#include "panel/panel_controller.h"
#include "panel/slot_actions.h"
#include "platform/balloon_tip_win.h"
#include "platform/win_profile.h"
#include "transfer/drop_dispatcher_win.h"

namespace fdt {

class PanelApp final : public PanelEvents, DockSurface, DropPanel, Launcher {
 public:
  PanelApp(HINSTANCE instance, std::string runDirectory);
  PanelApp(const PanelApp&) = delete;
  PanelApp& operator=(const PanelApp&) = delete;

  // Creates the panel (start-up runs in its created event) and runs the
  // message loop until the panel is gone. Gives the loop's exit code.
  int run();

 private:
  void created() override;
  void willBeDestroyed() override;
  void mouseMoved() override;
  void doubleClicked() override;
  void clicked(int controlId) override;
  void slotPressed(int slot) override;
  void slotMouseMoved(int slot) override;
  void timerElapsed(int timer) override;

  bool shownModeChecked() const override;
  bool readCursor(int& x, int& y) const override;
  DockRect panelRect() const override;
  void setPanelLeft(int left) override;
  void setHideTimerPeriod(int ms) override;

  HWND slotBox(int slot) const override;
  PanelView& view() override;

  // Every open goes out on behalf of the panel, whichever part asks.
  bool open(const std::string& target) override;

  static LRESULT CALLBACK dropHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void drop(HDROP drop);
  [[noreturn]] void exitProgram(UINT exitCode);

  HINSTANCE instance_;
  WinProfile profile_;
  SettingsFile settings_;
  DockPanelWindow window_;
  SchemeModel schemes_;
  PanelController controller_;
  EdgeDock dock_;
  ShellBrowseDialog browseDialog_;
  FolderPicker picker_;
  SlotActions actions_;
  BalloonTip tip_;
  HICON largeIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  WNDPROC previousPanelProc_ = nullptr;
};

}  // namespace fdt
