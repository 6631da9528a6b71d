#include "help/help_window_win.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "help/help_texts.h"
#include "help/page_choice.h"
#include "platform/program_windows_win.h"

namespace fdt {
namespace {

constexpr char kClassName[] = "FeidangtongHelp";
constexpr int kWidth = 318;
constexpr int kHeight = 248;
constexpr int kTextWidth = 312;
constexpr int kTextHeight = 216;
constexpr int kTextId = 1;
constexpr UINT_PTR kTextSubclassId = 1;

class HelpWindow {
 public:
  HelpWindow(HINSTANCE instance, HWND hiddenOwner, HICON icon, Launcher& launcher);
  void run();

 private:
  static LRESULT CALLBACK thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK textThunk(HWND text, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void created();
  void disableOthers();
  void restoreOthers();
  void closeRequested();
  void textDoubleClicked();
  bool isEscapeForMe(const MSG& message) const;

  HWND window_ = nullptr;
  HWND text_ = nullptr;
  HINSTANCE instance_;
  HICON icon_;
  Launcher& launcher_;
  bool open_ = false;
  std::vector<std::pair<HWND, bool>> others_;  // each disabled window and whether it was enabled
};

void registerClassOnce(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);
}

HelpWindow::HelpWindow(HINSTANCE instance, HWND hiddenOwner, HICON icon, Launcher& launcher)
    : instance_(instance), icon_(icon), launcher_(launcher) {
  registerClassOnce(instance, thunk);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  // An owner without WS_CHILD makes it a top-level window with no parent.
  CreateWindowExA(WS_EX_TOPMOST, kClassName, texts::kHelpTitle, WS_CAPTION | WS_SYSMENU, left, top,
                  kWidth, kHeight, hiddenOwner, nullptr, instance, this);
}

void HelpWindow::created() {
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  // Without Move in the system menu the title bar cannot drag the window.
  DeleteMenu(GetSystemMenu(window_, FALSE), SC_MOVE, MF_BYCOMMAND);
  text_ = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, "Edit", texts::kHelpText,
                          WS_CHILD | WS_VISIBLE | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL |
                              ES_READONLY,
                          0, 0, kTextWidth, kTextHeight, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), instance_,
                          nullptr);
  SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SetWindowSubclass(text_, textThunk, kTextSubclassId, reinterpret_cast<DWORD_PTR>(this));
  registerProgramWindow(window_);
  open_ = true;
}

void HelpWindow::run() {
  if (!window_) return;
  ShowWindow(window_, SW_SHOW);
  SetFocus(text_);
  disableOthers();
  MSG message;
  while (open_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: close here and leave the quit to the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      closeRequested();
      break;
    }
    if (isEscapeForMe(message)) {
      closeRequested();
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool HelpWindow::isEscapeForMe(const MSG& message) const {
  return message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
         (message.hwnd == window_ || IsChild(window_, message.hwnd));
}

void HelpWindow::disableOthers() {
  for (HWND other : programWindows()) {
    if (other == window_ || (GetWindowLongPtrA(other, GWL_STYLE) & WS_CHILD)) continue;
    // EnableWindow answers whether the window was disabled before.
    others_.emplace_back(other, !EnableWindow(other, FALSE));
  }
}

void HelpWindow::restoreOthers() {
  for (const auto& [other, wasEnabled] : others_) EnableWindow(other, wasEnabled);
  others_.clear();
}

void HelpWindow::closeRequested() {
  // Given back before the window goes, so that activation can pass to the
  // panel instead of to a window of another program.
  restoreOthers();
  DestroyWindow(window_);
}

void HelpWindow::textDoubleClicked() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  launcher_.open(helpPageForMinute(now.wMinute));
}

LRESULT HelpWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      created();
      return 0;
    case WM_CLOSE:
      closeRequested();
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A read-only edit box asks for the static colours.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
      unregisterProgramWindow(window_);
      open_ = false;
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK HelpWindow::thunk(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<HelpWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HelpWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT CALLBACK HelpWindow::textThunk(HWND text, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) noexcept {
  // The page opens first; the box then selects the word under the cursor as usual.
  if (message == WM_LBUTTONDBLCLK) reinterpret_cast<HelpWindow*>(self)->textDoubleClicked();
  if (message == WM_NCDESTROY) RemoveWindowSubclass(text, textThunk, kTextSubclassId);
  return DefSubclassProc(text, message, wParam, lParam);
}

}  // namespace

void runHelpWindow(HINSTANCE instance, HWND hiddenOwner, HICON icon, Launcher& launcher) {
  HelpWindow window(instance, hiddenOwner, icon, launcher);
  window.run();
}

}  // namespace fdt
