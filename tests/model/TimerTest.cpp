// Timers own their two embedded actions and only link to the next timer.
#include <kelpie/model/Timer.h>

#include <kelpie/model/Action.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

TEST(Timer, ActionsAreOwnedAndTheNextTimerIsALink) {
    Timer timer;
    EXPECT_EQ(timer.StartAction(), nullptr);
    auto start = std::make_shared<Action>();
    timer.SetStartAction(start);
    start.reset();
    EXPECT_NE(timer.StartAction(), nullptr);
    auto next = std::make_shared<Timer>();
    timer.SetNextTimer(next.get());
    EXPECT_EQ(timer.NextTimer(), next.get());
    next.reset();
    EXPECT_EQ(timer.NextTimer(), nullptr);
}

} // namespace
