// The busy mouse pointer for the length of a scope: set on construction, and
// set back however the scope ends (a library error inside a walk included).
#pragma once

#include "model/Sinks.h"

namespace vantor {

class BusyPointer {
public:
    explicit BusyPointer(UserInterface& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyPointer() { ui_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserInterface& ui_;
};

} // namespace vantor
