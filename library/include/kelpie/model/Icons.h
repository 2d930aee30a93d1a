// The icons of a file, one object per record position, in loading order.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/SharedRecords.h>

namespace kelpie {

class KELPIE_API Icons final : public SharedRecords<Icon> {
public:
    // Appends a new, empty icon (position 0). The file name is not used.
    Icon& Add(const std::string& fileName = {});

private:
    // ---- Loading, through ModelBuilder ----
    friend class ModelBuilder;
    // The icon at `position` with one more reference, or a new one made from
    // `record` (reference count 1) appended at the end.
    Icon& FindOrAdd(std::int32_t position, const IconRecord& record);
};

} // namespace kelpie
