// The records a test composes, one class per record kind of the file, with
// the fields under the format's names. Plain values are public
// members with the defaults a real file would have; pointer fields are
// Targets (see Target.h). Every record is made and owned by the CCFBuilder
// and handed out by reference; Build() gives it its position.
//
// Lists that follow a fixed part (children of panels and frames, actions of
// action lists) are held by their owner and written inline after it.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include "support/StableList.h"
#include "support/Target.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie::builder {

class Store;
class Device;
class Panel;
class Frame;
class Button;
class ActionList;
class IRCode;
class Icon;
class Timer;

// Device attribute bits (device record, byte 64 or 80).
constexpr std::uint8_t devReadOnly = 0x01;
constexpr std::uint8_t devNeedsProgramming = 0x10;
constexpr std::uint8_t devHasSeparator = 0x20;
constexpr std::uint8_t devIsTemplate = 0x40;

// Header attribute bits.
constexpr std::int32_t cfgFactoryDefault = 0x01;
constexpr std::int32_t cfgWriteProtected = 0x02;
constexpr std::int32_t cfgHomeWriteProtected = 0x04;

// Minutes after midnight, as timers store their start and end times.
constexpr std::int16_t TimeOfDay(int hour, int minute) {
    return static_cast<std::int16_t>(hour * 60 + minute);
}

// ---- Actions -------------------------------------------------------------

// One 9-byte action: a type byte and two longs. Made by the factories below,
// which fill the parameters the way the format gives them per type; the fields
// stay public for broken files. A default Action has type 0: "no action" in a
// timer.
class Action : public Record {
public:
    Action() = default;

    std::uint8_t Type = 0;
    Target Parameter1;
    Target Parameter2;

    // actCode: Parameter1 kept (0), Parameter2 the IR code.
    static Action Code(Ref<IRCode> code);
    // actButtonAlias: the device and the button whose actions run.
    static Action ButtonAlias(Ref<Device> device, Ref<Button> button);
    // actJump to a panel of a device.
    static Action Jump(Ref<Device> device, Ref<Panel> panel);
    // actJump to a special target (jmpBack, jmpScrollDown, ...); Parameter1 0.
    static Action Jump(CCFJumpTypes special);
    // actDelay: Parameter1 kept (0), Parameter2 the delay.
    static Action Delay(std::int32_t value);
    // actKeyAlias: the device and the hard key (CCFKeyAliases) in Parameter2.
    static Action KeyAlias(Ref<Device> device, CCFKeyAliases key);
    // actAliasDevice: the device; Parameter2 kept (0).
    static Action AliasDevice(Ref<Device> device);
    // actTimer: Parameter1 kept (0), Parameter2 the timer record.
    static Action Timer(Ref<builder::Timer> timer);
    // actSound: Parameter2's bytes in file order are duration, frequency (a
    // big-endian word) and percent.
    static Action Sound(std::uint8_t duration, std::int16_t frequency, std::uint8_t percent);
    // Any type byte and parameters (unknown types, type 0 inside a list, ...).
    static Action Make(std::uint8_t type, Target parameter1, Target parameter2);

    // The IR code or timer the layout places in the action's reach order.
    IRCode* FollowedCode() const noexcept { return code_; }
    builder::Timer* FollowedTimer() const noexcept { return timer_; }

private:
    IRCode* code_ = nullptr;
    builder::Timer* timer_ = nullptr;
};

// An action list: a count byte, a kept byte, then the actions inline.
class ActionList : public Record {
public:
    explicit ActionList(Store&) {}

    StableList<Action> Items;
    std::uint8_t Reserved = 0; // byte 1, kept by the loader
    // The stored count byte instead of the number of Items.
    std::optional<std::uint8_t> CountByte;

