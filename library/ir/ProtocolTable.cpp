// The protocol table. Timings and bit layouts are those of the published
// protocol descriptions; the comment above each entry gives its IRP form
// ({carrier, unit, order} <bit code> (frame)).
#include "ir/ProtocolLayout.h"

#include <kelpie/Error.h>

namespace kelpie::ir::layout {

namespace {

Step Burst(double micros) {
    return {.Kind = StepKind::Burst, .Micros = micros};
}
Step Space(double micros) {
    return {.Kind = StepKind::Space, .Micros = micros};
}
Step Gap(double micros) {
    return {.Kind = StepKind::Gap, .Micros = micros};
}
Step Extent(double micros) {
    return {.Kind = StepKind::Extent, .Micros = micros};
}

Step Bits(Slot slot, int width, int offset = 0) {
    return {.Kind = StepKind::Bits,
            .Into = slot,
            .Width = static_cast<std::uint8_t>(width),
            .Offset = static_cast<std::uint8_t>(offset)};
}
Step Complement(Slot slot, int width, int offset = 0) {
    Step step = Bits(slot, width, offset);
    step.Inverted = true;
    return step;
}
Step Fixed(std::uint32_t value, int width) {
    Step step = Bits(Slot::Fixed, width);
    step.Value = value;
    return step;
}
Step Doubled(Step step) {
    step.Scale = 2;
    return step;
}

constexpr Slot D = Slot::Device, S = Slot::Subdevice, F = Slot::Function, T = Slot::Toggle,
               E = Slot::Extension;

// <1,-1|1,-3>: a 0 is a burst and a gap of one unit, a 1 has three units of gap.
BitCode PulseDistance(double unit, double zeroGap, double oneGap) {
    return {{unit, -zeroGap * unit}, {unit, -oneGap * unit}};
}

ProtocolInfo Info(Protocol id, const char* name, double hertz, int device, int subdevice,
                  int function, bool toggle = false, int extension = 0) {
    return {id, name, hertz, device, subdevice, function, toggle, extension};
}

// {38.0k,564}<1,-1|1,-3>(16,-8,D:8,S:8,F:8,~F:8,1,^108m,(16,-4,1,^108m)*) and
// its relatives. NEC1 and NEC2 send S = ~D; NECx any other S.
Layout Nec(Protocol id, const char* name, double hertz, bool complementAddress, bool ditto) {
    const double u = 564;
    Layout layout{.Info = Info(id, name, hertz, 8, complementAddress ? 0 : 8, 8),
              .MinFrequency = 33000,
              .MaxFrequency = 42500,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 1, 3)};
    layout.Frame = {Burst(16 * u), Space(8 * u),
                  Bits(D, 8),    complementAddress ? Complement(D, 8) : Bits(S, 8),
                  Bits(F, 8),    Complement(F, 8),
                  Burst(u),      Extent(108000)};
    if (ditto) layout.Ditto = {Burst(16 * u), Space(4 * u), Burst(u), Extent(108000)};
    return layout;
}

const char* NecxRule(const Command& command) {
    if (command.Subdevice && *command.Subdevice == (~command.Device & 0xFFu))
        return "its subdevice is the complement of its device, which makes it NEC1 or NEC2";
    return nullptr;
}

// {40k,600}<1,-1|2,-1>(4,-1,F:7,D:5,^45m)+ with 5 or 8 device bits, and
// Sony20 with 8 more subdevice bits.
Layout Sony(Protocol id, const char* name, int deviceBits, int subdeviceBits) {
    const double u = 600;
    Layout layout{.Info = Info(id, name, 40000, deviceBits, subdeviceBits, 7),
              .MinFrequency = 35000,
              .MaxFrequency = 45000,
              .Unit = u,
              .MsbFirst = false,
              .Code = {{u, -u}, {2 * u, -u}}};
    layout.Frame = {Burst(4 * u), Space(u), Bits(F, 7), Bits(D, deviceBits)};
    if (subdeviceBits) layout.Frame.push_back(Bits(S, subdeviceBits));
    layout.Frame.push_back(Extent(45000));
    return layout;
}

// Bi-phase, most significant bit first: a 0 is a burst then a gap of one
// unit each, a 1 the other way round.
// RC5:  {36k,msb,889}<1,-1|-1,1>(1,~F:1:6,T:1,D:5,F:6,^114m)+
// RC5x: {36k,msb,889}<1,-1|-1,1>(1,~S:1:6,T:1,D:5,-4,S:6,F:6,^114m)+
Layout Rc5(bool extended) {
    const double u = 889;
    Layout layout{.Info = extended ? Info(Protocol::RC5x, "RC5x", 36000, 5, 7, 6, true)
                               : Info(Protocol::RC5, "RC5", 36000, 5, 0, 7, true),
              .MinFrequency = 33000,
              .MaxFrequency = 40000,
              .Unit = u,
              .MsbFirst = true,
              .Code = {{u, -u}, {-u, u}}};
    if (extended)
        layout.Frame = {Fixed(1, 1),  Complement(S, 1, 6), Bits(T, 1), Bits(D, 5),
                      Space(4 * u), Bits(S, 6),          Bits(F, 6), Extent(114000)};
    else
        layout.Frame = {Fixed(1, 1), Complement(F, 1, 6), Bits(T, 1),
                      Bits(D, 5),  Bits(F, 6),          Extent(114000)};
    return layout;
}

// The RC6 family: {36k,444,msb}<-1,1|1,-1>(6,-2,1:1,M:3,<-2,2|2,-2>(T:1),...)
// with the mode M, a double-length trailer bit that is the toggle, and the
// payload.
Layout Rc6(Protocol id, const char* name, int mode, std::vector<Step> payload, Step close, int device,
         int subdevice) {
    const double u = 444;
    Layout layout{.Info = Info(id, name, 36000, device, subdevice, 8, true),
              .MinFrequency = 33000,
              .MaxFrequency = 40000,
              .Unit = u,
              .MsbFirst = true,
              .Code = {{-u, u}, {u, -u}}};
    layout.Frame = {Burst(6 * u), Space(2 * u), Fixed(1, 1),
                  Fixed(static_cast<std::uint32_t>(mode), 3)};
    layout.Frame.insert(layout.Frame.end(), payload.begin(), payload.end());
    layout.Frame.push_back(close);
    return layout;
}

// {38k,525}<1,-1|1,-3>(16,-8,(D:8,F:8,1,-45)+): the lead-in comes with the
// first frame only; JVC{2} is the signal without it.
Layout Jvc(bool leadIn) {
    const double u = 525;
    Layout layout{.Info = leadIn ? Info(Protocol::JVC, "JVC", 38000, 8, 0, 8)
                             : Info(Protocol::JVC2, "JVC{2}", 38000, 8, 0, 8),
              .MinFrequency = 33000,
              .MaxFrequency = 42000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 1, 3)};
    layout.Frame = {Bits(D, 8), Bits(F, 8), Burst(u), Gap(45 * u)};
    if (leadIn) {
        layout.Intro = {Burst(16 * u), Space(8 * u)};
        layout.Intro.insert(layout.Intro.end(), layout.Frame.begin(), layout.Frame.end());
    }
    return layout;
}

