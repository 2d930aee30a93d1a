// One IR command: a protocol and the numbers it sends.
#pragma once

#include <kelpie/ir/Protocol.h>

#include <cstdint>
#include <optional>

namespace kelpie::ir {

struct Command {
    ir::Protocol Protocol = ir::Protocol::NEC1;
    std::uint32_t Device = 0;
    // Set exactly for the protocols with a subdevice (ProtocolInfo::SubdeviceBits).
    std::optional<std::uint32_t> Subdevice{};
    std::uint32_t Function = 0;
    std::uint32_t Toggle = 0;    // 0 or 1 where the protocol has a toggle, else 0
    std::uint32_t Extension = 0; // Samsung36's E field, else 0

    bool operator==(const Command&) const = default;
};

} // namespace kelpie::ir