    ActionList& Add(Action action);
    // Shorthands for Add(Action::...), in the order of CCFActionTypes.
    ActionList& Code(Ref<IRCode> code) { return Add(Action::Code(code)); }
    ActionList& ButtonAlias(Ref<Device> device, Ref<Button> button) {
        return Add(Action::ButtonAlias(device, button));
    }
    ActionList& Jump(Ref<Device> device, Ref<Panel> panel) {
        return Add(Action::Jump(device, panel));
    }
    ActionList& Jump(CCFJumpTypes special) { return Add(Action::Jump(special)); }
    ActionList& Delay(std::int32_t value) { return Add(Action::Delay(value)); }
    ActionList& KeyAlias(Ref<Device> device, CCFKeyAliases key) {
        return Add(Action::KeyAlias(device, key));
    }
    ActionList& AliasDevice(Ref<Device> device) { return Add(Action::AliasDevice(device)); }
    ActionList& Timer(Ref<builder::Timer> timer) { return Add(Action::Timer(timer)); }
    ActionList& Sound(std::uint8_t duration, std::int16_t frequency, std::uint8_t percent) {
        return Add(Action::Sound(duration, frequency, percent));
    }

    // The i-th action (from 0); std::out_of_range beyond the list.
    Action& operator[](std::size_t index);
    std::size_t Count() const noexcept { return Items.size(); }
};

// ---- Colours ---------------------------------------------------------------

// A text and background colour pair. In the grey formats both are grey levels
// (CCFColors) packed into one byte as text | background << 2; in fmtV3 they
// are palette indices, stored as a 4-byte group text, kept, kept, background.
struct Colors {
    Colors() = default;
    Colors(std::uint8_t text, std::uint8_t background) : Text(text), Background(background) {}

    std::uint8_t Text = clrBlack;
    std::uint8_t Background = clrWhite;
    // fmtV3: bytes 1 and 2 of the group, stored and not exposed by the library.
    std::array<std::uint8_t, 2> Kept{};
    // Grey formats: the stored byte instead of the packed pair (bits 4-7 too).
    std::optional<std::uint8_t> Packed;
};

// ---- Children --------------------------------------------------------------

// One 9-byte entry of a panel's or frame's children list: where the child
// sits on its parent, the frame or button record, and the child type byte.
class ChildEntry : public Record {
public:
    ChildEntry(std::int16_t x, std::int16_t y, Target object, std::uint8_t type)
        : X(x), Y(y), Object(object), Type(type) {}

    std::int16_t X;
    std::int16_t Y;
    Target Object;
    std::uint8_t Type; // chtFrame 0, chtButton 1, anything else for broken files

    // The frame or button the layout places in reach order (set by AddChild).
    builder::Frame* FollowedFrame = nullptr;
    builder::Button* FollowedButton = nullptr;
};

// What panels and frames share: the children list and its count byte.
class Container {
public:
    StableList<ChildEntry> Children;
    // The stored count byte instead of the number of Children.
    std::optional<std::uint8_t> CountByte;
    // The kept byte after the count (panel offset 9, frame 19 or 22 in fmtV3).
    std::uint8_t Reserved = 0;

    // A new frame or button of width x height at (x, y) on this parent.
    builder::Frame& AddFrame(std::int16_t x, std::int16_t y, std::int16_t width,
                             std::int16_t height, NameRef name = {});
    builder::Button& AddButton(std::int16_t x, std::int16_t y, std::int16_t width,
                               std::int16_t height, NameRef name = {});
    // An entry for an existing frame or button (a second parent, the frame
    // itself, a button reached twice, ...).
    ChildEntry& AddChild(std::int16_t x, std::int16_t y, builder::Frame& frame);
    ChildEntry& AddChild(std::int16_t x, std::int16_t y, builder::Button& button);
    // An entry with any target and type byte.
    ChildEntry& AddChild(std::int16_t x, std::int16_t y, Target object, std::uint8_t type);

protected:
    explicit Container(Store& store) : store_(&store) {}
    Store* store_;
};

// ---- Frames and buttons ------------------------------------------------------

class Frame : public Record, public Container {
public:
    explicit Frame(Store& store) : Container(store) {}

    std::int16_t Width = 0;
    std::int16_t Height = 0;
    NameRef Name;
    Ref<builder::Icon> Icon;
    std::int32_t Filler1 = 0;
    std::uint8_t Font = fntNone;
    builder::Colors Colors;
};

