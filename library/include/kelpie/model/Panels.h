// The panels of one device (or the special panels), in chain order.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/model/Collection.h>
#include <kelpie/model/Panel.h>

namespace kelpie {

class KELPIE_API Panels final : public Collection<Panel> {
public:
    // Appends a new, empty panel.
    Panel& Add() { return Append(std::make_shared<Panel>()); }
};

} // namespace kelpie