// {38k,264}<1,-3|1,-7>(D:5,F:8,a:2,1,-165,D:5,~F:8,b:2,1,-165)+: two
// halves, the second with the function complemented; Sharp has a = 1, b = 2,
// Denon a = 0, b = 3.
Layout SharpOrDenon(Protocol id, const char* name, std::uint32_t first, std::uint32_t second) {
    const double u = 264;
    Layout layout{.Info = Info(id, name, 38000, 5, 0, 8),
              .MinFrequency = 33000,
              .MaxFrequency = 42000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 3, 7)};
    layout.Frame = {Bits(D, 5), Bits(F, 8),       Fixed(first, 2),  Burst(u), Gap(165 * u),
                  Bits(D, 5), Complement(F, 8), Fixed(second, 2), Burst(u), Gap(165 * u)};
    return layout;
}

// {37k,432}<1,-1|1,-3>(8,-4,2:8,32:8,D:8,S:8,F:8,(D^S^F):8,1,-173)+: the
// Kaseikyo frame with Panasonic's manufacturer code 0x2002.
Layout Panasonic() {
    const double u = 432;
    Layout layout{.Info = Info(Protocol::Panasonic, "Panasonic", 37000, 8, 8, 8),
              .MinFrequency = 33000,
              .MaxFrequency = 40000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 1, 3)};
    layout.Frame = {Burst(8 * u), Space(4 * u), Fixed(2, 8), Fixed(32, 8),
                  Bits(D, 8),   Bits(S, 8),   Bits(F, 8),  Bits(Slot::Checksum, 8),
                  Burst(u),     Gap(173 * u)};
    layout.Checksum = [](const Fields& f) { return (f.Value[0] ^ f.Value[1] ^ f.Value[2]) & 0xFFu; };
    return layout;
}

