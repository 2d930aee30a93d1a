// A device record: a named entry of the home, devices or macros group with
// two icons, its panels, the names of its labelled hard keys and the ten
// action lists that its entry and hard keys run (see HardKey.h).
//
// Reading never writes: the getters that create an empty list or panel
// collection where none is stored have const counterparts (Find...) that
// return nullptr instead.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>
#include <kelpie/model/HardKey.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace kelpie {

class Actions;
class Icon;
class Panels;

class KELPIE_API Device : public std::enable_shared_from_this<Device> {
public:
    Device();
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    std::int32_t Position() const noexcept { return position_; }
    // 65 in the grey formats, 86 in the colour format.
    std::int16_t Size() const noexcept;

    const std::string& Name() const noexcept { return name_; }
    // The label the user gave a key; "" when none (and for the keys that
    // take no label).
    const std::string& KeyLabel(HardKey key) const noexcept;
    const std::string& LeftKeyName() const noexcept { return KeyLabel(HardKey::Left); }
    const std::string& RightKeyName() const noexcept { return KeyLabel(HardKey::Right); }
    const std::string& FarLeftKeyName() const noexcept { return KeyLabel(HardKey::FarLeft); }
    const std::string& FarRightKeyName() const noexcept { return KeyLabel(HardKey::FarRight); }

    // Attribute bits.
    bool IsTemplate() const noexcept;
    bool ReadOnly() const noexcept;
    bool HasSeparator() const noexcept;
    bool NeedsProgramming() const noexcept;

    std::int32_t PosNextDevice() const noexcept { return record_.PosNextDevice; }
    std::int32_t PosFirstPanel() const noexcept { return record_.PosFirstPanel; }
    std::int32_t PosIconUnselected() const noexcept { return record_.PosIconUnselected; }
    std::int32_t PosIconSelected() const noexcept { return record_.PosIconSelected; }
    std::uint8_t RFExtender() const noexcept { return record_.RFExtender; }
    std::int32_t Filler1() const noexcept { return record_.Filler1; }
    std::int32_t Filler2() const noexcept { return record_.Filler2; }

    // Shared icons, linked, not owned (they belong to the file's Icons);
    // nullptr when missing.
    kelpie::Icon* IconUnselected() const noexcept;
    kelpie::Icon* IconSelected() const noexcept;

    // The device's panels, created empty on first use.
    kelpie::Panels& Panels();
    // The stored panels, or nullptr: nothing is created.
    const kelpie::Panels* FindPanels() const noexcept { return panels_.get(); }
    kelpie::Panels* FindPanels() noexcept { return panels_.get(); }

    // The action list of a key; the getter creates, stores and returns an
    // empty list when none is stored.
    kelpie::Actions& HardKeyActions(HardKey key);
    // The stored list of a key, or nullptr: nothing is created.
    const kelpie::Actions* FindHardKey(HardKey key) const noexcept {
        return hardKeys_[static_cast<std::size_t>(key)].get();
    }
    kelpie::Actions* FindHardKey(HardKey key) noexcept {
        return hardKeys_[static_cast<std::size_t>(key)].get();
    }
    kelpie::Actions& ActionsEntry() { return HardKeyActions(HardKey::Entry); }
    kelpie::Actions& ActionsLeft() { return HardKeyActions(HardKey::Left); }
    kelpie::Actions& ActionsRight() { return HardKeyActions(HardKey::Right); }
    kelpie::Actions& ActionsFarLeft() { return HardKeyActions(HardKey::FarLeft); }
    kelpie::Actions& ActionsFarRight() { return HardKeyActions(HardKey::FarRight); }
    kelpie::Actions& ActionsVolMinus() { return HardKeyActions(HardKey::VolMinus); }
    kelpie::Actions& ActionsVolPlus() { return HardKeyActions(HardKey::VolPlus); }
    kelpie::Actions& ActionsChanMinus() { return HardKeyActions(HardKey::ChanMinus); }
    kelpie::Actions& ActionsChanPlus() { return HardKeyActions(HardKey::ChanPlus); }
    kelpie::Actions& ActionsMute() { return HardKeyActions(HardKey::Mute); }

    // The device record as read.
    const DeviceRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const DeviceRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) { position_ = position; }
    void SetFileFormat(CCFFileFormats format) { format_ = format; }
    void SetName(std::string name) { name_ = std::move(name); }
    // Only the keys with a LabelPosition in HardKeys take a label;
    // InvalidArgument for the others.
    void SetKeyLabel(HardKey key, std::string label);
    // Each leaves the other attribute bits unchanged.
    void SetIsTemplate(bool value);
    void SetReadOnly(bool value);
    void SetHasSeparator(bool value);
    void SetNeedsProgramming(bool value);
    // Links the icon without owning it.
    void SetIconUnselected(kelpie::Icon* icon);
    void SetIconSelected(kelpie::Icon* icon);
    void SetHardKeyActions(HardKey key, std::shared_ptr<kelpie::Actions> actions);

    void SetAttribute(std::uint8_t mask, bool value);

    DeviceRecord record_;
    std::int32_t position_ = 0;
    CCFFileFormats format_ = fmtv1;
    std::string name_;
    // The labels of the four labelled keys, Left to FarRight.
    std::array<std::string, 4> labels_;
    std::weak_ptr<kelpie::Icon> iconUnselected_, iconSelected_;
    std::shared_ptr<kelpie::Panels> panels_;
    std::array<std::shared_ptr<kelpie::Actions>, HardKeyCount> hardKeys_;
};

} // namespace kelpie
