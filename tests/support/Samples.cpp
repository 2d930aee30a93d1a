#include "support/Samples.h"

#include "support/ProntoCodes.h"

#include <cstdlib>

namespace kelpie::builder {

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples{
        {"grey-v1.ccf", fmtv1, "the living room in the first grey format"},
        {"grey-v2.ccf", fmtv2, "the living room in the second grey format"},
        {"colour-v3.ccf", fmtV3, "the living room in the colour format"},
    };
    return samples;
}

void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.FileName;
}

std::string TestName(const Sample& sample) {
    std::string name = sample.FileName.substr(0, sample.FileName.find('.'));
    for (auto& c : name)
        if (c == '-') c = '_';
    return name;
}

std::vector<std::uint8_t> BuildSample(const Sample& sample) {
    CCFBuilder ccf(sample.Format);
    ComposeLivingRoom(ccf);
    return ccf.Build();
}

namespace {

// ---- Pictures ----

PixelRows HomePicture() {
    return Pixels({
        "................",
        ".......##.......",
        "......####......",
        ".....##..##.....",
        "....##....##....",
        "...##......##...",
        "..############..",
        "...#........#...",
        "...#.##.....#...",
        "...#.##..##.#...",
        "...#.##..##.#...",
        "...##########...",
    });
}

PixelRows Inverted(PixelRows rows) {
    for (auto& row : rows)
        for (auto& pixel : row)
            pixel = static_cast<std::uint8_t>(3 - pixel);
    return rows;
}

PixelRows TvPicture(bool lit) {
    auto rows = Pixels({
        "3333333333333333",
        "3000000000000033",
        "3012222222221033",
        "3012222222221033",
        "3012222222221033",
        "3012222222221033",
        "3012222222221033",
        "3011111111111033",
        "3000000000000033",
        "3333300000333333",
        "3330000000000333",
        "3333333333333333",
    });
    if (lit)
        for (auto& row : rows)
            for (auto& pixel : row)
                if (pixel == 2) pixel = 3;
    return rows;
}

// A small television for the TV panel's title bar: 9 pixels wide, so that its
// 2-bit rows (18 bits) end on a 16-bit boundary with 14 bits to spare and its
// bitmap rows need padding too.
PixelRows TvBadgePicture() {
    return Pixels({
        "#########",
        "#.......#",
        "#.22222.#",
        "#.22221.#",
        "#.22211.#",
        "#.......#",
        "#########",
        "...###...",
    });
}

// Palette index of a colour-cube colour, each component 0 to 5
// (index red + 6 green + 36 blue; components step by 51).
constexpr std::uint8_t Cube(int red, int green, int blue) {
    return static_cast<std::uint8_t>(red + 6 * green + 36 * blue);
}

// An amplifier seen from the front: a grey box with two speaker cones.
PixelRows AmplifierPicture(bool selected) {
    const std::uint8_t cone = selected ? Cube(5, 5, 0) : Cube(5, 3, 0);
    PixelRows rows(12, std::vector<std::uint8_t>(16, 248)); // 248: grey (128, 128, 128)
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 16; ++column) {
            auto& pixel = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (row == 0 || row == 11 || column == 0 || column == 15) {
                pixel = Cube(0, 0, 0);
                continue;
            }
            for (const int centre : {4, 11}) {
                const int dx = column - centre, dy = row - 6;
                if (dx * dx + dy * dy <= 4) pixel = cone;
            }
        }
    return rows;
}

// A grey picture in the colour palette: black, dark and light grey as navy,
// slate and light blue, white as white.
PixelRows InPalette(PixelRows rows) {
    constexpr std::uint8_t palette[] = {Cube(0, 0, 2), 226, 217, Cube(5, 5, 5)};
    for (auto& row : rows)
        for (auto& pixel : row)
            pixel = palette[pixel];
    return rows;
}

// A blue-to-white bar for the amplifier's title.
PixelRows LogoPicture() {
    PixelRows rows(8, std::vector<std::uint8_t>(32));
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 32; ++column)
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                Cube(column / 6, column / 6, 5 - row / 4);
    return rows;
}

