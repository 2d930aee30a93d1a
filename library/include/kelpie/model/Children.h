// The frames and buttons of a panel or frame, in one list in file order.
// Tell them apart by ChildType (or AsFrame / AsButton).
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Collection.h>
#include <kelpie/model/Frame.h>

namespace kelpie {

class KELPIE_API Children final : public Collection<Child> {
public:
    Frame& AddFrame() { return static_cast<Frame&>(Append(std::make_shared<Frame>())); }
    Button& AddButton() { return static_cast<Button&>(Append(std::make_shared<Button>())); }
};

} // namespace kelpie
