#include "file/RecordReaders.h"

#include "file/ImageAccess.h"
#include "file/basCCFRoutines.h"
#include <kelpie/file/CCFfile.h>

namespace kelpie::basStructures {

HeaderRecord ReadHeader(CCFfile& file) {
    ImageAccess::MarkStructure(file, 0, mtypHeader);
    std::int32_t c = 0;
    HeaderRecord h;
    h.VersionStringPosition = file.ReadLong(c);
    h.Filler1 = file.ReadLong(c);
    h.ID1 = file.ReadChars(8, c);
    h.PosCRC1 = file.ReadLong(c);
    h.Year = file.ReadWord(c);
    h.Month = file.ReadByte(c);
    h.Day = file.ReadByte(c);
    h.Filler2 = file.ReadByte(c);
    h.Hour = file.ReadByte(c);
    h.Minute = file.ReadByte(c);
    h.Second = file.ReadByte(c);
    h.Filler3 = file.ReadLong(c);
    h.ID2 = file.ReadChars(4, c);
    h.Version1 = file.ReadWord(c);
    h.Version2 = file.ReadWord(c);
    h.PosCRC2 = file.ReadLong(c);
    h.Version3 = file.ReadLong(c);
    h.PosHomeGroup = file.ReadLong(c);
    h.PosDeviceGroup = file.ReadLong(c);
    h.PosMacroGroup = file.ReadLong(c);
    h.PosNextTimer = file.ReadLong(c);
    // Version3 = 60 stores the special panels before the attributes.
    if (h.Version3 == 60) {
        h.PosSpecialPanels = file.ReadLong(c);
        h.Attributes = file.ReadLong(c);
    } else {
        h.Attributes = file.ReadLong(c);
        h.PosSpecialPanels = file.ReadLong(c);
    }
    h.Filler4 = file.ReadWord(c);
    if (basCCFRoutines::FileFormatOf(h.Version1, h.Version2) == fmtV3)
        h.RFChannel = file.ReadWord(c);
    return h;
}

DeviceRecord ReadDevice(CCFfile& file, std::int32_t pos, CCFFileFormats format) {
    ImageAccess::MarkStructure(file, pos, mtypDevice);
    const bool colour = format == fmtV3;
    std::int32_t c = pos;
    DeviceRecord d;
    d.PosNextDevice = file.ReadLong(c);
    d.NamePosition = file.ReadLong(c);
    d.PosIconUnselected = file.ReadLong(c);
    d.PosIconSelected = file.ReadLong(c);
    d.ActionsEntry = file.ReadLong(c);
    d.ActionsLeft = file.ReadLong(c);
    d.ActionsRight = file.ReadLong(c);
    d.ActionsVolMinus = file.ReadLong(c);
    d.ActionsVolPlus = file.ReadLong(c);
    d.ActionsChanMinus = file.ReadLong(c);
    d.ActionsChanPlus = file.ReadLong(c);
    d.ActionsMute = file.ReadLong(c);
    if (colour) {
        d.ActionsFarLeft = file.ReadLong(c);
        d.ActionsFarRight = file.ReadLong(c);
    }
    d.Filler1 = file.ReadLong(c);
    d.LeftKeyName = file.ReadLong(c);
    d.RightKeyName = file.ReadLong(c);
    if (colour) {
        d.FarLeftKeyName = file.ReadLong(c);
        d.FarRightKeyName = file.ReadLong(c);
    }
    d.PosFirstPanel = file.ReadLong(c);
    d.Attributes = file.ReadByte(c);
    if (colour) {
        d.RFExtender = file.ReadByte(c);
        d.Filler2 = file.ReadLong(c);
    }
    return d;
}

PanelRecord ReadPanel(CCFfile& file, std::int32_t pos, std::int32_t& after) {
    ImageAccess::MarkStructure(file, pos, mtypPanel);
    std::int32_t c = pos;
    PanelRecord p;
    p.PosNextPanel = file.ReadLong(c);
    p.NameWord = file.ReadLong(c);
    p.ChildCount = file.ReadByte(c);
    p.Reserved = file.ReadByte(c);
    after = c;
    return p;
}

ChildRecord ReadChild(CCFfile& file, std::int32_t pos) {
    ImageAccess::MarkStructure(file, pos, mtypChild);
    std::int32_t c = pos;
    ChildRecord r;
    r.X = file.ReadWord(c);
    r.Y = file.ReadWord(c);
    r.Position = file.ReadLong(c);
    r.ChildType = file.ReadByte(c);
    return r;
}

FrameRecord ReadFrame(CCFfile& file, std::int32_t pos, CCFFileFormats format, std::int32_t& after) {
    ImageAccess::MarkStructure(file, pos, mtypFrame);
    std::int32_t c = pos;
    FrameRecord f;
    f.Width = file.ReadWord(c);
    f.Height = file.ReadWord(c);
    f.NamePosition = file.ReadLong(c);
    f.IconPosition = file.ReadLong(c);
    f.Filler1 = file.ReadLong(c);
    f.Font = file.ReadByte(c);
    if (format == fmtV3) {
        for (auto& byte : f.ColorGroup)
            byte = file.ReadByte(c);
    } else {
        f.PackedColors = file.ReadByte(c);
    }
    f.ChildCount = file.ReadByte(c);
    f.Reserved = file.ReadByte(c);
    after = c;
    return f;
}

ButtonRecord ReadButton(CCFfile& file, std::int32_t pos, CCFFileFormats format) {
    ImageAccess::MarkStructure(file, pos, mtypButton);
    std::int32_t c = pos;
    ButtonRecord b;
    b.Width = file.ReadWord(c);
    b.Height = file.ReadWord(c);
    b.ActionListPosition = file.ReadLong(c);
    b.NamePosition = file.ReadLong(c);
    b.Filler1 = file.ReadLong(c);
    b.Font = file.ReadByte(c);
    b.Reserved = file.ReadByte(c);
    for (auto& icon : b.IconPositions)
        icon = file.ReadLong(c);
    if (format == fmtV3) {
        for (auto& group : b.ColorGroups)
            for (auto& byte : group)
                byte = file.ReadByte(c);
    } else {
        for (auto& packed : b.PackedColors)
            packed = file.ReadByte(c);
    }
    return b;
}

ActionListRecord ReadActionList(CCFfile& file, std::int32_t pos, std::int32_t& after) {
    ImageAccess::MarkStructure(file, pos, mtypActionList);
    std::int32_t c = pos;
    ActionListRecord a;
    a.ActionCount = file.ReadByte(c);
    a.Reserved = file.ReadByte(c);
    after = c;
    return a;
}

ActionRecord ReadAction(CCFfile& file, std::int32_t pos, bool mark) {
    if (mark) ImageAccess::MarkStructure(file, pos, mtypAction);
    std::int32_t c = pos;
    ActionRecord a;
    a.ActionType = file.ReadByte(c);
    a.Parameter1 = file.ReadLong(c);
    a.Parameter2 = file.ReadLong(c);
    return a;
}

IRCodeRecord ReadIRCode(CCFfile& file, std::int32_t pos, std::int32_t& dataPosition) {
    ImageAccess::MarkStructure(file, pos, mtypIRCode);
    std::int32_t c = pos;
    IRCodeRecord r;
    r.Size = file.ReadWord(c);
    r.NamePosition = file.ReadLong(c);
    dataPosition = c;
    // The code type is the first word of the data. It is read whatever the
    // size word says: a record whose size leaves no room for it still has
    // those two bytes after its head, and reading them accounts for them.
    r.CodeType = ReadWordAt(file, c);
    return r;
}

IconRecord ReadIcon(CCFfile& file, std::int32_t pos, std::int32_t& dataPosition) {
    ImageAccess::MarkStructure(file, pos, mtypIcon);
    std::int32_t c = pos;
    IconRecord r;
    r.Size = file.ReadWord(c);
    r.Width = file.ReadWord(c);
    r.Height = file.ReadWord(c);
    r.RawIconType = file.ReadWord(c);
    dataPosition = c;
    return r;
}

TimerRecord ReadTimer(CCFfile& file, std::int32_t pos) {
    ImageAccess::MarkStructure(file, pos, mtypTimer);
    std::int32_t c = pos;
    TimerRecord t;
    t.NextTimerPosition = file.ReadLong(c);
    t.StartDays = file.ReadByte(c);
    t.Filler1 = file.ReadByte(c);
    t.StartTime = file.ReadWord(c);
    t.EndDays = file.ReadByte(c);
    t.Filler2 = file.ReadByte(c);
    t.EndTime = file.ReadWord(c);
    t.StartAction = ReadAction(file, pos + TimerStartActionOffset, false);
    t.EndAction = ReadAction(file, pos + TimerEndActionOffset, false);
    return t;
}

std::string ReadName(CCFfile& file, std::int32_t pos) {
    if (pos == 0) return {};
    const auto at = static_cast<std::int32_t>(static_cast<std::uint32_t>(pos) & ~HiddenBit);
    ImageAccess::MarkStructure(file, at, mtypName);
    std::int32_t c = at;
    const std::uint8_t length = file.ReadByte(c);
    return file.ReadChars(length, c);
}

std::int16_t ReadWordAt(CCFfile& file, std::int32_t pos) {
    return file.ReadWord(pos);
}

} // namespace kelpie::basStructures