// The four states of a button, in file order.
enum State : std::size_t {
    InactiveUnselected = 0,
    InactiveSelected = 1,
    ActiveUnselected = 2,
    ActiveSelected = 3,
};

class Button : public Record {
public:
    explicit Button(Store& store) : store_(&store) {}

    std::int16_t Width = 0;
    std::int16_t Height = 0;
    NameRef Name;
    std::int32_t Filler1 = 0;
    std::uint8_t Font = fnt12;
    std::uint8_t Reserved = 0;                  // byte 17, kept by the loader
    std::array<Ref<builder::Icon>, 4> Icons;    // by State
    std::array<builder::Colors, 4> StateColors; // by State

    // The button's own action list, made on first use.
    ActionList& Actions();
    // Another list (shared with other owners) or a Raw/At position instead.
    void UseActions(Ref<ActionList> list) { actions_ = list; }
    const Ref<ActionList>& ActionsField() const noexcept { return actions_; }

    // The same unselected and selected icon in both the inactive and the
    // active states.
    Button& SetIcons(Ref<builder::Icon> unselected, Ref<builder::Icon> selected);
    // The same colours in all four states.
    Button& SetColors(std::uint8_t text, std::uint8_t background);
    Button& SetColors(State state, std::uint8_t text, std::uint8_t background);

private:
    Store* store_;
    Ref<ActionList> actions_;
};

// ---- Panels and devices ----------------------------------------------------------

class Panel : public Record, public Container {
public:
    explicit Panel(Store& store) : Container(store) {}

    NameRef Name;
    // Bit 31 of the name word.
    bool Hidden = false;
    // The stored next-panel field instead of the next panel of its chain
    // (its device's panels, or the special panels).
    std::optional<Ref<Panel>> Next;

    // The panel after this one in its chain; nullptr at the end or when loose.
    Panel* ChainNext() const noexcept { return chainNext_; }

private:
    friend class Store;
    Panel* chainNext_ = nullptr;
};

// The ten hard keys of a device, in the order of the device record.
enum class Key {
    Entry,
    Left,
    Right,
    VolMinus,
    VolPlus,
    ChanMinus,
    ChanPlus,
    Mute,
    FarLeft,
    FarRight,
};
constexpr std::size_t KeyCount = 10;

// The three chains of the header; Unlisted devices are in none (reachable
// only through a position a test stores somewhere).
enum class Group { Home, Devices, Macros, Unlisted };

class Device : public Record {
public:
    explicit Device(Store& store) : store_(&store) {}

    NameRef Name;
    Ref<Icon> IconUnselected;
    Ref<Icon> IconSelected;
    NameRef LeftKeyName;
    NameRef RightKeyName;
    NameRef FarLeftKeyName;  // fmtV3 only
    NameRef FarRightKeyName; // fmtV3 only
    std::int32_t Filler1 = 0;
    std::uint8_t Attributes = 0; // devReadOnly, devNeedsProgramming, ...
    std::uint8_t RFExtender = 0; // fmtV3 only
    std::int32_t Filler2 = 0;    // fmtV3 only
    // The stored next-device field instead of the next device of its group.
    std::optional<Ref<Device>> Next;
    // The stored first-panel field instead of the first of Panels().
    std::optional<Ref<Panel>> FirstPanel;

    // The action list of a hard key, made on first use. FarLeft and FarRight
    // exist in fmtV3 only; in the grey formats their lists are not pointed to.
    ActionList& Actions(Key key);
    // Another list (shared) or a Raw/At position for a hard key.
    void UseActions(Key key, Ref<ActionList> list);
    const Ref<ActionList>& ActionsField(Key key) const;

    // A new panel at the end of this device's panel chain.
    Panel& AddPanel(NameRef name = {});
    const std::vector<Panel*>& Panels() const noexcept { return panels_; }

    Device* ChainNext() const noexcept { return chainNext_; }

private:
    friend class Store;
    Store* store_;
    std::array<Ref<ActionList>, KeyCount> keys_;
    std::vector<Panel*> panels_;
    Device* chainNext_ = nullptr;
};

// ---- Shared records ------------------------------------------------------------------

// An IR code: a size word, a name position and the code data (which begin
// with the code type word).
class IRCode : public Record {
public:
    explicit IRCode(Store&) {}

