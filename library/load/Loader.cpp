#include "load/Loader.h"

#include "load/Footprints.h"
#include "load/ModelBuilder.h"
#include <kelpie/Error.h>
#include <kelpie/file/CCF.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <algorithm>

namespace kelpie {

std::string RecordAt(CCFtypes type, std::int32_t pos) {
    return CCFfile::ObjectName(type) + " at " + std::to_string(pos);
}

Loader::Loader(CCF& ccf)
    : ccf_(ccf), file_(ccf.CCFfile()), devicesByPosition_(file_.FileSize()),
      panelsByPosition_(file_.FileSize()), buttonsByPosition_(file_.FileSize()),
      actionsClaimed_(file_.FileSize()), timersByPosition_(file_.FileSize()) {
    maxMemory_ = MemoryBudget(file_.FileSize());
    // The IR codes and icons of a real file lie side by side in it, so their
    // data take at most FileSize bytes. Twice that, and never less than
    // 1 MiB, leaves room for records cut short at the end of the file, and
    // still stops records at many overlapping positions whose size words
    // each claim 32 KB of bytes that the file does not have.
    maxDataBytes_ =
        std::max<std::int64_t>(std::int64_t{1} << 20, 2 * std::int64_t{file_.FileSize()});
}

// A load may take 12 times the file's size. Besides its objects it keeps the
// file's image and its two maps (a byte each per file byte) and five claim
// bitmaps (a bit each): 2.6 times the size. The objects get 9 times the size,
// which leaves a little for the allocator's own bookkeeping. The densest
// realistic files (a button or an action for every 22 bytes) weigh 8.4
// times their size, a real file 4.2; a frame reached again on every level is
// stopped here. A small file has room for 16 MiB, 65,536 objects of 256
// bytes, so that one frame of 255 children placed on a panel 17 times still
// loads.
std::int64_t Loader::MemoryBudget(std::int32_t fileSize) {
    return std::max<std::int64_t>(std::int64_t{16} << 20, 9 * std::int64_t{fileSize});
}

void Loader::Run() {
    using namespace basStructures;
    ModelBuilder::SetHeader(ccf_, ReadHeader(file_));
    format_ = ccf_.FileFormat();
    ModelBuilder::SetVersionString(ccf_, ReadName(file_, ccf_.Header().VersionStringPosition));

    LoadDeviceChain(ccf_.PosHomeGroup(), ccf_.HomeGroup());
    LoadDeviceChain(ccf_.PosDeviceGroup(), ccf_.DevicesGroup());
    LoadDeviceChain(ccf_.PosMacroGroup(), ccf_.MacrosGroup());
    LoadPanelChain(ccf_.PosSpecialPanels(), ccf_.SpecialPanels());
    // The header's first-timer position is not followed: timers are reached
    // through the timer actions that start them.
    ResolveReferences();
}

void Loader::CountObject(CCFtypes type, std::int32_t pos, std::int64_t bytes) {
    memory_ += bytes;
    if (memory_ > maxMemory_)
        throw Error(ErrorKind::Overflow,
                    RecordAt(type, pos) +
                        ": the file's records refer to each other so often that "
                        "its objects would take more than " +
                        std::to_string(maxMemory_) + " bytes of memory");
}

std::string Loader::ReadCountedName(CCFtypes type, std::int32_t pos, std::int32_t namePos) {
    std::string name = basStructures::ReadName(file_, namePos);
    CountObject(type, pos, footprint::Text(name));
    return name;
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
    if (loader_.path_.size() >= static_cast<std::size_t>(MaxNestingDepth))
        throw Error(ErrorKind::Overflow, RecordAt(type, pos) + " is nested more than " +
                                             std::to_string(MaxNestingDepth) + " levels deep");
    loader_.path_.emplace_back(type, pos);
}

bool Loader::Nesting::ContainsItself() const {
    const auto& path = loader_.path_;
    return std::find(path.begin(), path.end() - 1, path.back()) != path.end() - 1;
}

} // namespace kelpie
