// The records that several referrers share (IR codes, icons) and timers.
#include "load/Loader.h"

#include "file/ImageAccess.h"
#include "load/Footprints.h"
#include "load/ModelBuilder.h"
#include <kelpie/file/CCF.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Action.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include <kelpie/model/Timer.h>

namespace kelpie {

using namespace basStructures;

// One object per record position. A later reference only counts: reading
// the record again would give the same object (and repeat every notice of a
// record that runs past the end), so it is read on the first reference only.
// A shared IR code or icon is read once, however many actions and buttons
// refer to it: a large record referred to thousands of times costs one read.
// The notices its read gave (a name or data running past the end) are given
// again at each later reference, as reading it again would.
Loader::NoticesKept::NoticesKept(CCFfile& file, SharedNotices& kept, std::int32_t pos)
    : file_(file), kept_(kept), pos_(pos) {
    ImageAccess::RecordNotices(file_, &heard_);
}

Loader::NoticesKept::~NoticesKept() {
    ImageAccess::RecordNotices(file_, nullptr);
    if (!heard_.empty()) kept_.emplace(pos_, std::move(heard_));
}

void Loader::RepeatNotices(const SharedNotices& kept, std::int32_t pos) {
    if (const auto found = kept.find(pos); found != kept.end())
        for (const std::string& text : found->second)
            file_.Notice(text);
}

IRCode& Loader::LoadIRCode(std::int32_t pos) {
    IRCodes& codes = ccf_.IRCodes();
    if (IRCode* known = ModelBuilder::CountReference(codes, pos)) {
        RepeatNotices(irCodeNotices_, pos);
        return *known;
    }
    NoticesKept kept(file_, irCodeNotices_, pos);
    std::int32_t dataPosition = 0;
    const IRCodeRecord record = ReadIRCode(file_, pos, dataPosition);
    CountData(mtypIRCode, pos, record.Size - IRCodeHeadSize);
    CountObject(mtypIRCode, pos, footprint::IRCode + footprint::Data(record.Size - IRCodeHeadSize));
    IRCode& code = ModelBuilder::FindOrAdd(codes, pos, record);
    ModelBuilder::SetName(code, ReadCountedName(mtypIRCode, pos, record.NamePosition));
    // A size word of 6 or less leaves no room for data: the code is empty.
    ModelBuilder::SetData(code, file_.ReadBytes(record.Size - IRCodeHeadSize, dataPosition));
    return code;
}

Icon& Loader::LoadIcon(std::int32_t pos) {
    Icons& icons = ccf_.Icons();
    if (Icon* known = ModelBuilder::CountReference(icons, pos)) {
        RepeatNotices(iconNotices_, pos);
        return *known;
    }
    NoticesKept kept(file_, iconNotices_, pos);
    std::int32_t dataPosition = 0;
    const IconRecord record = ReadIcon(file_, pos, dataPosition);
    CountData(mtypIcon, pos, record.Size - IconHeadSize);
    CountObject(mtypIcon, pos, footprint::Icon + footprint::Data(record.Size - IconHeadSize));
    Icon& icon = ModelBuilder::FindOrAdd(icons, pos, record);
    if (record.Size > IconHeadSize)
        ModelBuilder::SetIconData(icon, file_.ReadBytes(record.Size - IconHeadSize, dataPosition));
    return icon;
}

Icon* Loader::LoadIconIfAny(std::int32_t pos) {
    return pos != 0 ? &LoadIcon(pos) : nullptr;
}

// A timer holds its start and end actions; either may start a timer again,
// so timers nest. A timer is registered once its actions are loaded, so one
// that comes back to itself through its actions would never complete: it is
// reached a second time and ends the load as soon as the structure map has
// reported it.
std::shared_ptr<Timer> Loader::LoadTimer(std::int32_t pos) {
    Nesting nesting(*this, mtypTimer, pos);
    const TimerRecord record = ReadTimer(file_, pos);
    if (nesting.ContainsItself()) throw ReachedTwice(mtypTimer, pos);
    CountObject(mtypTimer, pos, footprint::Timer);
    auto timer = std::make_shared<Timer>();
    ModelBuilder::SetRecord(*timer, record);
    ModelBuilder::SetPosition(*timer, pos);

    if (record.StartAction.ActionType != 0) {
        CountObject(mtypAction, pos + TimerStartActionOffset, footprint::Action);
        auto action = std::make_shared<Action>();
        ModelBuilder::SetStartAction(*timer, action);
        LoadAction(pos + TimerStartActionOffset, *action);
    }
    if (record.EndAction.ActionType != 0) {
        CountObject(mtypAction, pos + TimerEndActionOffset, footprint::Action);
        auto action = std::make_shared<Action>();
        ModelBuilder::SetEndAction(*timer, action);
        LoadAction(pos + TimerEndActionOffset, *action);
    }
    Register(timersByPosition_, pos, *timer, mtypTimer);
    return timer;
}

} // namespace kelpie
