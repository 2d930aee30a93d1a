// Timers own their two embedded actions and only link to the next timer.
#include <kelpie/model/Timer.h>

#include "load/ModelBuilder.h"
#include <kelpie/model/Action.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

TEST(Timer, ActionsAreOwnedAndTheNextTimerIsALink) {
    Timer timer;
    EXPECT_EQ(timer.StartAction(), nullptr);
    auto start = std::make_shared<Action>();
    ModelBuilder::SetStartAction(timer, start);
    start.reset();
    EXPECT_NE(timer.StartAction(), nullptr);
    auto next = std::make_shared<Timer>();
    ModelBuilder::SetNextTimer(timer, next.get());
    EXPECT_EQ(timer.NextTimer(), next.get());
    next.reset();
    EXPECT_EQ(timer.NextTimer(), nullptr);
}

} // namespace