// {38k,550}<1,-1|1,-3>(8,-8,D:8,S:8,F:8,~F:8,1,^108m)+
Layout Samsung32() {
    const double u = 550;
    Layout layout{.Info = Info(Protocol::Samsung32, "Samsung32", 38000, 8, 8, 8),
              .MinFrequency = 33000,
              .MaxFrequency = 42000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 1, 3)};
    layout.Frame = {Burst(8 * u), Space(8 * u),     Bits(D, 8), Bits(S, 8),
                  Bits(F, 8),   Complement(F, 8), Burst(u),   Extent(108000)};
    return layout;
}

// {38k,500}<1,-1|1,-3>(9,-9,D:8,S:8,1,-9,E:4,F:8,-68u,~F:8,1,-118)+. The
// extra 68 us of gap after the function is far inside any receiver's
// tolerance and is not sent.
Layout Samsung36() {
    const double u = 500;
    Layout layout{.Info = Info(Protocol::Samsung36, "Samsung36", 38000, 8, 8, 8, false, 4),
              .MinFrequency = 33000,
              .MaxFrequency = 42000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 1, 3)};
    layout.Frame = {Burst(9 * u),     Space(9 * u), Bits(D, 8),  Bits(S, 8),
                  Burst(u),         Space(9 * u), Bits(E, 4),  Bits(F, 8),
                  Complement(F, 8), Burst(u),     Gap(118 * u)};
    return layout;
}

// {56k,460,msb}<1,-2|1,-4>(8,-8,D:4,F:8,~D:4,~F:8,1,-16)+ and the same at 38.7 kHz.
Layout Rca(Protocol id, const char* name, double hertz, double minimum, double maximum) {
    const double u = 460;
    Layout layout{.Info = Info(id, name, hertz, 4, 0, 8),
              .MinFrequency = minimum,
              .MaxFrequency = maximum,
              .Unit = u,
              .MsbFirst = true,
              .Code = PulseDistance(u, 2, 4)};
    layout.Frame = {Burst(8 * u),     Space(8 * u),     Bits(D, 4), Bits(F, 8),
                  Complement(D, 4), Complement(F, 8), Burst(u),   Gap(16 * u)};
    return layout;
}

// {32.6k,300}<1,-3|1,-7>(D:8,F:8,1,-80)+
Layout Mitsubishi() {
    const double u = 300;
    Layout layout{.Info = Info(Protocol::Mitsubishi, "Mitsubishi", 32600, 8, 0, 8),
              .MinFrequency = 29000,
              .MaxFrequency = 40000,
              .Unit = u,
              .MsbFirst = false,
              .Code = PulseDistance(u, 3, 7)};
    layout.Frame = {Bits(D, 8), Bits(F, 8), Burst(u), Gap(80 * u)};
    return layout;
}

