// A panel record: a named, possibly hidden page of a device (or one of the
// special panels) that holds frames and buttons.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>
#include <string>

namespace kelpie {

class Children;

class KELPIE_API Panel : public std::enable_shared_from_this<Panel> {
public:
    Panel();
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    std::int32_t Position() const noexcept { return position_; }
    // 10 + 9 per child; Overflow when that exceeds 32767.
    std::int16_t Size() const;

    const std::string& Name() const noexcept { return name_; }

    // Bit 31 of the record's name word.
    bool Hidden() const noexcept;

    std::int32_t PosNextPanel() const noexcept { return record_.PosNextPanel; }

    // The children, created empty on first use.
    kelpie::Children& Children();
    // The stored children, or nullptr: nothing is created.
    const kelpie::Children* FindChildren() const noexcept { return children_.get(); }
    kelpie::Children* FindChildren() noexcept { return children_.get(); }

    // The panel record as read.
    const PanelRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const PanelRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) { position_ = position; }
    void SetName(std::string name) { name_ = std::move(name); }
    // Keeps bits 0-30 of the name word.
    void SetHidden(bool value);
    void SetChildren(std::shared_ptr<kelpie::Children> children);

    PanelRecord record_;
    std::int32_t position_ = 0;
    std::string name_;
    std::shared_ptr<kelpie::Children> children_;
};

} // namespace kelpie
