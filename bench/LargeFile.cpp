#include "LargeFile.h"

#include "support/CCFBuilder.h"
#include "support/ProntoCodes.h"

#include <string>

namespace kelpie::bench {

using namespace kelpie::builder;

namespace {

constexpr int PanelsPerDevice = 10;
constexpr int FramesPerPanel = 2;
constexpr int ButtonsPerFrame = 8;
constexpr int ButtonsPerPanel = 10;
constexpr int CodesPerDevice = 40;

// Shared pictures: a few dozen icons in all four encodings, used by every
// device, as a real configuration reuses its key and device pictures.
std::vector<Icon*> MakeIcons(CCFBuilder& ccf) {
    std::vector<Icon*> icons;
    for (int i = 0; i < 48; ++i) {
        const int width = 16 + i % 16, height = 12 + i % 8;
        PixelRows rows(static_cast<std::size_t>(height),
                       std::vector<std::uint8_t>(static_cast<std::size_t>(width)));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                rows[y][x] = static_cast<std::uint8_t>((x / 3 + y / 2 + i) % 4);
        switch (i % 4) {
        case 0:
            icons.push_back(&ccf.AddIcon2Color(rows));
            break;
        case 1:
            icons.push_back(&ccf.AddIcon4Color(rows));
            break;
        case 2:
            icons.push_back(&ccf.AddIcon4ColorCompressed(rows));
            break;
        default:
            for (auto& row : rows)
                for (auto& pixel : row)
                    pixel = static_cast<std::uint8_t>(pixel * 60 + i);
            icons.push_back(&ccf.AddIcon8Color(rows));
        }
    }
    return icons;
}

void AddDevice(CCFBuilder& ccf, int number, const std::vector<Icon*>& icons,
               std::vector<Device*>& devices) {
    auto& device = ccf.AddDevice(number % 7 == 0 ? Group::Macros : Group::Devices,
                                 "Device " + std::to_string(number));
    device.IconUnselected = *icons[static_cast<std::size_t>(number) % icons.size()];
    device.LeftKeyName = "Tune";

    std::vector<IRCode*> codes;
    for (int c = 0; c < CodesPerDevice; ++c)
        codes.push_back(&ccf.AddIRCode(
            "Key " + std::to_string(c),
            c % 2
                ? NecCode(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(c))
                : Rc5Code(static_cast<std::uint16_t>(number % 32), static_cast<std::uint16_t>(c))));
    device.Actions(Key::VolPlus).Code(*codes[0]);
    device.Actions(Key::VolMinus).Code(*codes[1]);
    if (!devices.empty()) device.Actions(Key::Mute).AliasDevice(*devices.back());

    std::vector<Panel*> panels;
    for (int p = 0; p < PanelsPerDevice; ++p)
        panels.push_back(&device.AddPanel("Page " + std::to_string(p)));
    panels.back()->Hidden = true;

    int key = 0;
    auto fillButton = [&](Button& button) {
        button.SetIcons(*icons[static_cast<std::size_t>(key) % icons.size()],
                        *icons[static_cast<std::size_t>(key + 1) % icons.size()]);
        button.SetColors(clrBlack, clrWhite);
        auto& actions = button.Actions();
        actions.Code(*codes[static_cast<std::size_t>(key) % codes.size()]);
        switch (key % 9) {
        case 0:
            actions.Jump(device, *panels[static_cast<std::size_t>(key / 9) % panels.size()]);
            break;
        case 3:
            actions.Delay(500).Code(*codes[static_cast<std::size_t>(key + 7) % codes.size()]);
            break;
        case 5:
            actions.Sound(10, 1000, 50);
            break;
        case 7:
            actions.KeyAlias(device, kalVolUp);
            break;
        default:
            break;
        }
        ++key;
    };
    for (auto* panel : panels) {
        for (int f = 0; f < FramesPerPanel; ++f) {
            auto& frame = panel->AddFrame(static_cast<std::int16_t>(f * 120), 20, 120, 150, "Keys");
            frame.Icon = *icons[static_cast<std::size_t>(f) % icons.size()];
            for (int b = 0; b < ButtonsPerFrame; ++b)
                fillButton(frame.AddButton(static_cast<std::int16_t>(b % 2 * 60),
                                           static_cast<std::int16_t>(b / 2 * 36), 56, 32,
                                           "Key " + std::to_string(b)));
        }
        for (int b = 0; b < ButtonsPerPanel; ++b)
            fillButton(panel->AddButton(static_cast<std::int16_t>(b % 5 * 48), 180, 44, 30,
                                        std::to_string(b)));
    }
    // A timer now and then, started from the first panel.
    if (number % 5 == 0) {
        auto& timer = ccf.AddTimer();
        timer.StartDays = tmdMonday | tmdFriday;
        timer.StartTime = TimeOfDay(7, 30);
        timer.Start = Action::Code(*codes[2]);
        panels.front()->AddButton(0, 0, 40, 20, "Wake").Actions().Timer(timer);
    }
    devices.push_back(&device);
}

std::vector<std::uint8_t> Generate(CCFFileFormats format, int deviceCount) {
    CCFBuilder ccf(format);
    ccf.Header().VersionString = "Benchmark";
    const auto icons = MakeIcons(ccf);
    std::vector<Device*> devices;
    for (int d = 0; d < deviceCount; ++d)
        AddDevice(ccf, d, icons, devices);
    ccf.ChainTimers();
    return ccf.Build();
}

} // namespace

std::vector<std::uint8_t> GenerateLargeFile(CCFFileFormats format, std::int64_t targetBytes) {
    const auto one = static_cast<std::int64_t>(Generate(format, 1).size());
    const auto two = static_cast<std::int64_t>(Generate(format, 2).size());
    const std::int64_t perDevice = two - one;
    const std::int64_t devices = std::max<std::int64_t>(1, (targetBytes - one) / perDevice + 1);
    return Generate(format, static_cast<int>(devices));
}

} // namespace kelpie::bench
