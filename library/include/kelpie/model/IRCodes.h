// The IR codes of a file, one object per record position, in loading order.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/SharedRecords.h>

namespace kelpie {

class KELPIE_API IRCodes final : public SharedRecords<IRCode> {
public:
    // Appends a new code holding `data` (position 0, code type 999).
    IRCode& Add(std::vector<std::uint8_t> data);

private:
    // ---- Loading, through ModelBuilder ----
    friend class ModelBuilder;
    // The code at `position` with one more reference, or a new one made from
    // `record` (reference count 1) appended at the end.
    IRCode& FindOrAdd(std::int32_t position, const IRCodeRecord& record);
};

} // namespace kelpie