std::vector<Layout> MakeLayouts() {
    std::vector<Layout> layouts;
    layouts.push_back(Nec(Protocol::NEC1, "NEC1", 38000, true, true));
    layouts.push_back(Nec(Protocol::NEC2, "NEC2", 38000, true, false));
    layouts.back().FrameInBothSequences = true;
    layouts.push_back(Nec(Protocol::NECx, "NECx", 38000, false, true));
    layouts.back().FullRepeatsToo = true;
    layouts.back().Rule = NecxRule;
    // NEC2 framing at 40 kHz; only the carrier tells it from NEC2.
    layouts.push_back(Nec(Protocol::Pioneer, "Pioneer", 40000, true, false));
    layouts.back().MinFrequency = 38500;
    layouts.push_back(Sony(Protocol::Sony12, "Sony12", 5, 0));
    layouts.push_back(Sony(Protocol::Sony15, "Sony15", 8, 0));
    layouts.push_back(Sony(Protocol::Sony20, "Sony20", 5, 8));
    layouts.push_back(Rc5(false));
    layouts.push_back(Rc5(true));
    // RC6 mode 0: ...D:8,F:8,^107m
    layouts.push_back(Rc6(Protocol::RC6, "RC6", 0, {Doubled(Bits(T, 1)), Bits(D, 8), Bits(F, 8)},
                        Extent(107000), 8, 0));
    // RC6-6-20: ...D:8,S:4,F:8 (the closing gap is not published; that of RC6 is used)
    layouts.push_back(Rc6(Protocol::RC6_6_20, "RC6-6-20", 6,
                        {Doubled(Bits(T, 1)), Bits(D, 8), Bits(S, 4), Bits(F, 8)}, Extent(107000),
                        8, 4));
    // RC6-6-24: ...D:8,S:8,F:8,-100m
    layouts.push_back(Rc6(Protocol::RC6_6_24, "RC6-6-24", 6,
                        {Doubled(Bits(T, 1)), Bits(D, 8), Bits(S, 8), Bits(F, 8)}, Gap(100000), 8,
                        8));
    // RC6-6-32 as Media Center remotes send it: the trailer bit 0, an OEM byte
    // of 128, the subdevice (OEM2), the toggle, a 7-bit device, the function:
    // ...-2,2,128:8,S:8,T:1,D:7,F:8,^107m
    layouts.push_back(
        Rc6(Protocol::RC6_6_32, "RC6-6-32", 6,
            {Doubled(Fixed(0, 1)), Fixed(128, 8), Bits(S, 8), Bits(T, 1), Bits(D, 7), Bits(F, 8)},
            Extent(107000), 7, 8));
    layouts.push_back(Jvc(true));
    layouts.push_back(Jvc(false));
    layouts.push_back(Panasonic());
    layouts.push_back(SharpOrDenon(Protocol::Sharp, "Sharp", 1, 2));
    layouts.push_back(SharpOrDenon(Protocol::Denon, "Denon", 0, 3));
    layouts.push_back(Samsung32());
    layouts.push_back(Samsung36());
    layouts.push_back(Rca(Protocol::RCA, "RCA", 56000, 50000, 62000));
    layouts.push_back(Rca(Protocol::RCA38, "RCA-38", 38700, 33000, 44000));
    layouts.push_back(Mitsubishi());
    for (Layout& layout : layouts)
        for (auto* steps : {&layout.Intro, &layout.Frame, &layout.Ditto})
            LinkSteps(layout.Code, layout.Unit, *steps);
    return layouts;
}

} // namespace

const std::vector<Layout>& Layouts() {
    static const std::vector<Layout> layouts = MakeLayouts();
    return layouts;
}

const Layout& LayoutOf(Protocol protocol) {
    const auto index = static_cast<std::size_t>(protocol);
    const auto& layouts = Layouts();
    if (index >= layouts.size() || layouts[index].Info.Id != protocol)
        throw Error(ErrorKind::InvalidArgument,
                    "unknown IR protocol number " + std::to_string(index));
    return layouts[index];
}

} // namespace kelpie::ir::layout
