#include <kelpie/model/Timer.h>

#include <kelpie/model/Action.h>

namespace kelpie {

Timer::Timer() = default;
Timer::~Timer() = default;

void Timer::SetStartAction(std::shared_ptr<kelpie::Action> action) {
    startAction_ = std::move(action);
}
void Timer::SetEndAction(std::shared_ptr<kelpie::Action> action) {
    endAction_ = std::move(action);
}

kelpie::Timer* Timer::NextTimer() const noexcept {
    return nextTimer_.lock().get();
}
void Timer::SetNextTimer(kelpie::Timer* timer) {
    nextTimer_ = timer ? timer->weak_from_this() : std::weak_ptr<kelpie::Timer>();
}

} // namespace kelpie
