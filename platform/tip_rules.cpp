#include "platform/tip_rules.h"

namespace fdt {

void TipRules::attach(TipWindowId control, const std::string& text) { entries_[control] = text; }

TipAction TipRules::mouseMoved(ScreenPoint at, TipWindowId under, TipWindowId parent,
                               bool overTipWindow) {
  if (lastMove_ == at) return {};
  lastMove_ = at;
  if (state_ == TipState::Showing && overTipWindow) {
    deadline_ = clock_.nowMs() + kTipAutoHideDelayMs;
    return {};
  }
  auto entry = entries_.find(under);
  if (entry == entries_.end()) entry = entries_.find(parent);
  TipAction action = goIdle();
  if (entry != entries_.end()) {
    state_ = TipState::Waiting;
    pendingText_ = entry->second;
    deadline_ = clock_.nowMs() + kTipShowDelayMs;
  }
  return action;
}

TipAction TipRules::dismiss() { return goIdle(); }

TipAction TipRules::timerDue(std::optional<ScreenPoint> cursor) {
  if (state_ == TipState::Idle || clock_.nowMs() < deadline_) return {};
  if (state_ == TipState::Showing) return goIdle();
  state_ = TipState::Idle;
  // The mouse has not rested if it is no longer where the last move put it.
  if (cursor != lastMove_ || pendingText_.empty()) return {};
  state_ = TipState::Showing;
  deadline_ = clock_.nowMs() + kTipAutoHideDelayMs;
  return {TipAction::Kind::Show, pendingText_, *cursor};
}

std::optional<std::int64_t> TipRules::nextDeadline() const {
  if (state_ == TipState::Idle) return std::nullopt;
  return deadline_;
}

TipAction TipRules::goIdle() {
  const bool wasShowing = state_ == TipState::Showing;
  state_ = TipState::Idle;
  if (!wasShowing) return {};
  return {TipAction::Kind::Hide, {}, {}};
}

}  // namespace fdt
