// An action list: the actions of a device's hard key or entry, or of a
// button, standing for an action-list record of the file (a 2-byte head and
// one 9-byte entry per action).
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>
#include <kelpie/model/Action.h>
#include <kelpie/model/Collection.h>

namespace kelpie {

class KELPIE_API Actions final : public Collection<Action> {
public:
    // Appends a new, empty action.
    Action& Add() { return Append(std::make_shared<Action>()); }

    // Position of the action-list record; 0 for a list not read from a file.
    std::int32_t Position() const noexcept { return position_; }
    // 2 + 9 per action; Overflow when that exceeds 32767.
    std::int16_t Size() const;

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const ActionListRecord& record) noexcept { record_ = record; }
    void SetPosition(std::int32_t position) noexcept { position_ = position; }

    ActionListRecord record_;
    std::int32_t position_ = 0;
};

} // namespace kelpie
