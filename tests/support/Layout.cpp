#include "support/Layout.h"

#include "support/RecordSizes.h"
#include "support/Store.h"

#include <atomic>
#include <limits>
#include <stdexcept>
#include <string>

namespace kelpie::builder {

namespace {

// Each layout marks what it reached with a number of its own, so records laid
// out by an earlier Build() count as unvisited again.
std::uint32_t NextEpoch() {
    static std::atomic<std::uint32_t> counter{0};
    return ++counter;
}

constexpr std::size_t RegionCount = static_cast<std::size_t>(Kind::RawBlock) + 1;

// The order in which the loader follows the key action lists.
constexpr Key KeyWalkOrder[] = {Key::Entry,    Key::Left,     Key::Right,   Key::FarLeft,
                                Key::FarRight, Key::VolMinus, Key::VolPlus, Key::ChanMinus,
                                Key::ChanPlus, Key::Mute};

} // namespace

Layout::Layout(Store& store, Header& header, CCFFileFormats format)
    : store_(store), header_(header), format_(format), epoch_(NextEpoch()), regions_(RegionCount) {
    header_.visit_ = epoch_;

    // The walk from the header.
    auto first = [](const std::optional<Ref<Device>>& field, const std::vector<Device*>& chain) {
        if (field) return field->Typed();
        return chain.empty() ? nullptr : chain.front();
    };
    Walk(Kind::Device, first(header_.PosHomeGroup, store_.Groups[0]));
    Walk(Kind::Device, first(header_.PosDeviceGroup, store_.Groups[1]));
    Walk(Kind::Device, first(header_.PosMacroGroup, store_.Groups[2]));
    Panel* special = header_.PosSpecialPanels       ? header_.PosSpecialPanels->Typed()
                     : store_.SpecialPanels.empty() ? nullptr
                                                    : store_.SpecialPanels.front();
    Walk(Kind::Panel, special);
    Walk(Kind::Name, header_.VersionString.NameRecord());
    Walk(Kind::Timer, header_.PosNextTimer.Typed());

    // What nothing reached, in the order it was made.
    for (auto& r : store_.Devices)
        Walk(Kind::Device, &r);
    for (auto& r : store_.Panels)
        Walk(Kind::Panel, &r);
    for (auto& r : store_.Frames)
        Walk(Kind::Frame, &r);
    for (auto& r : store_.Buttons)
        Walk(Kind::Button, &r);
    for (auto& r : store_.ActionLists)
        Walk(Kind::ActionList, &r);
    for (auto& r : store_.Timers)
        Walk(Kind::Timer, &r);
    for (auto& r : store_.IRCodes)
        Walk(Kind::IRCode, &r);
    for (auto& r : store_.Icons)
        Walk(Kind::Icon, &r);
    for (auto& r : store_.Names)
        Walk(Kind::Name, &r);
    for (auto& r : store_.RawBlocks)
        Walk(Kind::RawBlock, &r);

    // Positions, region by region.
    std::int64_t cursor = 0;
    Place(Kind::Header, header_, cursor);
    order_.push_back({Kind::Header, &header_});
    for (std::size_t region = 1; region < RegionCount; ++region) {
        const auto kind = static_cast<Kind>(region);
        for (Record* record : regions_[region]) {
            Place(kind, *record, cursor);
            order_.push_back({kind, record});
        }
    }
    end_ = static_cast<std::int32_t>(cursor);
}

// A depth-first walk in pre-order, with a stack of its own instead of
// recursion: tests build frames nested deeper than any call stack allows.
void Layout::Walk(Kind kind, Record* record) {
    if (record == nullptr) return;
    std::vector<Item> stack{{kind, record}};
    std::vector<Item> next;
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        if (item.record == nullptr || item.record->visit_ == epoch_) continue;
        item.record->visit_ = epoch_;
        regions_[static_cast<std::size_t>(item.kind)].push_back(item.record);
        next.clear();
        Expand(item.kind, item.record, next);
        stack.insert(stack.end(), next.rbegin(), next.rend());
    }
}

