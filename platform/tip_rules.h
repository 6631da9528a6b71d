// When the balloon tip shows and hides: one text per control, a show delay
// after the mouse comes to rest and an auto-hide delay once shown. Fed with
// the thread's messages as events; the window side carries out the actions
// and runs one timer for nextDeadline().
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/screen_geometry.h"

namespace fdt {

// A window as the platform names it; the rules only compare them.
using TipWindowId = std::uintptr_t;

inline constexpr std::int64_t kTipShowDelayMs = 600;
inline constexpr std::int64_t kTipAutoHideDelayMs = 3000;

class TipClock {
 public:
  virtual ~TipClock() = default;
  // Milliseconds on a clock that never goes back.
  virtual std::int64_t nowMs() const = 0;
};

// What the tip window has to do after an event.
struct TipAction {
  enum class Kind { None, Show, Hide };
  Kind kind = Kind::None;
  std::string text;      // Show: the text to show
  ScreenPoint anchor{};  // Show: the cursor's hot spot that places the tip
};

enum class TipState { Idle, Waiting, Showing };

class TipRules {
 public:
  explicit TipRules(const TipClock& clock) : clock_(clock) {}

  // Adds the control's entry or replaces its text. A showing tip keeps its text.
  void attach(TipWindowId control, const std::string& text);

  // A mouse-move message at a screen point. `under` is the window at that
  // point and `parent` its parent; `overTipWindow` says `under` is the tip.
  TipAction mouseMoved(ScreenPoint at, TipWindowId under, TipWindowId parent,
                       bool overTipWindow);
  // A button press, double click, wheel turn, key press or the loss of activation.
  TipAction dismiss();
  // The timer for nextDeadline() went off. The cursor is read at this moment;
  // no value when it could not be read.
  TipAction timerDue(std::optional<ScreenPoint> cursor);

  // When timerDue() has something to do; none while idle.
  std::optional<std::int64_t> nextDeadline() const;
  TipState state() const { return state_; }

 private:
  TipAction goIdle();

  const TipClock& clock_;
  std::map<TipWindowId, std::string> entries_;
  TipState state_ = TipState::Idle;
  std::int64_t deadline_ = 0;
  // The text of the entry whose show delay runs, taken when the delay started.
  std::string pendingText_;
  std::optional<ScreenPoint> lastMove_;
};

}  // namespace fdt