// A rounded 50 by 24 key: white outside the corners, a black rim, filled
// light grey (pressed: dark grey).
PixelRows KeyPicture(bool pressed) {
    constexpr int width = 50, height = 24, radius = 4;
    PixelRows rows(height, std::vector<std::uint8_t>(width, pressed ? 1 : 2));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const int dx = column < radius            ? radius - column
                           : column >= width - radius ? column - (width - radius - 1)
                                                      : 0;
            const int dy = row < radius             ? radius - row
                           : row >= height - radius ? row - (height - radius - 1)
                                                    : 0;
            auto& pixel = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            const int distance = dx * dx + dy * dy;
            if (distance > radius * radius)
                pixel = 3;
            else if (distance > (radius - 1) * (radius - 1) || row == 0 || row == height - 1 ||
                     column == 0 || column == width - 1)
                pixel = 0;
        }
    return rows;
}

// ---- The configuration ----

struct Style {
    Colors Title;      // title frames
    Colors Group;      // frames that group keys
    Colors Key;        // unselected keys
    Colors KeyPressed; // selected keys
};

Style StyleFor(CCFFileFormats format) {
    if (format == fmtV3)
        return {{215, Cube(0, 0, 2)},            // white on navy
                {215, 226},                      // white on slate blue (80, 80, 144)
                {Cube(0, 0, 0), 217},            // black on light blue (144, 176, 240)
                {Cube(0, 0, 0), Cube(5, 3, 0)}}; // black on orange
    return {{clrWhite, clrBlack},
            {clrBlack, clrLightGrey},
            {clrBlack, clrWhite},
            {clrWhite, clrDarkGrey}};
}

class LivingRoom {
public:
    explicit LivingRoom(CCFBuilder& ccf)
        : ccf_(ccf), style_(StyleFor(ccf.Format())), colour_(ccf.Format() == fmtV3),
          key_(ccf.AddIcon4ColorCompressed(KeyPicture(false))),
          keyPressed_(ccf.AddIcon4ColorCompressed(KeyPicture(true))) {}

    void Compose();

private:
    Frame& Title(Panel& panel, const char* text, Ref<Icon> icon = {}) {
        auto& frame = panel.AddFrame(0, 0, 240, 28, text);
        frame.Font = fnt16;
        frame.Colors = style_.Title;
        frame.Icon = icon;
        return frame;
    }
    Frame& GroupFrame(Container& parent, std::int16_t x, std::int16_t y, std::int16_t width,
                      std::int16_t height, NameRef name) {
        auto& frame = parent.AddFrame(x, y, width, height, std::move(name));
        frame.Font = fnt8;
        frame.Colors = style_.Group;
        return frame;
    }
    // A 50 by 24 key with the shared key icons.
    Button& KeyButton(Container& parent, std::int16_t x, std::int16_t y, const char* text) {
        auto& button = Plain(parent, x, y, 50, 24, text);
        button.SetIcons(key_, keyPressed_);
        return button;
    }
    // A key without icons, drawn in its colours only.
    Button& Plain(Container& parent, std::int16_t x, std::int16_t y, std::int16_t width,
                  std::int16_t height, const char* text) {
        auto& button = parent.AddButton(x, y, width, height, text);
        button.Font = fnt12;
        for (const State state : {InactiveUnselected, ActiveUnselected})
            button.StateColors[state] = style_.Key;
        for (const State state : {InactiveSelected, ActiveSelected})
            button.StateColors[state] = style_.KeyPressed;
        return button;
    }

    CCFBuilder& ccf_;
    Style style_;
    bool colour_;
    Icon& key_;
    Icon& keyPressed_;
};

