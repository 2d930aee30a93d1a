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
    std::int16_t StartTime() const noexcept { return record_.StartTime; }
    std::uint8_t EndDays() const noexcept { return record_.EndDays; }
    std::int16_t EndTime() const noexcept { return record_.EndTime; }

    // The embedded actions, owned by the timer; nullptr when missing.
    kelpie::Action* StartAction() const noexcept { return startAction_.get(); }
    kelpie::Action* EndAction() const noexcept { return endAction_.get(); }

    // The next timer of the chain: linked, not owned; nullptr when missing.
    kelpie::Timer* NextTimer() const noexcept;
    // Where the record says the next timer is; 0 for none.
    std::int32_t NextTimerPosition() const noexcept { return record_.NextTimerPosition; }

    // The timer record as read.
    const TimerRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const TimerRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) noexcept { position_ = position; }
    void SetStartAction(std::shared_ptr<kelpie::Action> action);
    void SetEndAction(std::shared_ptr<kelpie::Action> action);
    // Links the next timer without owning it.
    void SetNextTimer(kelpie::Timer* timer);

    TimerRecord record_;
    std::int32_t position_ = 0;
    std::shared_ptr<kelpie::Action> startAction_, endAction_;
    std::weak_ptr<kelpie::Timer> nextTimer_;
};

} // namespace kelpie
