// Where each record of a built file goes.
//
// The file is laid out the way the remote's own tools write one (seen in a
// real fmtv2 file): the header at 0, then one region per record kind in this
// order:
//
//   header, icons, names, timers, IR codes, action lists, buttons, frames,
//   panels, devices, raw blocks
//
// with no padding between records (the builder then adds the CRC word, see
// CCFBuilder.h). Children lists and actions are not records of their own:
// they are written inline after their panel, frame, action list or timer.
//
// Inside a region, records come in the order in which a walk from the header
// reaches them first, the walk of the loader: the home,
// devices and macros groups, then the special panels; for a device its name,
// icons, key names, key action lists (entry, left, right, far left, far
// right, volume -, volume +, channel -, channel +, mute) and panels; for a
// panel or frame its name (and icon) and then its children in entry order;
// for a button its name, four icons and action list; for an action its IR
// code or timer; for a timer its two actions and its next timer. The walk
// follows only fields that hold builder objects (never Raw or At targets) and
// only fields the format has (no far keys in the grey formats). After the
// groups come the version string and the header's next-timer chain; records
// that nothing reaches follow in the order they were made. The result is
// deterministic and depends only on what the test made.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include "support/Records.h"

#include <cstdint>
#include <vector>

namespace kelpie::builder {

class Store;

enum class Kind {
    Header,
    Icon,
    Name,
    Timer,
    IRCode,
    ActionList,
    Button,
    Frame,
    Panel,
    Device,
    RawBlock,
};

struct Placed {
    Kind kind;
    Record* record;
};

class Layout {
public:
    // Gives every record of `store` (and `header`, at 0) its position and
    // size in `format`, including child entries and actions.
    // std::invalid_argument for a name longer than 255 characters without a
    // LengthByte, std::length_error for a file beyond 2 GiB.
    Layout(Store& store, Header& header, CCFFileFormats format);

    // The records in file order.
    const std::vector<Placed>& Records() const noexcept { return order_; }
    // The first byte after the last record.
    std::int32_t End() const noexcept { return end_; }

    // The byte size of a record of `kind` in `format`.
    static std::int32_t SizeOf(Kind kind, const Record& record, CCFFileFormats format);

private:
    struct Item {
        Kind kind;
        Record* record;
    };

    void Walk(Kind kind, Record* record);
    void Expand(Kind kind, Record* record, std::vector<Item>& next);
    void Place(Kind kind, Record& record, std::int64_t& cursor);

    Store& store_;
    Header& header_;
    CCFFileFormats format_;
    std::uint32_t epoch_;
    std::vector<std::vector<Record*>> regions_;
    std::vector<Placed> order_;
    std::int32_t end_ = 0;
};

} // namespace kelpie::builder
