// The balloon tip: one tip text per control, a hook that sees every message
// the thread takes from its queue (in modal loops too), and a topmost tip
// window that never takes the focus and has no task bar button. When a tip
// shows and hides is decided by TipRules; this class feeds it the messages
// and carries out what it decides.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/tip_rules.h"

namespace fdt {

// The tip window's class, by which other processes find it.
inline constexpr char kBalloonTipClass[] = "FdtBalloonTip";

// Button presses and double clicks (client and non-client area), the wheel
// and key presses: they hide a showing tip at once and cancel a pending one.
bool dismissesTip(UINT message);

class BalloonTip {
 public:
  BalloonTip() = default;
  ~BalloonTip() { destroy(); }
  BalloonTip(const BalloonTip&) = delete;
  BalloonTip& operator=(const BalloonTip&) = delete;

  // Creates the tip window and hooks the calling thread, which must then run
  // the message loop. One balloon tip per thread; false when it cannot be made.
  bool create(HINSTANCE instance);
  void destroy();
  // Adds the control's entry or replaces its text; a showing tip stays as it
  // is. The picture list is empty, so no icon number shows a picture.
  bool attachTip(HWND control, const std::string& text, int icon = -1);
  HWND tipWindow() const { return window_; }

 private:
  class TickClock final : public TipClock {
   public:
    std::int64_t nowMs() const override;
  };

  static LRESULT CALLBACK messageHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void watch(const MSG& message);
  void timerDue();
  void carryOut(const TipAction& action);
  void show(const std::string& text, ScreenPoint anchor);

  TickClock clock_;
  TipRules rules_{clock_};
  HWND window_ = nullptr;
  HHOOK hook_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace fdt
