#include "platform/tip_rules.h"

#include <gtest/gtest.h>

namespace fdt {
namespace {

class TestClock final : public TipClock {
 public:
  std::int64_t nowMs() const override { return now; }
  std::int64_t now = 1000;
};

constexpr TipWindowId kPanel = 0x100;
constexpr TipWindowId kBox1 = 0x101;
constexpr TipWindowId kBox2 = 0x102;
constexpr TipWindowId kEmptyBox = 0x103;
constexpr TipWindowId kLabel = 0x104;  // a child of the panel with no entry
constexpr TipWindowId kTip = 0x200;
constexpr TipWindowId kDesktop = 0x300;

constexpr ScreenPoint kRest{10, 90};
constexpr ScreenPoint kElsewhere{20, 120};

using Kind = TipAction::Kind;

class TipRulesTest : public ::testing::Test {
 protected:
  TipRulesTest() {
    rules.attach(kBox1, "C:\\");
    rules.attach(kBox2, "D:\\data");
    rules.attach(kEmptyBox, "");
  }

  TipAction move(ScreenPoint at, TipWindowId under, TipWindowId parent = kPanel) {
    return rules.mouseMoved(at, under, parent, under == kTip);
  }
  // The timer goes off this long after now, with the cursor where it is then.
  TipAction after(std::int64_t ms, std::optional<ScreenPoint> cursor) {
    clock.now += ms;
    return rules.timerDue(cursor);
  }
  std::int64_t sinceNow(std::optional<std::int64_t> deadline) const {
    return deadline.value() - clock.now;
  }
  void enterWaiting() { move(kRest, kBox1); }
  void enterShowing() {
    enterWaiting();
    ASSERT_EQ(after(kTipShowDelayMs, kRest).kind, Kind::Show);
  }

