// A device record: a named entry of the home, devices or macros group with
// two icons, its panels, the names of its labelled hard keys and the ten
// action lists that its entry and hard keys run.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

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
    const std::string& LeftKeyName() const noexcept { return leftKeyName_; }
    const std::string& RightKeyName() const noexcept { return rightKeyName_; }
    const std::string& FarLeftKeyName() const noexcept { return farLeftKeyName_; }
    const std::string& FarRightKeyName() const noexcept { return farRightKeyName_; }

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

    // The ten action lists; a getter creates, stores and returns an empty
    // list when none is stored.
    kelpie::Actions& ActionsEntry();
    kelpie::Actions& ActionsLeft();
    kelpie::Actions& ActionsRight();
    kelpie::Actions& ActionsFarLeft();
    kelpie::Actions& ActionsFarRight();
    kelpie::Actions& ActionsVolMinus();
    kelpie::Actions& ActionsVolPlus();
    kelpie::Actions& ActionsChanMinus();
    kelpie::Actions& ActionsChanPlus();
    kelpie::Actions& ActionsMute();

    // The device record as read.
    const DeviceRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const DeviceRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) { position_ = position; }
    void SetFileFormat(CCFFileFormats format) { format_ = format; }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetLeftKeyName(std::string name) { leftKeyName_ = std::move(name); }
    void SetRightKeyName(std::string name) { rightKeyName_ = std::move(name); }
    void SetFarLeftKeyName(std::string name) { farLeftKeyName_ = std::move(name); }
    void SetFarRightKeyName(std::string name) { farRightKeyName_ = std::move(name); }
    // Each leaves the other attribute bits unchanged.
    void SetIsTemplate(bool value);
    void SetReadOnly(bool value);
    void SetHasSeparator(bool value);
    void SetNeedsProgramming(bool value);
    // Links the icon without owning it.
    void SetIconUnselected(kelpie::Icon* icon);
    void SetIconSelected(kelpie::Icon* icon);
    void SetActionsEntry(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsLeft(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsRight(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsFarLeft(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsFarRight(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsVolMinus(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsVolPlus(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsChanMinus(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsChanPlus(std::shared_ptr<kelpie::Actions> actions);
    void SetActionsMute(std::shared_ptr<kelpie::Actions> actions);

    void SetAttribute(std::uint8_t mask, bool value);
    kelpie::Actions& ActionsOnDemand(std::shared_ptr<kelpie::Actions>& slot);

    DeviceRecord record_;
    std::int32_t position_ = 0;
    CCFFileFormats format_ = fmtv1;
    std::string name_, leftKeyName_, rightKeyName_, farLeftKeyName_, farRightKeyName_;
    std::weak_ptr<kelpie::Icon> iconUnselected_, iconSelected_;
    std::shared_ptr<kelpie::Panels> panels_;
    std::shared_ptr<kelpie::Actions> entry_, left_, right_, farLeft_, farRight_, volMinus_,
        volPlus_, chanMinus_, chanPlus_, mute_;
};

} // namespace kelpie
