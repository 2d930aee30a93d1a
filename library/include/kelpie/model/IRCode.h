// An IR code record: a name and the raw code bytes (which begin with the
// code type word), shared by every action that sends it.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelpie {

template <class T> class SharedRecords;

class KELPIE_API IRCode : public std::enable_shared_from_this<IRCode> {
public:
    IRCode();
    ~IRCode();
    IRCode(const IRCode&) = delete;
    IRCode& operator=(const IRCode&) = delete;

    // The code bytes (the record without its 6-byte head).
    const std::vector<std::uint8_t>& IRCodeData() const noexcept { return data_; }
    std::int32_t Position() const noexcept { return position_; }
    std::int32_t ReferenceCount() const noexcept { return referenceCount_; }
    const std::string& Name() const noexcept { return name_; }
    // The record's code type word; 999 for a code made by IRCodes::Add.
    std::int16_t IRCodeType() const noexcept { return record_.CodeType; }
    // Number of data bytes + 6; Overflow when that exceeds 32767.
    std::int16_t Size() const;
    // Number of data bytes; Overflow when that exceeds 32767.
    std::int16_t IRCodeSize() const;

private:
    // ---- Set while loading, through ModelBuilder and the file's IRCodes ----
    friend class ModelBuilder;
    template <class T> friend class SharedRecords;
    friend class IRCodes;
    void SetRecord(const IRCodeRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) noexcept { position_ = position; }
    void AddReference() noexcept { ++referenceCount_; }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetData(std::vector<std::uint8_t> data) { data_ = std::move(data); }
    void SetCodeType(std::int16_t type) noexcept { record_.CodeType = type; }

    IRCodeRecord record_;
    std::int32_t position_ = 0;
    std::int32_t referenceCount_ = 1;
    std::string name_;
    std::vector<std::uint8_t> data_;
};

} // namespace kelpie
