#include "support/RecordWriter.h"

#include "support/ByteWriter.h"
#include "support/Store.h"

#include <stdexcept>
#include <string>

namespace kelpie::builder {

namespace {

std::uint32_t Field(const Target& target) {
    return static_cast<std::uint32_t>(target.Resolve());
}
std::uint32_t Field(const NameRef& name) {
    return static_cast<std::uint32_t>(name.Resolve());
}
std::uint32_t Field(const Record* record) {
    return record ? static_cast<std::uint32_t>(record->Position()) : 0;
}

// The stored count of a list: the test's own byte, or the list's length when
// a byte can hold it.
std::uint8_t CountByte(const std::optional<std::uint8_t>& given, std::size_t count,
                       const char* what) {
    if (given) return *given;
    if (count > 255)
        throw std::invalid_argument(std::string("CCFBuilder: ") + what + " with " +
                                    std::to_string(count) +
                                    " entries; a count byte holds 255 (set CountByte)");
    return static_cast<std::uint8_t>(count);
}

// The stored size word of an IR code or icon: the test's own word, or the
// record length when a signed word can hold it.
std::uint16_t SizeWord(const std::optional<std::uint16_t>& given, std::int32_t size,
                       const char* what) {
    if (given) return *given;
    if (size > 0x7FFF)
        throw std::invalid_argument(std::string("CCFBuilder: ") + what + " of " +
                                    std::to_string(size) +
                                    " bytes; a size word holds 32767 (set SizeWord)");
    return static_cast<std::uint16_t>(size);
}

void WriteAction(ByteWriter& out, const Action& action) {
    out.Byte(action.Type).Long(Field(action.Parameter1)).Long(Field(action.Parameter2));
}

void WriteEntries(ByteWriter& out, const StableList<ChildEntry>& children) {
    for (const auto& entry : children)
        out.Word(static_cast<std::uint16_t>(entry.X))
            .Word(static_cast<std::uint16_t>(entry.Y))
            .Long(Field(entry.Object))
            .Byte(entry.Type);
}

// Grey formats: one byte, text in bits 0-1 and background in bits 2-3.
std::uint8_t Packed(const Colors& colors) {
    if (colors.Packed) return *colors.Packed;
    return static_cast<std::uint8_t>(colors.Text | (colors.Background << 2));
}

// fmtV3: a group of four bytes, text, two kept bytes, background.
void WriteColourGroup(ByteWriter& out, const Colors& colors) {
    out.Byte(colors.Text).Byte(colors.Kept[0]).Byte(colors.Kept[1]).Byte(colors.Background);
}

void WriteDevice(ByteWriter& out, const Device& device, bool colour) {
    auto keys = [&](Key key) { return Field(device.ActionsField(key)); };
    const Record* next = device.ChainNext();
    const Record* firstPanel = device.Panels().empty() ? nullptr : device.Panels().front();
    out.Long(device.Next ? Field(*device.Next) : Field(next))
        .Long(Field(device.Name))
        .Long(Field(device.IconUnselected))
        .Long(Field(device.IconSelected))
        .Long(keys(Key::Entry))
        .Long(keys(Key::Left))
        .Long(keys(Key::Right))
        .Long(keys(Key::VolMinus))
        .Long(keys(Key::VolPlus))
        .Long(keys(Key::ChanMinus))
        .Long(keys(Key::ChanPlus))
        .Long(keys(Key::Mute));
    if (colour) out.Long(keys(Key::FarLeft)).Long(keys(Key::FarRight));
    out.Long(static_cast<std::uint32_t>(device.Filler1))
        .Long(Field(device.LeftKeyName))
        .Long(Field(device.RightKeyName));
    if (colour) out.Long(Field(device.FarLeftKeyName)).Long(Field(device.FarRightKeyName));
    out.Long(device.FirstPanel ? Field(*device.FirstPanel) : Field(firstPanel))
        .Byte(device.Attributes);
    if (colour) out.Byte(device.RFExtender).Long(static_cast<std::uint32_t>(device.Filler2));
}

void WritePanel(ByteWriter& out, const Panel& panel) {
    const std::uint32_t hidden = panel.Hidden ? 0x80000000u : 0u;
    out.Long(panel.Next ? Field(*panel.Next) : Field(panel.ChainNext()))
        .Long(Field(panel.Name) | hidden)
        .Byte(CountByte(panel.CountByte, panel.Children.size(), "a panel"))
        .Byte(panel.Reserved);
    WriteEntries(out, panel.Children);
}

void WriteFrame(ByteWriter& out, const Frame& frame, bool colour) {
    out.Word(static_cast<std::uint16_t>(frame.Width))
        .Word(static_cast<std::uint16_t>(frame.Height))
        .Long(Field(frame.Name))
        .Long(Field(frame.Icon))
        .Long(static_cast<std::uint32_t>(frame.Filler1))
        .Byte(frame.Font);
    if (colour)
        WriteColourGroup(out, frame.Colors);
    else
        out.Byte(Packed(frame.Colors));
    out.Byte(CountByte(frame.CountByte, frame.Children.size(), "a frame")).Byte(frame.Reserved);
    WriteEntries(out, frame.Children);
}

void WriteButton(ByteWriter& out, const Button& button, bool colour) {
    out.Word(static_cast<std::uint16_t>(button.Width))
        .Word(static_cast<std::uint16_t>(button.Height))
        .Long(Field(button.ActionsField()))
        .Long(Field(button.Name))
        .Long(static_cast<std::uint32_t>(button.Filler1))
        .Byte(button.Font)
        .Byte(button.Reserved);
    for (const auto& icon : button.Icons)
        out.Long(Field(icon));
    for (const auto& colors : button.StateColors) {
        if (colour)
            WriteColourGroup(out, colors);
        else
            out.Byte(Packed(colors));
    }
}

void WriteActionList(ByteWriter& out, const ActionList& list) {
    out.Byte(CountByte(list.CountByte, list.Items.size(), "an action list")).Byte(list.Reserved);
    for (const auto& action : list.Items)
        WriteAction(out, action);
}

void WriteTimer(ByteWriter& out, const Timer& timer) {
    out.Long(Field(timer.Next))
        .Byte(timer.StartDays)
        .Byte(timer.Filler1)
        .Word(static_cast<std::uint16_t>(timer.StartTime))
        .Byte(timer.EndDays)
        .Byte(timer.Filler2)
        .Word(static_cast<std::uint16_t>(timer.EndTime));
    WriteAction(out, timer.Start);
    WriteAction(out, timer.End);
}

} // namespace

void WriteHeader(std::vector<std::uint8_t>& image, const Header& header, const Store& store,
                 CCFFileFormats format, std::int32_t posCRC1, std::int32_t posCRC2) {
    auto group = [&](const std::optional<Ref<Device>>& field, std::size_t index) {
        const auto& chain = store.Groups[index];
        return field ? Field(*field) : Field(chain.empty() ? nullptr : chain.front());
    };
    const std::uint32_t specialPanels =
        header.PosSpecialPanels
            ? Field(*header.PosSpecialPanels)
            : Field(store.SpecialPanels.empty() ? nullptr : store.SpecialPanels.front());
    const auto attributes = static_cast<std::uint32_t>(header.Attributes);

    ByteWriter out(image, 0);
    out.Long(Field(header.VersionString))
        .Long(static_cast<std::uint32_t>(header.Filler1))
        .Chars(header.ID1, 8)
        .Long(static_cast<std::uint32_t>(posCRC1))
        .Word(static_cast<std::uint16_t>(header.Year))
        .Byte(header.Month)
        .Byte(header.Day)
        .Byte(header.Filler2)
        .Byte(header.Hour)
        .Byte(header.Minute)
        .Byte(header.Second)
        .Long(static_cast<std::uint32_t>(header.Filler3))
        .Chars(header.ID2, 4)
        .Word(static_cast<std::uint16_t>(header.Version1))
        .Word(static_cast<std::uint16_t>(header.Version2))
        .Long(static_cast<std::uint32_t>(posCRC2))
        .Long(static_cast<std::uint32_t>(header.Version3))
        .Long(group(header.PosHomeGroup, 0))
        .Long(group(header.PosDeviceGroup, 1))
        .Long(group(header.PosMacroGroup, 2))
        .Long(Field(header.PosNextTimer));
    // Version3 = 60 stores the special panels before the attributes.
    if (header.Version3 == 60)
        out.Long(specialPanels).Long(attributes);
    else
        out.Long(attributes).Long(specialPanels);
    out.Word(static_cast<std::uint16_t>(header.Filler4));
    if (format == fmtV3) out.Word(static_cast<std::uint16_t>(header.RFChannel));
}

void WriteRecord(std::vector<std::uint8_t>& image, const Placed& placed, CCFFileFormats format) {
    const bool colour = format == fmtV3;
    ByteWriter out(image, placed.record->Position());
    switch (placed.kind) {
    case Kind::Header:
        break; // WriteHeader
    case Kind::Device:
        WriteDevice(out, static_cast<const Device&>(*placed.record), colour);
        break;
    case Kind::Panel:
        WritePanel(out, static_cast<const Panel&>(*placed.record));
        break;
    case Kind::Frame:
        WriteFrame(out, static_cast<const Frame&>(*placed.record), colour);
        break;
    case Kind::Button:
        WriteButton(out, static_cast<const Button&>(*placed.record), colour);
        break;
    case Kind::ActionList:
        WriteActionList(out, static_cast<const ActionList&>(*placed.record));
        break;
    case Kind::Timer:
        WriteTimer(out, static_cast<const Timer&>(*placed.record));
        break;
    case Kind::IRCode: {
        const auto& code = static_cast<const IRCode&>(*placed.record);
        out.Word(SizeWord(code.SizeWord, code.Size(), "an IR code"))
            .Long(Field(code.Name))
            .Bytes(code.Data);
        break;
    }
    case Kind::Icon: {
        const auto& icon = static_cast<const Icon&>(*placed.record);
        out.Word(SizeWord(icon.SizeWord, icon.Size(), "an icon"))
            .Word(static_cast<std::uint16_t>(icon.Width))
            .Word(static_cast<std::uint16_t>(icon.Height))
            .Word(icon.RawType)
            .Bytes(icon.Data);
        break;
    }
    case Kind::Name: {
        const auto& name = static_cast<const Name&>(*placed.record);
        out.Byte(name.LengthByte.value_or(static_cast<std::uint8_t>(name.Text.size())))
            .Chars(name.Text, static_cast<std::int32_t>(name.Text.size()));
        break;
    }
    case Kind::RawBlock:
        out.Bytes(static_cast<const RawBlock&>(*placed.record).Bytes);
        break;
    }
}

} // namespace kelpie::builder