// What a record reaches, in the order the loader reaches it.
void Layout::Expand(Kind kind, Record* record, std::vector<Item>& next) {
    const bool colour = format_ == fmtV3;
    auto name = [&](const NameRef& field) { next.push_back({Kind::Name, field.NameRecord()}); };
    auto icon = [&](const Ref<Icon>& field) { next.push_back({Kind::Icon, field.Typed()}); };
    auto children = [&](const Container& container) {
        for (const auto& entry : container.Children) {
            if (entry.FollowedFrame) next.push_back({Kind::Frame, entry.FollowedFrame});
            if (entry.FollowedButton) next.push_back({Kind::Button, entry.FollowedButton});
        }
    };
    switch (kind) {
    case Kind::Device: {
        auto& device = static_cast<Device&>(*record);
        name(device.Name);
        icon(device.IconUnselected);
        icon(device.IconSelected);
        name(device.LeftKeyName);
        name(device.RightKeyName);
        if (colour) {
            name(device.FarLeftKeyName);
            name(device.FarRightKeyName);
        }
        for (const Key key : KeyWalkOrder) {
            if (!colour && (key == Key::FarLeft || key == Key::FarRight)) continue;
            next.push_back({Kind::ActionList, device.ActionsField(key).Typed()});
        }
        Panel* panel = device.FirstPanel         ? device.FirstPanel->Typed()
                       : device.Panels().empty() ? nullptr
                                                 : device.Panels().front();
        next.push_back({Kind::Panel, panel});
        next.push_back({Kind::Device, device.Next ? device.Next->Typed() : device.ChainNext()});
        break;
    }
    case Kind::Panel: {
        auto& panel = static_cast<Panel&>(*record);
        name(panel.Name);
        children(panel);
        next.push_back({Kind::Panel, panel.Next ? panel.Next->Typed() : panel.ChainNext()});
        break;
    }
    case Kind::Frame: {
        auto& frame = static_cast<Frame&>(*record);
        name(frame.Name);
        icon(frame.Icon);
        children(frame);
        break;
    }
    case Kind::Button: {
        auto& button = static_cast<Button&>(*record);
        name(button.Name);
        for (const auto& field : button.Icons)
            icon(field);
        next.push_back({Kind::ActionList, button.ActionsField().Typed()});
        break;
    }
    case Kind::ActionList: {
        for (const auto& action : static_cast<ActionList&>(*record).Items) {
            next.push_back({Kind::IRCode, action.FollowedCode()});
            next.push_back({Kind::Timer, action.FollowedTimer()});
        }
        break;
    }
    case Kind::Timer: {
        auto& timer = static_cast<Timer&>(*record);
        for (const Action* action : {&timer.Start, &timer.End}) {
            next.push_back({Kind::IRCode, action->FollowedCode()});
            next.push_back({Kind::Timer, action->FollowedTimer()});
        }
        next.push_back({Kind::Timer, timer.Next.Typed()});
        break;
    }
    case Kind::IRCode:
        name(static_cast<IRCode&>(*record).Name);
        break;
    case Kind::Header:
    case Kind::Icon:
    case Kind::Name:
    case Kind::RawBlock:
        break;
    }
}

std::int32_t Layout::SizeOf(Kind kind, const Record& record, CCFFileFormats format) {
    auto entries = [](std::size_t count) {
        return static_cast<std::int64_t>(count) * sizes::Entry;
    };
    std::int64_t size = 0;
    switch (kind) {
    case Kind::Header:
        size = sizes::Header(format);
        break;
    case Kind::Device:
        size = sizes::Device(format);
        break;
    case Kind::Panel:
        size = sizes::PanelHead + entries(static_cast<const Panel&>(record).Children.size());
        break;
    case Kind::Frame:
        size =
            sizes::FrameHead(format) + entries(static_cast<const Frame&>(record).Children.size());
        break;
    case Kind::Button:
        size = sizes::Button(format);
        break;
    case Kind::ActionList:
        size = sizes::ActionListHead + entries(static_cast<const ActionList&>(record).Items.size());
        break;
    case Kind::IRCode:
        size = sizes::IRCodeHead +
               static_cast<std::int64_t>(static_cast<const IRCode&>(record).Data.size());
        break;
    case Kind::Icon:
        size = sizes::IconHead +
               static_cast<std::int64_t>(static_cast<const Icon&>(record).Data.size());
        break;
    case Kind::Timer:
        size = sizes::Timer;
        break;
    case Kind::Name: {
        const auto& name = static_cast<const Name&>(record);
        if (!name.LengthByte && name.Text.size() > 255)
            throw std::invalid_argument("CCFBuilder: the name \"" + name.Text.substr(0, 20) +
                                        "...\" is longer than 255 characters");
        size = 1 + static_cast<std::int64_t>(name.Text.size());
        break;
    }
    case Kind::RawBlock:
        size = static_cast<std::int64_t>(static_cast<const RawBlock&>(record).Bytes.size());
        break;
    }
    if (size > std::numeric_limits<std::int32_t>::max())
        throw std::length_error("CCFBuilder: a record larger than 2 GiB");
    return static_cast<std::int32_t>(size);
}

void Layout::Place(Kind kind, Record& record, std::int64_t& cursor) {
    const std::int32_t size = SizeOf(kind, record, format_);
    if (cursor + size > std::numeric_limits<std::int32_t>::max() - 16)
        throw std::length_error("CCFBuilder: the file would be larger than 2 GiB");
    const auto position = static_cast<std::int32_t>(cursor);
    record.position_ = position;
    record.size_ = size;
    cursor += size;

    // The inline lists: children after a panel or frame head, actions after
    // an action list head or inside a timer.
    auto placeEntries = [](auto& items, std::int32_t first) {
        std::int32_t at = first;
        for (auto& item : items) {
            item.position_ = at;
            item.size_ = sizes::Entry;
            at += sizes::Entry;
        }
    };
    switch (kind) {
    case Kind::Panel:
        placeEntries(static_cast<Panel&>(record).Children, position + sizes::PanelHead);
        break;
    case Kind::Frame:
        placeEntries(static_cast<Frame&>(record).Children, position + sizes::FrameHead(format_));
        break;
    case Kind::ActionList:
        placeEntries(static_cast<ActionList&>(record).Items, position + sizes::ActionListHead);
        break;
    case Kind::Timer: {
        auto& timer = static_cast<Timer&>(record);
        timer.Start.position_ = position + sizes::TimerStartAction;
        timer.End.position_ = position + sizes::TimerEndAction;
        timer.Start.size_ = timer.End.size_ = sizes::Entry;
        break;
    }
    default:
        break;
    }
}

} // namespace kelpie::builder
