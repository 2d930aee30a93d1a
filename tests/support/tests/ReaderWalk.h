// A decoding of built files with the library's record readers alone
// (basStructures), walking from the header the way the loader does, but
// without it:
// the builder's tests use it to check that what the builder wrote is what the
// readers read. Every record is read once (a second reference is only
// counted), so loops end.
#pragma once

#include "file/RecordReaders.h"
#include <kelpie/file/CCFfile.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kelpie::builder::readers {

struct DecodedFile {
    explicit DecodedFile(const std::vector<std::uint8_t>& bytes);

    CCFfile File; // the image with its accessed and structure maps
    std::vector<std::string> Notices;
    HeaderRecord Header;
    CCFFileFormats Format = fmtv1;
    std::string VersionString;
    std::uint16_t StoredCRC1 = 0; // the word at PosCRC1 (0 when none)
    std::uint16_t StoredCRC2 = 0;

    // Records by position.
    std::map<std::int32_t, DeviceRecord> Devices;
    std::map<std::int32_t, PanelRecord> Panels;
    std::map<std::int32_t, ChildRecord> Children;
    std::map<std::int32_t, FrameRecord> Frames;
    std::map<std::int32_t, ButtonRecord> Buttons;
    std::map<std::int32_t, ActionListRecord> ActionLists;
    std::map<std::int32_t, ActionRecord> Actions;
    std::map<std::int32_t, IRCodeRecord> IRCodes;
    std::map<std::int32_t, std::vector<std::uint8_t>> IRCodeData;
    std::map<std::int32_t, IconRecord> Icons;
    std::map<std::int32_t, std::vector<std::uint8_t>> IconData;
    std::map<std::int32_t, TimerRecord> Timers;
    std::map<std::int32_t, std::string> Names;
    // How often each position was reached (records reached more than once:
    // shared icons, IR codes, names; loops).
    std::map<std::int32_t, int> References;

    // Devices of each group and the special panels, in chain order.
    std::vector<std::int32_t> HomeGroup, DeviceGroup, MacroGroup, SpecialPanels;
    // Panels of a device, in chain order.
    std::map<std::int32_t, std::vector<std::int32_t>> DevicePanels;

    // Bytes that no read touched, as (position, length) runs.
    std::vector<std::pair<std::int32_t, std::int32_t>> Unaccessed() const;

private:
    bool First(std::int32_t pos);
    void DeviceChain(std::int32_t pos, std::vector<std::int32_t>& chain);
    void PanelChain(std::int32_t pos, std::vector<std::int32_t>& chain);
    void Child(std::int32_t pos);
    void Frame(std::int32_t pos);
    void Button(std::int32_t pos);
    void ActionList(std::int32_t pos);
    void Action(std::int32_t pos);
    void IRCode(std::int32_t pos);
    void Icon(std::int32_t pos);
    void Timer(std::int32_t pos);
    void Name(std::int32_t pos);
};

} // namespace kelpie::builder::readers
