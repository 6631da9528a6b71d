#include "platform/balloon_tip_win.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/tip_picture_win.h"
#include "platform/tip_placement.h"

namespace fdt {
namespace {

constexpr DWORD kTipExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED;
constexpr UINT_PTR kTipTimer = 1;

// The hook procedure has no context of its own: it reaches the thread's tip here.
thread_local BalloonTip* threadTip = nullptr;

TipWindowId idOf(HWND window) { return reinterpret_cast<TipWindowId>(window); }

bool registerTipClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kBalloonTipClass;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool dismissesTip(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

std::int64_t BalloonTip::TickClock::nowMs() const {
  return static_cast<std::int64_t>(GetTickCount64());
}

bool BalloonTip::create(HINSTANCE instance) {
  if (window_ != nullptr || threadTip != nullptr) return false;
  if (!registerTipClass(instance, windowProc)) return false;
  window_ = CreateWindowExA(kTipExStyle, kBalloonTipClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            instance, this);
  font_ = createTipFont();
  hook_ = SetWindowsHookExA(WH_GETMESSAGE, messageHook, nullptr, GetCurrentThreadId());
  if (window_ == nullptr || font_ == nullptr || hook_ == nullptr) {
    destroy();
    return false;
  }
  threadTip = this;
  return true;
}

void BalloonTip::destroy() {
  if (threadTip == this) threadTip = nullptr;
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
  hook_ = nullptr;
  window_ = nullptr;
  font_ = nullptr;
}

bool BalloonTip::attachTip(HWND control, const std::string& text, int /*icon*/) {
  if (control == nullptr) return false;
  rules_.attach(idOf(control), text);
  return true;
}

LRESULT CALLBACK BalloonTip::messageHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
  // PM_NOREMOVE peeks come back later as the real removal: count each message once.
  if (code == HC_ACTION && wParam == PM_REMOVE && threadTip != nullptr)
    threadTip->watch(*reinterpret_cast<const MSG*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void BalloonTip::watch(const MSG& message) {
  if (message.message == WM_MOUSEMOVE) {
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (!ClientToScreen(message.hwnd, &at)) return;
    HWND under = WindowFromPoint(at);
    HWND parent = under != nullptr ? GetAncestor(under, GA_PARENT) : nullptr;
    carryOut(rules_.mouseMoved({at.x, at.y}, idOf(under), idOf(parent),
                               under != nullptr && under == window_));
  } else if (dismissesTip(message.message)) {
    carryOut(rules_.dismiss());
  }
}

LRESULT CALLBACK BalloonTip::windowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<BalloonTip*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;  // messages of the creation itself come before CreateWindowExA returns
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<BalloonTip*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (self == nullptr || message == WM_NCCREATE || message == WM_NCDESTROY)
    return DefWindowProcA(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT BalloonTip::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTipTimer) timerDue();
      return 0;
    case WM_ACTIVATEAPP:
      // Sent to every top-level window of the thread, the hidden tip included.
      if (wParam == FALSE) carryOut(rules_.dismiss());
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void BalloonTip::timerDue() {
  KillTimer(window_, kTipTimer);
  POINT cursor{};
  std::optional<ScreenPoint> at;
  if (GetCursorPos(&cursor)) at = ScreenPoint{cursor.x, cursor.y};
  carryOut(rules_.timerDue(at));
}

void BalloonTip::carryOut(const TipAction& action) {
  if (action.kind == TipAction::Kind::Show) show(action.text, action.anchor);
  if (action.kind == TipAction::Kind::Hide) ShowWindow(window_, SW_HIDE);
  const std::optional<std::int64_t> deadline = rules_.nextDeadline();
  if (!deadline) {
    KillTimer(window_, kTipTimer);
    return;
  }
  // A timer that comes early finds nothing due and is set again for the rest.
  const std::int64_t wait = std::max<std::int64_t>(*deadline - clock_.nowMs(), 0);
  SetTimer(window_, kTipTimer, static_cast<UINT>(wait), nullptr);
}

void BalloonTip::show(const std::string& text, ScreenPoint anchor) {
  TipPicture picture(text, font_);
  if (!picture.valid()) return;
  const ScreenRect screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const ScreenPoint corner =
      placeTip(anchor, picture.bodySize().cx, picture.bodySize().cy, screen);
  POINT to{corner.x, corner.y};
  SIZE size = picture.size();
  POINT from{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // The window text carries the tip's text for screen readers and other processes.
  SetWindowTextA(window_, text.c_str());
  UpdateLayeredWindow(window_, nullptr, &to, &size, picture.dc(), &from, 0, &blend, ULW_ALPHA);
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

}  // namespace fdt
