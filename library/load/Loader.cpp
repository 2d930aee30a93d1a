#include "load/Loader.h"

#include "Error.h"
#include "file/CCF.h"
#include "model/Actions.h"
#include "model/Button.h"
#include "model/Device.h"
#include "model/Devices.h"
#include "model/Panel.h"
#include "model/Panels.h"
#include "model/Timer.h"

#include <algorithm>

namespace kelpie {

std::string RecordAt(CCFtypes type, std::int32_t pos) {
    return CCFfile::ObjectName(type) + " at " + std::to_string(pos);
}

Loader::Loader(CCF& ccf)
    : ccf_(ccf), file_(ccf.CCFfile()), devicesByPosition_(file_.FileSize()),
      panelsByPosition_(file_.FileSize()), buttonsByPosition_(file_.FileSize()),
      actionsClaimed_(file_.FileSize()), timersByPosition_(file_.FileSize()) {
    // A real file holds one object for every 20 to 60 of its bytes (a child
    // entry and its button, an action list and its actions); frames reached
    // again add a few more. One object for every 8 bytes, and never less than
    // a small file's worth, is far beyond any real file and still bounds the
    // memory a crafted one can make the load take.
    maxObjects_ = ObjectBudget(file_.FileSize());
    // The IR codes and icons of a real file lie side by side in it, so their
    // data take at most FileSize bytes. Twice that, and never less than
    // 1 MiB, leaves room for records cut short at the end of the file, and
    // still stops records at many overlapping positions whose size words
    // each claim 32 KB of bytes that the file does not have.
    maxDataBytes_ =
        std::max<std::int64_t>(std::int64_t{1} << 20, 2 * std::int64_t{file_.FileSize()});
}

std::int64_t Loader::ObjectBudget(std::int32_t fileSize) {
    return std::max<std::int64_t>(4096, fileSize / 8);
}

void Loader::Run() {
    using namespace basStructures;
    ccf_.SetHeader(ReadHeader(file_));
    format_ = ccf_.FileFormat();
    ccf_.SetVersionString(ReadName(file_, ccf_.Header().VersionStringPosition));

    LoadDeviceChain(ccf_.PosHomeGroup(), ccf_.HomeGroup());
    LoadDeviceChain(ccf_.PosDeviceGroup(), ccf_.DevicesGroup());
    LoadDeviceChain(ccf_.PosMacroGroup(), ccf_.MacrosGroup());
    LoadPanelChain(ccf_.PosSpecialPanels(), ccf_.SpecialPanels());
    // The header's first-timer position is not followed: timers are reached
    // through the timer actions that start them.
    ResolveReferences();
}

void Loader::CountObject(CCFtypes type, std::int32_t pos) {
    if (++objects_ > maxObjects_)
        throw Error(ErrorKind::Overflow,
                    RecordAt(type, pos) +
                        ": the file's records refer to each other so often that "
                        "loading it would create more than " +
                        std::to_string(maxObjects_) + " objects");
}

void Loader::CountData(CCFtypes type, std::int32_t pos, std::int64_t bytes) {
    if (bytes <= 0) return;
    if (dataBytes_ + bytes > maxDataBytes_)
        throw Error(ErrorKind::Overflow,
                    RecordAt(type, pos) +
                        " would take the data of the file's IR codes and icons beyond " +
                        std::to_string(maxDataBytes_) + " bytes");
    dataBytes_ += bytes;
}

Loader::Nesting::Nesting(Loader& loader, CCFtypes type, std::int32_t pos) : loader_(loader) {
    if (loader_.depth_ >= MaxNestingDepth)
        throw Error(ErrorKind::Overflow, RecordAt(type, pos) + " is nested more than " +
                                             std::to_string(MaxNestingDepth) + " levels deep");
    ++loader_.depth_;
}

} // namespace kelpie