    NameRef Name;
    std::vector<std::uint8_t> Data;
    // The stored size word instead of 6 + the data length.
    std::optional<std::uint16_t> SizeWord;
};

// An icon: size, width, height and raw type words, then the packed pixels
// (see IconPixels.h for packing pixel rows in the four encodings).
class Icon : public Record {
public:
    explicit Icon(Store&) {}

    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::uint16_t RawType = 0;
    std::vector<std::uint8_t> Data;
    // The stored size word instead of 8 + the data length.
    std::optional<std::uint16_t> SizeWord;
};

// A timer: next-timer position, start and end days and times, and the two
// embedded actions (type 0 = none).
class Timer : public Record {
public:
    explicit Timer(Store&) {}

    Ref<Timer> Next;
    std::uint8_t StartDays = 0; // CCFTimerDays bits
    std::uint8_t Filler1 = 0;
    std::int16_t StartTime = 0; // minutes after midnight, see TimeOfDay
    std::uint8_t EndDays = 0;
    std::uint8_t Filler2 = 0;
    std::int16_t EndTime = 0;
    Action Start;
    Action End;
};

// Bytes that no record points to (unaccounted memory), written as given.
class RawBlock : public Record {
public:
    explicit RawBlock(std::vector<std::uint8_t> bytes) : Bytes(std::move(bytes)) {}
    std::vector<std::uint8_t> Bytes;
};

// ---- Header ------------------------------------------------------------------------

// Where a CRC word goes and what it holds. CRC1 is the CRC-16/XMODEM of the
// file bytes 0 to PosCRC1 - 1; CRC2 is a copy of it.
struct Crc {
    enum class Place {
        End,        // a word after the last record (after a 0xFF pad to an even position)
        SameAsCRC1, // CRC2 only: PosCRC2 = PosCRC1, one word for both (as real files do)
        Off,        // position 0, no word
        At,         // the given position: the word is written there when it lies in the file
    };
    Place Where = Place::End;
    std::int32_t Position = 0; // Place::At
    // The stored word instead of the computed CRC.
    std::optional<std::uint16_t> Value;

    static Crc AtEnd() { return {}; }
    static Crc SameAsCRC1() { return {Place::SameAsCRC1, 0, {}}; }
    static Crc Off() { return {Place::Off, 0, {}}; }
    static Crc AtPosition(std::int32_t position) { return {Place::At, position, {}}; }
};

// The header at position 0 (74 bytes, 76 in fmtV3). The version words decide
// the format in which Build() writes every record (FileFormatOf). Defaults are
// those of a plausible real file; the group and special-panel positions follow
// the builder's chains unless overridden.
class Header : public Record {
public:
    Header() = default;

    NameRef VersionString;
    std::int32_t Filler1 = 0;
    std::string ID1{"@\xA5Z@_CCF", 8}; // written as exactly 8 characters
    Crc CRC1 = Crc::AtEnd();
    std::int16_t Year = 2003;
    std::uint8_t Month = 5;
    std::uint8_t Day = 20;
    std::uint8_t Filler2 = 0;
    std::uint8_t Hour = 18;
    std::uint8_t Minute = 30;
    std::uint8_t Second = 0;
    std::int32_t Filler3 = 0;
    std::string ID2{"CCF\0", 4}; // written as exactly 4 characters
    std::int16_t Version1 = 0;
    std::int16_t Version2 = 1;
    Crc CRC2 = Crc::SameAsCRC1();
    std::int32_t Version3 = 64; // 60 swaps the longs at 64 and 68
    std::optional<Ref<Device>> PosHomeGroup;
    std::optional<Ref<Device>> PosDeviceGroup;
    std::optional<Ref<Device>> PosMacroGroup;
    Ref<Timer> PosNextTimer;
    std::int32_t Attributes = 0; // cfgFactoryDefault, cfgWriteProtected, ...
    std::optional<Ref<Panel>> PosSpecialPanels;
    std::int16_t Filler4 = 0;
    std::int16_t RFChannel = 0; // fmtV3 only
};

} // namespace kelpie::builder
