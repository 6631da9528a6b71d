// Rules of the panel's geometry and timers that hold whatever the window system.
#pragma once

namespace fdt {

inline constexpr int kPositionLimit = 32627;

inline int clampPosition(int value) {
  return value < -kPositionLimit ? -kPositionLimit : value > kPositionLimit ? kPositionLimit : value;
}
inline int clampSize(int value) { return value < 0 ? 0 : value > kPositionLimit ? kPositionLimit : value; }

// Centred on a screen, truncating toward zero.
inline int centredStart(int screenSize, int windowSize) { return (screenSize - windowSize) / 2; }

// A window timer's period: setting the period it has already changes nothing,
// so a running countdown is not restarted; 0 (or less) means stopped.
class TimerPeriod {
 public:
  enum class Change { None, Stop, Restart };

  Change set(int period) {
    if (period < 0) period = 0;
    if (period == period_) return Change::None;
    period_ = period;
    return period_ > 0 ? Change::Restart : Change::Stop;
  }
  int period() const { return period_; }

 private:
  int period_ = 0;
};

}  // namespace fdt
