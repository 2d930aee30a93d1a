// A timer record: a start and an end action with their days (CCFTimerDays
// bits) and times (minutes after midnight), chained to the next timer.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>

namespace kelpie {

class Action;

class KELPIE_API Timer : public std::enable_shared_from_this<Timer> {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::int32_t Position() const noexcept { return position_; }
    std::int16_t Size() const noexcept { return 30; }
    std::uint8_t Filler1() const noexcept { return record_.Filler1; }
    std::uint8_t Filler2() const noexcept { return record_.Filler2; }
    std::uint8_t StartDays() const noexcept { return record_.StartDays; }
    void SetStartDays(std::uint8_t days) noexcept { record_.StartDays = days; }
    std::int16_t StartTime() const noexcept { return record_.StartTime; }
    void SetStartTime(std::int16_t minutes) noexcept { record_.StartTime = minutes; }
    std::uint8_t EndDays() const noexcept { return record_.EndDays; }
    void SetEndDays(std::uint8_t days) noexcept { record_.EndDays = days; }
    std::int16_t EndTime() const noexcept { return record_.EndTime; }
    void SetEndTime(std::int16_t minutes) noexcept { record_.EndTime = minutes; }

    // The embedded actions, owned by the timer; nullptr when missing.
    kelpie::Action* StartAction() const noexcept { return startAction_.get(); }
    void SetStartAction(std::shared_ptr<kelpie::Action> action);
    kelpie::Action* EndAction() const noexcept { return endAction_.get(); }
    void SetEndAction(std::shared_ptr<kelpie::Action> action);

    // The next timer of the chain: linked, not owned; nullptr when missing.
    kelpie::Timer* NextTimer() const noexcept;
    void SetNextTimer(kelpie::Timer* timer);

    // ---- Loader operations ----
    KELPIE_INTERNAL void SetRecord(const TimerRecord& record) { record_ = record; }
    KELPIE_INTERNAL void SetPosition(std::int32_t position) noexcept { position_ = position; }
    KELPIE_INTERNAL std::int32_t NextTimerPosition() const noexcept {
        return record_.NextTimerPosition;
    }
    KELPIE_INTERNAL const TimerRecord& Record() const noexcept { return record_; }

private:
    TimerRecord record_;
    std::int32_t position_ = 0;
    std::shared_ptr<kelpie::Action> startAction_, endAction_;
    std::weak_ptr<kelpie::Timer> nextTimer_;
};

} // namespace kelpie
