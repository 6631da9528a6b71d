#include "panel/panel_app_win.h"

#include <ole2.h>

#include "panel/panel_layout.h"
#include "panel/panel_texts.h"

namespace fdt {
namespace {

constexpr char kInstanceEventName[] = "vx19462073";
constexpr char kAlreadyRunning[] = "程序已运行!";
constexpr DWORD kEventAllAccess = 0x1F0003;
constexpr int kIconResource = 1;
constexpr int kHidePeriod = 200;
constexpr int kEdgePeriod = 100;
// The contact line under the dock radios.
constexpr char kContactLine[] = "";

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
      controller_(window_, settings_, schemes_) {}

int PanelApp::run() {
  window_.create(loadIcon(instance_, SM_CXICON), loadIcon(instance_, SM_CXSMICON), kContactLine);
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
  if (OpenEventA(kEventAllAccess, FALSE, kInstanceEventName)) {
    MessageBoxA(nullptr, kAlreadyRunning, texts::kPanelTitle, MB_OK | MB_TASKMODAL);
    PostMessageA(panel, WM_CLOSE, 0, 0);
    return;
  }
  // Never closed: the event lives as long as this process.
  CreateEventA(nullptr, FALSE, FALSE, kInstanceEventName);
  DragAcceptFiles(panel, TRUE);
  hookedApp = this;
  previousPanelProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dropHook)));
  window_.setTimerPeriod(DockPanelWindow::kHideTimer, kHidePeriod);
  window_.setTimerPeriod(DockPanelWindow::kEdgeTimer, kEdgePeriod);
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

void PanelApp::drop(HDROP drop) { DragFinish(drop); }

void PanelApp::clicked(int controlId) {
  if (controlId >= layout::radioId(1) && controlId <= layout::radioId(kSchemeCount)) {
    controller_.schemeClicked(controlId - layout::kRadioBase);
    return;
  }
  switch (controlId) {
    case layout::radioId(11): controller_.moveClicked(); break;
    case layout::radioId(12): controller_.copyClicked(); break;
    case layout::radioId(15): controller_.autoHideClicked(); break;
    case layout::radioId(16): controller_.shownClicked(); break;
    case layout::kConfigButton: controller_.configClicked(); break;
    case layout::kExitButton: exitProgram(0);
  }
}

void PanelApp::exitProgram(UINT exitCode) {
  OleUninitialize();
  ExitProcess(exitCode);
}

void PanelApp::mouseMoved() {}
void PanelApp::doubleClicked() {}
void PanelApp::slotPressed(int) {}
void PanelApp::slotMouseMoved(int) {}
void PanelApp::timerElapsed(int) {}

}  // namespace fdt
