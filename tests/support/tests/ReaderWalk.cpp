#include "ReaderWalk.h"

#include "file/ImageAccess.h"
#include "file/basCCFRoutines.h"

namespace kelpie::builder::readers {

using namespace kelpie::basStructures;

DecodedFile::DecodedFile(const std::vector<std::uint8_t>& bytes)
    : File([this](const std::string& text) { Notices.push_back(text); }) {
    ImageAccess::SetImage(File, "built.ccf", bytes);
    Header = ReadHeader(File);
    Format = basCCFRoutines::FileFormatOf(Header.Version1, Header.Version2);
    VersionString = ReadName(File, Header.VersionStringPosition);
    if (Header.VersionStringPosition != 0) ++References[Header.VersionStringPosition];
    if (Header.PosCRC1 != 0)
        StoredCRC1 = static_cast<std::uint16_t>(ReadWordAt(File, Header.PosCRC1));
    if (Header.PosCRC2 != 0)
        StoredCRC2 = static_cast<std::uint16_t>(ReadWordAt(File, Header.PosCRC2));
    DeviceChain(Header.PosHomeGroup, HomeGroup);
    DeviceChain(Header.PosDeviceGroup, DeviceGroup);
    DeviceChain(Header.PosMacroGroup, MacroGroup);
    PanelChain(Header.PosSpecialPanels, SpecialPanels);
}

bool DecodedFile::First(std::int32_t pos) {
    return ++References[pos] == 1;
}

void DecodedFile::DeviceChain(std::int32_t pos, std::vector<std::int32_t>& chain) {
    while (pos != 0 && First(pos)) {
        chain.push_back(pos);
        const DeviceRecord d = Devices[pos] = ReadDevice(File, pos, Format);
        Name(d.NamePosition);
        Icon(d.PosIconUnselected);
        Icon(d.PosIconSelected);
        for (const auto name : {d.LeftKeyName, d.RightKeyName, d.FarLeftKeyName, d.FarRightKeyName})
            Name(name);
        for (const auto list : {d.ActionsEntry, d.ActionsLeft, d.ActionsRight, d.ActionsFarLeft,
                                d.ActionsFarRight, d.ActionsVolMinus, d.ActionsVolPlus,
                                d.ActionsChanMinus, d.ActionsChanPlus, d.ActionsMute})
            ActionList(list);
        PanelChain(d.PosFirstPanel, DevicePanels[pos]);
        pos = d.PosNextDevice;
    }
}

void DecodedFile::PanelChain(std::int32_t pos, std::vector<std::int32_t>& chain) {
    while (pos != 0 && First(pos)) {
        chain.push_back(pos);
        std::int32_t after = 0;
        const PanelRecord p = Panels[pos] = ReadPanel(File, pos, after);
        Name(p.NameWord);
        for (int i = 0; i < p.ChildCount; ++i)
            Child(after + EntrySize * i);
        pos = p.PosNextPanel;
    }
}

void DecodedFile::Child(std::int32_t pos) {
    if (!First(pos)) return;
    const ChildRecord c = Children[pos] = ReadChild(File, pos);
    if (c.ChildType == chtFrame) Frame(c.Position);
    if (c.ChildType == chtButton) Button(c.Position);
}

void DecodedFile::Frame(std::int32_t pos) {
    if (!First(pos)) return;
    std::int32_t after = 0;
    const FrameRecord f = Frames[pos] = ReadFrame(File, pos, Format, after);
    Name(f.NamePosition);
    Icon(f.IconPosition);
    for (int i = 0; i < f.ChildCount; ++i)
        Child(after + EntrySize * i);
}

void DecodedFile::Button(std::int32_t pos) {
    if (!First(pos)) return;
    const ButtonRecord b = Buttons[pos] = ReadButton(File, pos, Format);
    Name(b.NamePosition);
    for (const auto icon : b.IconPositions)
        Icon(icon);
    ActionList(b.ActionListPosition);
}

void DecodedFile::ActionList(std::int32_t pos) {
    if (pos == 0 || !First(pos)) return;
    std::int32_t after = 0;
    const ActionListRecord a = ActionLists[pos] = ReadActionList(File, pos, after);
    for (int i = 0; i < a.ActionCount; ++i)
        Action(after + EntrySize * i);
}

void DecodedFile::Action(std::int32_t pos) {
    if (!First(pos)) return;
    const ActionRecord a = Actions[pos] = ReadAction(File, pos, true);
    if (a.ActionType == actCode) IRCode(a.Parameter2);
    if (a.ActionType == actTimer) Timer(a.Parameter2);
}

void DecodedFile::IRCode(std::int32_t pos) {
    if (!First(pos)) return;
    std::int32_t data = 0;
    const IRCodeRecord r = IRCodes[pos] = ReadIRCode(File, pos, data);
    Name(r.NamePosition);
    IRCodeData[pos] = File.ReadBytes(r.Size - IRCodeHeadSize, data);
}

void DecodedFile::Icon(std::int32_t pos) {
    if (pos == 0 || !First(pos)) return;
    std::int32_t data = 0;
    const IconRecord r = Icons[pos] = ReadIcon(File, pos, data);
    IconData[pos] = File.ReadBytes(r.Size - IconHeadSize, data);
}

void DecodedFile::Timer(std::int32_t pos) {
    if (!First(pos)) return;
    const TimerRecord t = Timers[pos] = ReadTimer(File, pos);
    if (t.StartAction.ActionType != 0) Action(pos + TimerStartActionOffset);
    if (t.EndAction.ActionType != 0) Action(pos + TimerEndActionOffset);
}

void DecodedFile::Name(std::int32_t pos) {
    if (pos == 0) return;
    const auto at = static_cast<std::int32_t>(static_cast<std::uint32_t>(pos) & ~HiddenBit);
    if (First(at)) Names[at] = ReadName(File, at);
}

std::vector<std::pair<std::int32_t, std::int32_t>> DecodedFile::Unaccessed() const {
    std::vector<std::pair<std::int32_t, std::int32_t>> runs;
    std::int32_t length = 0;
    for (std::int32_t pos = File.NextUnaccessedMemory(-1, length); pos != -1;
         pos = File.NextUnaccessedMemory(pos + length - 1, length))
        runs.emplace_back(pos, length);
    return runs;
}

} // namespace kelpie::builder::readers
