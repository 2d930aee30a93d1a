// Record sizes are 16-bit properties; a size computed from an in-memory
// object can exceed that range, and then the property fails.
#pragma once

#include <kelpie/Error.h>

#include <cstdint>
#include <string>

namespace kelpie {

inline std::int16_t CheckedRecordSize(std::int64_t size, const char* what) {
    if (size > 32767 || size < -32768)
        throw Error(ErrorKind::Overflow, std::string(what) + " size " + std::to_string(size) +
                                             " does not fit in 16 bits");
    return static_cast<std::int16_t>(size);
}

} // namespace kelpie