  TestClock clock;
  TipRules rules{clock};
};

enum class Event {
  MoveOverEntry,        // over slot box 2
  MoveOverEntryParent,  // over a label without entry whose parent has one
  MoveNowhere,          // over a window without entry whose parent has none
  MoveSamePlace,        // over slot box 2, at the position of the last move
  MoveOverTip,
  Dismiss,
  TimerEarly,           // 1 ms before the deadline, cursor at rest
  TimerAtRest,          // at the deadline, cursor where the last move put it
  TimerCursorMoved,     // at the deadline, cursor one pixel away
};

struct Transition {
  const char* name;
  TipState from;
  Event event;
  TipState to;
  Kind action;
  std::int64_t deadlineFromNow;  // -1: no deadline
};

class TipRulesTransitionTest : public TipRulesTest,
                               public ::testing::WithParamInterface<Transition> {
 protected:
  void enter(TipState state) {
    switch (state) {
      case TipState::Idle: move(kRest, kDesktop, 0); return;
      case TipState::Waiting: enterWaiting(); return;
      case TipState::Showing: enterShowing(); return;
    }
  }
  TipAction apply(Event event) {
    const std::int64_t due = rules.nextDeadline().value_or(clock.now + 10000);
    switch (event) {
      case Event::MoveOverEntry: clock.now += 100; return move(kElsewhere, kBox2);
      case Event::MoveOverEntryParent: clock.now += 100; return move(kElsewhere, kLabel, kBox1);
      case Event::MoveNowhere: clock.now += 100; return move(kElsewhere, kDesktop, 0);
      case Event::MoveSamePlace: clock.now += 100; return move(kRest, kBox2);
      case Event::MoveOverTip: clock.now += 100; return move(kElsewhere, kTip, 0);
      case Event::Dismiss: clock.now += 100; return rules.dismiss();
      case Event::TimerEarly: return after(due - 1 - clock.now, kRest);
      case Event::TimerAtRest: return after(due - clock.now, kRest);
      case Event::TimerCursorMoved: return after(due - clock.now, ScreenPoint{11, 90});
    }
    return {};
  }
};

TEST_P(TipRulesTransitionTest, FollowsTheStateTable) {
  const Transition& t = GetParam();
  enter(t.from);
  ASSERT_EQ(rules.state(), t.from);
  const TipAction action = apply(t.event);
  EXPECT_EQ(rules.state(), t.to);
  EXPECT_EQ(action.kind, t.action);
  if (t.deadlineFromNow < 0)
    EXPECT_FALSE(rules.nextDeadline().has_value());
  else
    EXPECT_EQ(sinceNow(rules.nextDeadline()), t.deadlineFromNow);
}

using S = TipState;
using E = Event;
INSTANTIATE_TEST_SUITE_P(
    StateTable, TipRulesTransitionTest,
    ::testing::Values(
        Transition{"IdleMoveOverEntryWaits", S::Idle, E::MoveOverEntry, S::Waiting, Kind::None, 600},
        Transition{"IdleMoveOverChildOfEntryWaits", S::Idle, E::MoveOverEntryParent, S::Waiting,
                   Kind::None, 600},
        Transition{"IdleMoveNowhereStays", S::Idle, E::MoveNowhere, S::Idle, Kind::None, -1},
        Transition{"IdleSamePlaceIgnored", S::Idle, E::MoveSamePlace, S::Idle, Kind::None, -1},
        Transition{"IdleTimerDoesNothing", S::Idle, E::TimerAtRest, S::Idle, Kind::None, -1},
        Transition{"WaitingMoveOverEntryRestarts", S::Waiting, E::MoveOverEntry, S::Waiting,
                   Kind::None, 600},
        Transition{"WaitingMoveOverChildOfEntryRestarts", S::Waiting, E::MoveOverEntryParent,
                   S::Waiting, Kind::None, 600},
        Transition{"WaitingMoveNowhereCancels", S::Waiting, E::MoveNowhere, S::Idle, Kind::None,
                   -1},
        Transition{"WaitingSamePlaceIgnored", S::Waiting, E::MoveSamePlace, S::Waiting,
                   Kind::None, 500},
        Transition{"WaitingDismissCancels", S::Waiting, E::Dismiss, S::Idle, Kind::None, -1},
        Transition{"WaitingTimerEarlyWaitsOn", S::Waiting, E::TimerEarly, S::Waiting, Kind::None,
                   1},
        Transition{"WaitingTimerAtRestShows", S::Waiting, E::TimerAtRest, S::Showing, Kind::Show,
                   3000},
        Transition{"WaitingTimerCursorMovedShowsNothing", S::Waiting, E::TimerCursorMoved,
                   S::Idle, Kind::None, -1},
        Transition{"ShowingMoveOverEntryHidesAndWaits", S::Showing, E::MoveOverEntry, S::Waiting,
                   Kind::Hide, 600},
        Transition{"ShowingMoveOverChildOfEntryHidesAndWaits", S::Showing, E::MoveOverEntryParent,
                   S::Waiting, Kind::Hide, 600},
        Transition{"ShowingMoveNowhereHides", S::Showing, E::MoveNowhere, S::Idle, Kind::Hide, -1},
        Transition{"ShowingSamePlaceIgnored", S::Showing, E::MoveSamePlace, S::Showing,
                   Kind::None, 2900},
        Transition{"ShowingMoveOverTipRestartsAutoHide", S::Showing, E::MoveOverTip, S::Showing,
                   Kind::None, 3000},
        Transition{"ShowingDismissHides", S::Showing, E::Dismiss, S::Idle, Kind::Hide, -1},
        Transition{"ShowingTimerEarlyStaysShown", S::Showing, E::TimerEarly, S::Showing,
                   Kind::None, 1},
        Transition{"ShowingAutoHideHides", S::Showing, E::TimerAtRest, S::Idle, Kind::Hide, -1}),
    [](const ::testing::TestParamInfo<Transition>& info) { return info.param.name; });

TEST_F(TipRulesTest, ShowsTheEntryTextAtTheCursorAfterTheShowDelay) {
  move(kRest, kBox1);
  EXPECT_EQ(after(kTipShowDelayMs - 1, kRest).kind, Kind::None);
  const TipAction shown = after(1, kRest);
  EXPECT_EQ(shown.kind, Kind::Show);
  EXPECT_EQ(shown.text, "C:\\");
  EXPECT_EQ(shown.anchor, kRest);
  EXPECT_EQ(after(kTipAutoHideDelayMs - 1, kRest).kind, Kind::None);
  EXPECT_EQ(after(1, kRest).kind, Kind::Hide);
  // It does not come back until the mouse moves again.
  EXPECT_EQ(after(60000, kRest).kind, Kind::None);
  EXPECT_FALSE(rules.nextDeadline().has_value());
}

TEST_F(TipRulesTest, EntryUnderTheCursorComesBeforeItsParents) {
  rules.attach(kPanel, "panel");
  move(kRest, kBox2, kPanel);
  EXPECT_EQ(after(kTipShowDelayMs, kRest).text, "D:\\data");
  move(kElsewhere, kLabel, kPanel);
  EXPECT_EQ(after(kTipShowDelayMs, kElsewhere).text, "panel");
}

TEST_F(TipRulesTest, EmptyTextOrUnreadableCursorShowsNothing) {
  move(kRest, kEmptyBox);
  EXPECT_EQ(after(kTipShowDelayMs, kRest).kind, Kind::None);
  EXPECT_EQ(rules.state(), TipState::Idle);

  move(kElsewhere, kBox1);
  EXPECT_EQ(after(kTipShowDelayMs, std::nullopt).kind, Kind::None);
  EXPECT_EQ(rules.state(), TipState::Idle);
}

TEST_F(TipRulesTest, ShowsTheTextTheEntryHeldWhenTheDelayStarted) {
  move(kRest, kBox1);
  rules.attach(kBox1, "C:\\new");
  EXPECT_EQ(after(kTipShowDelayMs, kRest).text, "C:\\");

  // Replacing the text leaves the showing tip as it is.
  rules.attach(kBox1, "C:\\newer");
  EXPECT_EQ(rules.state(), TipState::Showing);
  EXPECT_EQ(sinceNow(rules.nextDeadline()), kTipAutoHideDelayMs);

  // A one-pixel move hides it, and the next show has the new text.
  EXPECT_EQ(move(ScreenPoint{11, 90}, kBox1).kind, Kind::Hide);
  const TipAction again = after(kTipShowDelayMs, ScreenPoint{11, 90});
  EXPECT_EQ(again.text, "C:\\newer");
  EXPECT_EQ(again.anchor, (ScreenPoint{11, 90}));
}

TEST_F(TipRulesTest, FirstMoveOverANewBoxOnlyHidesTheAttachFollows) {
  constexpr TipWindowId kBox3 = 0x105;
  enterShowing();
  // The box's handler attaches after the component has seen the move.
  EXPECT_EQ(move(kElsewhere, kBox3).kind, Kind::Hide);
  rules.attach(kBox3, "E:\\");
  EXPECT_EQ(after(kTipShowDelayMs, kElsewhere).kind, Kind::None);

  const ScreenPoint next{21, 120};
  move(next, kBox3);
  rules.attach(kBox3, "E:\\");
  EXPECT_EQ(after(kTipShowDelayMs, next).text, "E:\\");
}

TEST_F(TipRulesTest, MovingOntoTheTipKeepsItForAFullAutoHideDelay) {
  enterShowing();
  clock.now += 2000;
  move(kElsewhere, kTip, 0);
  EXPECT_EQ(after(kTipAutoHideDelayMs - 1, kElsewhere).kind, Kind::None);
  EXPECT_EQ(after(1, kElsewhere).kind, Kind::Hide);
}

TEST_F(TipRulesTest, LeavingWhileWaitingShowsNothing) {
  move(kRest, kBox1);
  clock.now += 300;
  // Off the panel the thread sees no more mouse moves; the cursor is elsewhere.
  EXPECT_EQ(after(300, ScreenPoint{500, 500}).kind, Kind::None);
  EXPECT_EQ(rules.state(), TipState::Idle);
}

}  // namespace
}  // namespace fdt
