#include "panel/panel_app_win.h"

#include <ole2.h>

#include "help/help_texts.h"
#include "help/help_window_win.h"
#include "panel/panel_layout.h"
#include "panel/panel_texts.h"
#include "platform/program_windows_win.h"
#include "platform/shell_win.h"

namespace fdt {
namespace {

constexpr char kInstanceEventName[] = "vx19462073";
constexpr char kAlreadyRunning[] = "程序已运行!";
constexpr int kIconResource = 1;

// The one panel of the process, for the drop hook, which has no other way in.
PanelApp* hookedApp = nullptr;

HICON loadIcon(HINSTANCE instance, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, size, size, 0));
}

}  // namespace

PanelApp::PanelApp(HINSTANCE instance, std::string runDirectory)
    : instance_(instance),
      settings_(profile_, std::move(runDirectory)),
      window_(instance, *this),
      schemes_(settings_, window_),
      controller_(window_, settings_, schemes_),
      dock_(*this),
      picker_(browseDialog_),
      actions_(window_, schemes_, *this, picker_) {}

int PanelApp::run() {
  largeIcon_ = loadIcon(instance_, SM_CXICON);
  smallIcon_ = loadIcon(instance_, SM_CXSMICON);
  window_.create(largeIcon_, smallIcon_, texts::kContactLine);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Dialog navigation gives Tab between the tab stops and Esc as a close request.
    if (IsWindow(window_.hwnd()) && IsDialogMessageA(window_.hwnd(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void PanelApp::created() {
  HWND panel = window_.hwnd();
  // Create-or-open in one call, so that two copies started together cannot
  // both find the name free. The handle is never closed: the event lives as
  // long as this process. A name taken by another kind of object gives no
  // event and no guard.
  CreateEventA(nullptr, FALSE, FALSE, kInstanceEventName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    MessageBoxA(nullptr, kAlreadyRunning, texts::kPanelTitle, MB_OK | MB_TASKMODAL);
    PostMessageA(panel, WM_CLOSE, 0, 0);
    return;
  }
  registerProgramWindow(panel);
  tip_.create(instance_);
  DragAcceptFiles(panel, TRUE);
  hookedApp = this;
  previousPanelProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dropHook)));
  window_.setTimerPeriod(DockPanelWindow::kHideTimer, kHideTimerPeriodMs);
  window_.setTimerPeriod(DockPanelWindow::kEdgeTimer, kEdgeTimerPeriodMs);
  window_.setStatusText(texts::kStatusIdle);
  restorePanelChoices(window_, settings_, schemes_);
}

void PanelApp::willBeDestroyed() {
  if (!previousPanelProc_) return;
  SetWindowLongPtrA(window_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousPanelProc_));
  hookedApp = nullptr;
}

LRESULT CALLBACK PanelApp::dropHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_DROPFILES) {
    hookedApp->drop(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  return CallWindowProcA(hookedApp->previousPanelProc_, window, message, wParam, lParam);
}

void PanelApp::drop(HDROP drop) { dispatchDrop(drop, window_.hwnd(), *this); }

void PanelApp::clicked(int controlId) {
  if (controlId >= layout::radioId(1) && controlId <= layout::radioId(kSchemeCount)) {
    controller_.schemeClicked(controlId - layout::kRadioBase);
    return;
  }
  if (controlId >= layout::buttonId(1) && controlId <= layout::buttonId(kSlotCount)) {
    actions_.browseClicked(controlId - layout::kButtonBase);
    return;
  }
  switch (controlId) {
    case layout::radioId(11): controller_.moveClicked(); break;
    case layout::radioId(12): controller_.copyClicked(); break;
    case layout::radioId(15): controller_.autoHideClicked(); break;
    case layout::radioId(16): controller_.shownClicked(); break;
    case layout::kConfigButton: controller_.configClicked(); break;
    case layout::kHelpButton: runHelpWindow(instance_, window_.ownerWindow(), largeIcon_, *this); break;
    case layout::kExitButton: exitProgram(0);
  }
}

void PanelApp::exitProgram(UINT exitCode) {
  OleUninitialize();
  ExitProcess(exitCode);
}

void PanelApp::mouseMoved() { dock_.panelMouseMoved(); }
void PanelApp::doubleClicked() { actions_.panelDoubleClicked(); }
void PanelApp::slotPressed(int slot) { actions_.slotPressed(slot); }

void PanelApp::slotMouseMoved(int slot) {
  tip_.attachTip(window_.slotBox(slot), window_.slotText(slot), -1);
}

void PanelApp::timerElapsed(int timer) {
  if (timer == DockPanelWindow::kHideTimer) dock_.hideTick();
  if (timer == DockPanelWindow::kEdgeTimer) dock_.edgeTick();
}

bool PanelApp::shownModeChecked() const { return window_.radioChecked(Radio::Shown); }

bool PanelApp::readCursor(int& x, int& y) const {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  x = cursor.x;
  y = cursor.y;
  return true;
}

DockRect PanelApp::panelRect() const { return window_.outerRect(); }

void PanelApp::setPanelLeft(int left) { window_.setLeft(left); }

void PanelApp::setHideTimerPeriod(int ms) { window_.setTimerPeriod(DockPanelWindow::kHideTimer, ms); }

HWND PanelApp::slotBox(int slot) const { return window_.slotBox(slot); }
PanelView& PanelApp::view() { return window_; }

bool PanelApp::open(const std::string& target) { return FolderLauncher(window_.hwnd()).open(target); }

}  // namespace fdt