void LivingRoom::Compose() {
    auto& header = ccf_.Header();
    header.VersionString = "Living Room 1.0";
    header.Year = 2003;
    header.Month = 5;
    header.Day = 20;
    header.Hour = 18;
    header.Minute = 30;
    header.Second = 0;
    if (colour_) header.RFChannel = 3;

    // IR codes: the TV speaks RC5, the amplifier NEC.
    auto& tvPower = ccf_.AddIRCode("TV Power", Rc5Code(0, 12));
    auto& tvAv = ccf_.AddIRCode("TV \"AV\"", Rc5Code(0, 56));
    auto& tvChannelUp = ccf_.AddIRCode("TV Ch+", Rc5Code(0, 32));
    auto& tvChannelDown = ccf_.AddIRCode("TV Ch-", Rc5Code(0, 33));
    auto& tvGuide = ccf_.AddIRCode("TV Guide", Rc5Code(0, 47));
    auto& tvInfo = ccf_.AddIRCode("TV Info", Rc5Code(0, 15));
    auto& tvUp = ccf_.AddIRCode("TV Up", Rc5Code(0, 80));
    auto& tvDown = ccf_.AddIRCode("TV Down", Rc5Code(0, 81));
    auto& tvOk = ccf_.AddIRCode("TV OK", Rc5Code(0, 87));
    auto& ampPower = ccf_.AddIRCode("Amp Power", NecCode(0x7A, 0x1D));
    auto& ampVolumeUp = ccf_.AddIRCode("Amp Vol+", NecCode(0x7A, 0x1A));
    auto& ampVolumeDown = ccf_.AddIRCode("Amp Vol-", NecCode(0x7A, 0x1B));
    auto& ampMute = ccf_.AddIRCode("Amp Mute", NecCode(0x7A, 0x1C));
    auto& ampInputTv = ccf_.AddIRCode("Amp TV", NecCode(0x7A, 0x56));
    auto& ampInputDvd = ccf_.AddIRCode("Amp DVD, BD", NecCode(0x7A, 0x4A));

    // Device icons in the other three encodings (the keys are compressed).
    auto& homeIcon = ccf_.AddIcon2Color(Inverted(HomePicture())); // black lines on white
    auto& homeIconSelected = ccf_.AddIcon2Color(HomePicture());
    auto& tvIcon = ccf_.AddIcon4Color(TvPicture(false));
    auto& tvIconSelected = ccf_.AddIcon4Color(TvPicture(true));
    auto& ampIcon = ccf_.AddIcon8Color(AmplifierPicture(false));
    auto& ampIconSelected = ccf_.AddIcon8Color(AmplifierPicture(true));
    auto& logo = ccf_.AddIcon8Color(LogoPicture());
    // The TV title's badge: four greys, in the colour format its palette form.
    auto& tvBadge = colour_ ? ccf_.AddIcon8Color(InPalette(TvBadgePicture()))
                            : ccf_.AddIcon4Color(TvBadgePicture());

    // The devices, one group each.
    auto& home = ccf_.AddDevice(Group::Home, "HOME");
    auto& tv = ccf_.AddDevice(Group::Devices, "TV");
    auto& amp = ccf_.AddDevice(Group::Devices, "Amplifier");
    auto& movie = ccf_.AddDevice(Group::Macros, "Movie, \"Night\"");
    home.IconUnselected = homeIcon;
    home.IconSelected = homeIconSelected;
    home.Attributes = devReadOnly;
    tv.IconUnselected = tvIcon;
    tv.IconSelected = tvIconSelected;
    amp.IconUnselected = ampIcon;
    amp.IconSelected = ampIconSelected;
    movie.Attributes = devHasSeparator;
    if (colour_) amp.RFExtender = 1;

    auto& homePanel = home.AddPanel("Home");
    auto& tvPanel = tv.AddPanel("TV");
    auto& guidePanel = tv.AddPanel("Guide, Now & Next");
    guidePanel.Hidden = true; // reached only through the Guide keys
    auto& ampPanel = amp.AddPanel("Amplifier");
    auto& moviePanel = movie.AddPanel("Movie");

    // Amplifier: volume, mute with a beep, inputs, power.
    Title(ampPanel, "Amplifier", logo);
    auto& volume = GroupFrame(ampPanel, 10, 36, 220, 44, "Volume");
    auto& ampVolumeDownKey = KeyButton(volume, 10, 10, "Vol-");
    ampVolumeDownKey.Actions().Code(ampVolumeDown);
    auto& ampVolumeUpKey = KeyButton(volume, 70, 10, "Vol+");
    ampVolumeUpKey.Actions().Code(ampVolumeUp);
    auto& ampMuteKey = KeyButton(volume, 130, 10, "Mute");
    ampMuteKey.Actions().Code(ampMute).Sound(20, 1000, 50);
    auto& input = GroupFrame(ampPanel, 10, 88, 220, 44, "Input");
    KeyButton(input, 10, 10, "TV").Actions().Code(ampInputTv);
    KeyButton(input, 70, 10, "DVD").Actions().Code(ampInputDvd);
    KeyButton(ampPanel, 20, 160, "Power").Actions().Code(ampPower);
    KeyButton(ampPanel, 170, 160, "Home").Actions().Jump(home, homePanel);
    amp.Actions(Key::VolMinus).Code(ampVolumeDown);
    amp.Actions(Key::VolPlus).Code(ampVolumeUp);
    amp.Actions(Key::Mute).Code(ampMute);

    // TV: a keypad frame holding a frame of digits, and the hidden guide.
    auto& badge = Title(tvPanel, "TV").AddFrame(8, 10, 9, 8, {});
    badge.Icon = tvBadge;
    auto& keypad = GroupFrame(tvPanel, 10, 36, 150, 140, "Keypad");
    auto& digits = GroupFrame(keypad, 0, 0, 150, 68, {}); // no name: the digits fill it
    const std::uint16_t digitCommands[] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        const std::string label(1, static_cast<char>('1' + i));
        auto& code = ccf_.AddIRCode("TV " + label, Rc5Code(0, digitCommands[i]));
        auto& digit = Plain(digits, static_cast<std::int16_t>(4 + 48 * (i % 3)),
                            static_cast<std::int16_t>(4 + 32 * (i / 3)), 44, 28, label.c_str());
        digit.Font = fnt14;
        digit.Actions().Code(code);
    }
    KeyButton(keypad, 0, 80, "Ch-").Actions().Code(tvChannelDown);
    KeyButton(keypad, 100, 80, "Ch+").Actions().Code(tvChannelUp);
    KeyButton(tvPanel, 175, 40, "Power").Actions().Code(tvPower);
    KeyButton(tvPanel, 175, 72, "AV").Actions().Code(tvAv);
    KeyButton(tvPanel, 175, 104, "Guide").Actions().Code(tvGuide).Jump(tv, guidePanel);
    KeyButton(tvPanel, 175, 136, "Amp").Actions().Jump(amp, ampPanel);
    KeyButton(tvPanel, 175, 184, "Home").Actions().Jump(home, homePanel);

    Title(guidePanel, "Guide");
    KeyButton(guidePanel, 20, 40, "Page Up").Actions().Jump(jmpScrollUp);
    KeyButton(guidePanel, 20, 104, "Page Dn").Actions().Jump(jmpScrollDown);
    KeyButton(guidePanel, 95, 40, "Up").Actions().Code(tvUp);
    KeyButton(guidePanel, 95, 72, "OK").Actions().Code(tvOk);
    KeyButton(guidePanel, 95, 104, "Down").Actions().Code(tvDown);
    KeyButton(guidePanel, 20, 160, "Back").Actions().Jump(jmpBack);
    KeyButton(guidePanel, 170, 160, "Fwd").Actions().Jump(jmpForward);

    tv.LeftKeyName = "Guide";
    tv.RightKeyName = "Info";
    tv.Actions(Key::Left).Code(tvGuide).Jump(tv, guidePanel);
    tv.Actions(Key::Right).Code(tvInfo);
    tv.Actions(Key::ChanMinus).Code(tvChannelDown);
    tv.Actions(Key::ChanPlus).Code(tvChannelUp);
    tv.Actions(Key::VolMinus).KeyAlias(amp, kalVolDown);
    tv.Actions(Key::VolPlus).KeyAlias(amp, kalVolUp);
    tv.Actions(Key::Mute).KeyAlias(amp, kalMute);
    if (colour_) {
        tv.FarLeftKeyName = "Back";
        tv.FarRightKeyName = "Home";
        tv.Actions(Key::FarLeft).Jump(jmpBack);
        tv.Actions(Key::FarRight).Jump(home, homePanel);
    }

    // Movie: both on, the DVD input, then the TV panel.
    Title(moviePanel, "Movie");
    auto& start = KeyButton(moviePanel, 20, 60, "Start");
    start.Actions()
        .Code(tvPower)
        .Delay(500)
        .Code(ampPower)
        .Delay(300)
        .Code(ampInputDvd)
        .Jump(tv, tvPanel)
        .Sound(10, 1500, 40);
    KeyButton(moviePanel, 170, 60, "\"All Off\"")
        .Actions()
        .Code(tvPower)
        .Code(ampPower)
        .Sound(30, 500, 60);
    movie.Actions(Key::Entry).AliasDevice(tv);

    // Timers: a weekday wake-up with both actions, a nightly sleep.
    auto& wake = ccf_.AddTimer();
    wake.StartDays = tmdMonday | tmdTuesday | tmdWednesday | tmdThursday | tmdFriday | tmdWeekly;
    wake.StartTime = TimeOfDay(6, 45);
    wake.Start = Action::Code(tvPower);
    wake.EndDays = wake.StartDays;
    wake.EndTime = TimeOfDay(7, 30);
    wake.End = Action::Code(tvPower);
    auto& sleep = ccf_.AddTimer();
    sleep.StartDays = 0x7F | tmdWeekly;
    sleep.StartTime = TimeOfDay(23, 30);
    sleep.Start = Action::Code(ampPower);
    ccf_.ChainTimers();

    // Home: jumps to the devices, the amplifier's volume keys, the macro and
    // the timers.
    Title(homePanel, "Living Room");
    auto& devices = GroupFrame(homePanel, 10, 36, 220, 44, "Devices");
    KeyButton(devices, 10, 10, "TV").Actions().Jump(tv, tvPanel);
    KeyButton(devices, 70, 10, "Amp").Actions().Jump(amp, ampPanel);
    KeyButton(devices, 130, 10, "Guide").Actions().Jump(tv, guidePanel);
    auto& sound = GroupFrame(homePanel, 10, 88, 220, 44, "Sound");
    KeyButton(sound, 10, 10, "Vol-").Actions().ButtonAlias(amp, ampVolumeDownKey);
    KeyButton(sound, 70, 10, "Vol+").Actions().ButtonAlias(amp, ampVolumeUpKey);
    KeyButton(sound, 130, 10, "Mute").Actions().ButtonAlias(amp, ampMuteKey);
    KeyButton(homePanel, 20, 160, "Movie").Actions().ButtonAlias(movie, start);
    KeyButton(homePanel, 95, 160, "Wake").Actions().Timer(wake);
    KeyButton(homePanel, 170, 160, "Sleep").Actions().Timer(sleep);
    home.LeftKeyName = "TV";
    home.RightKeyName = "Amp";
    home.Actions(Key::Left).Jump(tv, tvPanel);
    home.Actions(Key::Right).Jump(amp, ampPanel);
    home.Actions(Key::VolMinus).KeyAlias(amp, kalVolDown);
    home.Actions(Key::VolPlus).KeyAlias(amp, kalVolUp);
    home.Actions(Key::Mute).KeyAlias(amp, kalMute);
    if (colour_) {
        home.FarLeftKeyName = "Back";
        home.FarRightKeyName = "Fwd";
        home.Actions(Key::FarLeft).Jump(jmpBack);
        home.Actions(Key::FarRight).Jump(jmpForward);
    }

    // The special panel: what the remote shows while it records a macro.
    auto& macro = ccf_.AddSpecialPanel("Macro");
    Title(macro, "Recording");
    KeyButton(macro, 20, 160, "Pointer").Actions().Jump(jmpMouseMode);
    KeyButton(macro, 170, 160, "Done").Actions().Jump(jmpBack);
}

} // namespace

void ComposeLivingRoom(CCFBuilder& ccf) {
    LivingRoom(ccf).Compose();
}

} // namespace kelpie::builder
