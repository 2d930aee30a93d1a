#include "StressFiles.h"

#include "CCFBuilder.h"
#include "IconPixels.h"
#include "ProntoCodes.h"

#include <string>

namespace kelpie::builder {

std::vector<std::uint8_t> NestedFramesFile(int depth) {
    CCFBuilder ccf(fmtv2);
    Container* parent = &ccf.AddDevice(Group::Devices, "Deep").AddPanel("Deep");
    for (int i = 0; i < depth; ++i)
        parent = &parent->AddFrame(0, 0, 10, 10);
    return ccf.Build();
}

std::vector<std::uint8_t> WidePanelFile(int buttons, int actions) {
    CCFBuilder ccf(fmtv2);
    auto& code = ccf.AddIRCode("Power", NecCode(0x04, 0x08));
    auto& panel = ccf.AddDevice(Group::Devices, "Wide").AddPanel("Wide");
    for (int i = 0; i < buttons; ++i) {
        auto& button = panel.AddButton(static_cast<std::int16_t>(i % 15 * 16),
                                       static_cast<std::int16_t>(i / 15 * 12), 15, 11,
                                       "B" + std::to_string(i));
        for (int j = 0; j < actions; ++j)
            button.Actions().Code(code);
    }
    return ccf.Build();
}

std::vector<std::uint8_t> SharedIconFile(int uses) {
    CCFBuilder ccf(fmtv2);
    auto& icon = ccf.AddIcon2Color(Pixels({"#..#", ".##.", ".##.", "#..#"}));
    auto& device = ccf.AddDevice(Group::Devices, "Icons");
    constexpr int PerPanel = 200;
    Panel* panel = nullptr;
    for (int button = 0; button < uses / 4; ++button) {
        if (button % PerPanel == 0)
            panel = &device.AddPanel("P" + std::to_string(button / PerPanel));
        const int slot = button % PerPanel;
        panel
            ->AddButton(static_cast<std::int16_t>(slot % 20 * 12),
                        static_cast<std::int16_t>(slot / 20 * 20), 10, 10)
            .SetIcons(icon, icon);
    }
    return ccf.Build();
}

std::vector<std::uint8_t> NoticesFile(int devices) {
    CCFBuilder ccf(fmtv2);
    std::vector<Device*> all;
    for (int i = 0; i < devices; ++i)
        all.push_back(&ccf.AddDevice(Group::Devices));
    // The records do not depend on where the pointers lead: build once to
    // learn the size, then point everything at the last byte, so that every
    // record read there runs past the end.
    const auto pointAt = [&](std::int64_t end) {
        for (Device* device : all) {
            device->Name = Raw(end);
            device->IconUnselected = Raw(end);
            device->IconSelected = Raw(end);
            device->LeftKeyName = Raw(end);
            device->RightKeyName = Raw(end);
        }
    };
    pointAt(0);
    const auto size = static_cast<std::int64_t>(ccf.Build().size());
    pointAt(size - 1);
    return ccf.Build();
}

std::vector<std::uint8_t> SharedFramesFile(int levels, std::int32_t size) {
    CCFBuilder ccf(fmtv2);
    Container* parent = &ccf.AddDevice(Group::Devices, "Shared").AddPanel("Shared");
    for (int i = 0; i < levels; ++i) {
        Frame& frame = parent->AddFrame(0, 0, 10, 10);
        if (i > 0) parent->AddChild(10, 0, frame);
        parent = &frame;
    }
    const auto bare = static_cast<std::int32_t>(ccf.Build().size());
    if (size > bare)
        ccf.AddRawBlock(std::vector<std::uint8_t>(static_cast<std::size_t>(size - bare)));
    return ccf.Build();
}

} // namespace kelpie::builder
