// The devices of one group, in chain order.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/model/Collection.h>
#include <kelpie/model/Device.h>

namespace kelpie {

class KELPIE_API Devices final : public Collection<Device> {
public:
    // Appends a new, empty device.
    Device& Add() { return Append(std::make_shared<Device>()); }
};

} // namespace kelpie
