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
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& LeftKeyName() const noexcept { return leftKeyName_; }
    void SetLeftKeyName(std::string name) { leftKeyName_ = std::move(name); }
    const std::string& RightKeyName() const noexcept { return rightKeyName_; }
    void SetRightKeyName(std::string name) { rightKeyName_ = std::move(name); }
    const std::string& FarLeftKeyName() const noexcept { return farLeftKeyName_; }
    void SetFarLeftKeyName(std::string name) { farLeftKeyName_ = std::move(name); }
    const std::string& FarRightKeyName() const noexcept { return farRightKeyName_; }
    void SetFarRightKeyName(std::string name) { farRightKeyName_ = std::move(name); }

    // Attribute bits; the setters leave the other bits of the byte unchanged.
    bool IsTemplate() const noexcept;
    void SetIsTemplate(bool value);
    bool ReadOnly() const noexcept;
    void SetReadOnly(bool value);
    bool HasSeparator() const noexcept;
    void SetHasSeparator(bool value);
    bool NeedsProgramming() const noexcept;
    void SetNeedsProgramming(bool value);

    std::int32_t PosNextDevice() const noexcept { return record_.PosNextDevice; }
    std::int32_t PosFirstPanel() const noexcept { return record_.PosFirstPanel; }
    std::int32_t PosIconUnselected() const noexcept { return record_.PosIconUnselected; }
    std::int32_t PosIconSelected() const noexcept { return record_.PosIconSelected; }
    std::uint8_t RFExtender() const noexcept { return record_.RFExtender; }
    std::int32_t Filler1() const noexcept { return record_.Filler1; }
    std::int32_t Filler2() const noexcept { return record_.Filler2; }

    // Shared icons; nullptr when missing. Setting links the icon without
    // owning it (it belongs to the file's Icons).
    kelpie::Icon* IconUnselected() const noexcept;
    void SetIconUnselected(kelpie::Icon* icon);
    kelpie::Icon* IconSelected() const noexcept;
    void SetIconSelected(kelpie::Icon* icon);

    // The device's panels, created empty on first use.
    kelpie::Panels& Panels();

    // The ten action lists; a getter creates, stores and returns an empty
    // list when none is stored.
    kelpie::Actions& ActionsEntry();
    void SetActionsEntry(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsLeft();
    void SetActionsLeft(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsRight();
    void SetActionsRight(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsFarLeft();
    void SetActionsFarLeft(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsFarRight();
    void SetActionsFarRight(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsVolMinus();
    void SetActionsVolMinus(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsVolPlus();
    void SetActionsVolPlus(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsChanMinus();
    void SetActionsChanMinus(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsChanPlus();
    void SetActionsChanPlus(std::shared_ptr<kelpie::Actions> actions);
    kelpie::Actions& ActionsMute();
    void SetActionsMute(std::shared_ptr<kelpie::Actions> actions);

    // ---- Loader operations ----
    KELPIE_INTERNAL void SetRecord(const DeviceRecord& record) { record_ = record; }
    KELPIE_INTERNAL void SetPosition(std::int32_t position) { position_ = position; }
    KELPIE_INTERNAL void SetFileFormat(CCFFileFormats format) { format_ = format; }
    KELPIE_INTERNAL const DeviceRecord& Record() const noexcept { return record_; }

private:
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
