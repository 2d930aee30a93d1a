// The header and its device groups.
#include "walk/Walker.h"

#include <kelpie/file/CCF.h>

namespace vantor {

namespace {

// The home icon is the unselected icon of the home group's first device; a
// file with an empty home group has none (the library refuses to look).
kelpie::Icon* HomeIconOf(const kelpie::CCF& ccf) {
    return ccf.HomeGroup().Count() >= 1 ? ccf.HomeIcon() : nullptr;
}

} // namespace

template <class T> void Walker::Register(T& object, const char* type) {
    output_.Registered(RegisteredObject(&object), type, object.Position());
}

template void Walker::Register(kelpie::Device&, const char*);
template void Walker::Register(kelpie::Panel&, const char*);
template void Walker::Register(kelpie::Child&, const char*);
template void Walker::Register(kelpie::Actions&, const char*);
template void Walker::Register(kelpie::Action&, const char*);
template void Walker::Register(kelpie::Timer&, const char*);

void Walker::DoHeader(const Node& parentNode) {
    const Level level(depth_);
    kelpie::CCF& ccf = file_.CCF();
    Register(ccf, "H");
    kelpie::Icon* homeIcon = HomeIconOf(ccf);

    Visit header = output_.Header(ccf, parentNode, homeIcon != nullptr);
    {
        const Scope subordinates = std::move(header.scope);
        if (homeIcon && header.icons)
            DoIcon(*homeIcon, "Home", false, parentNode, header.expand, 0, 0);
    }
    output_.HeaderEnd(ccf, file_.HomeDeviceCount, file_.DeviceCount, file_.MacroDeviceCount);
    if (!header.below) return;

    const struct {
        DeviceGroup Group;
        kelpie::Devices& Devices;
        std::int32_t& Count;
    } groups[] = {
        {DeviceGroup::Home, ccf.HomeGroup(), file_.HomeDeviceCount},
        {DeviceGroup::Devices, ccf.DevicesGroup(), file_.DeviceCount},
        {DeviceGroup::Macros, ccf.MacrosGroup(), file_.MacroDeviceCount},
    };
    for (const auto& group : groups) {
        group.Count = 0;
        DoDevices(group.Devices, group.Count, output_.Group(group.Group, ccf, parentNode));
    }
    if (ccf.SpecialPanels().Count() >= 1)
        DoPanels(ccf.SpecialPanels(), output_.Group(DeviceGroup::MacroRecording, ccf, parentNode));
}

} // namespace vantor
