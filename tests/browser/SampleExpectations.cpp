#include "SampleExpectations.h"

#include "support/IconPixels.h"

#include <algorithm>
#include <cstdio>

namespace vantor::testing {

using namespace kelpie::builder;

std::string In(int level) {
    return level == 0 ? std::string() : std::string(static_cast<std::size_t>(2 * level + 2), ' ');
}

std::string Pronto(const std::string& name) {
    return "{\\f2 " + name + "}";
}

std::string Pos(std::int32_t position) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", static_cast<int>(position));
    return text;
}

std::string Heading(const char* size, const std::string& words) {
    return std::string("{") + size + words + "}";
}

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

std::string ColourWord(std::uint8_t colour, kelpie::CCFFileFormats format) {
    static const char* const greys[] = {"Black", "Dark Grey", "Light Grey", "White"};
    if (format == kelpie::fmtV3) return std::to_string(colour);
    return colour < 4 ? greys[colour] : "";
}

std::string FontWord(std::uint8_t font) {
    static const char* const sizes[] = {"8", "10", "12", "14", "16", "18"};
    if (font == 0) return "<none>";
    return std::string("Pronto ") + (font <= 6 ? sizes[font - 1] : "xx");
}

const std::string PictureLine = "<picture>";

bool IsPictureLine(const std::string& line) {
    return line.starts_with("{\\pict\\pngblip\\picw") && line.ends_with("}") &&
           line.find('{', 1) == std::string::npos;
}

Texts WithoutPictures(Texts lines) {
    for (auto& line : lines)
        if (IsPictureLine(line)) line = PictureLine;
    return lines;
}

Texts Headings(const Texts& lines) {
    Texts headings;
    for (const auto& line : lines)
        if (line.find_first_not_of(' ') != std::string::npos &&
            line.compare(line.find_first_not_of(' '), 4, "{\\fs") == 0)
            headings.push_back(line);
    return headings;
}

namespace {

std::string IRCodeTypeWord(std::uint16_t type) {
    switch (type) {
    case 0x0000:
        return "pulse-width coding";
    case 0x0100:
        return "pulse-position coding";
    case 0x5000:
        return "RC5";
    case 0x5001:
        return "RC5X";
    case 0x6000:
        return "RC6";
    case 0x6001:
        return "RC6A";
    default: {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", type);
        return text;
    }
    }
}

std::string IconTypeWord(std::uint16_t rawType) {
    switch (rawType) {
    case RawIcon2Color:
        return "2 Color";
    case RawIcon4Color:
        return "4 Color";
    case RawIcon4ColorCompressed:
        return "4 Color (Compressed)";
    case RawIcon8Color:
        return "8 color";
    default:
        return "unexpected icon type in a sample";
    }
}

// The hard keys in the order the device section lists their action lists.
constexpr Key ReportKeyOrder[] = {Key::Entry,    Key::Left,     Key::Right,   Key::FarLeft,
                                  Key::FarRight, Key::VolMinus, Key::VolPlus, Key::ChanMinus,
                                  Key::ChanPlus, Key::Mute};

// The IR code blocks of a list's code actions, at the level of the list's
// actions (timers write nothing outside the full report).
void AddCodes(Texts& lines, const ActionList* list, int level) {
    if (!list) return;
    for (const Action& action : list->Items)
        if (const IRCode* code = action.FollowedCode()) {
            const Texts block = IRCodeBlock(*code, level);
            lines.insert(lines.end(), block.begin(), block.end());
        }
}

void AddChildren(Texts& lines, const Container& parent, ReportKinds kind, int level) {
    for (const ChildEntry& entry : parent.Children) {
        if (const Frame* frame = entry.FollowedFrame) {
            lines.push_back(In(level) + Heading("\\fs24 ", "Frame: " + Pronto(frame->Name.Text())));
            AddChildren(lines, *frame, kind, level + 1);
        } else if (const Button* button = entry.FollowedButton) {
            lines.push_back(In(level) +
                            Heading("\\fs24 ", "Button: " + Pronto(button->Name.Text())));
            if (kind == rkIRCodes) AddCodes(lines, button->ActionsField().Typed(), level + 2);
        }
    }
}

void AddPanel(Texts& lines, const Panel& panel, ReportKinds kind) {
    lines.push_back(Heading("\\fs32 ", "Panel: " + Pronto(panel.Name.Text())));
    if (kind == rkPanels) {
        lines.insert(lines.end(), {"", PictureLine, ""});
        return;
    }
    AddChildren(lines, panel, kind, 1);
}

} // namespace

Texts IRCodeBlock(const IRCode& code, int level) {
    const auto& data = code.Data;
    Texts lines{In(level) + "[C] " + Pronto(code.Name.Text()),
                In(level + 1) + "Position: " + Pos(code.Position()),
                In(level + 1) + "Type: " +
                    IRCodeTypeWord(
                        static_cast<std::uint16_t>(data.size() >= 2 ? data[0] << 8 | data[1] : 0)),
                In(level + 1) + "Structure Size: " + std::to_string(data.size() + 6),
                In(level + 1) + "IR Code Size: " + std::to_string(data.size())};
    std::string line;
    for (std::size_t word = 0; word < data.size() / 2; ++word) {
        char text[8];
        std::snprintf(text, sizeof text, "%02X%02X ", data[2 * word], data[2 * word + 1]);
        line += text;
        if (word % 10 == 9) {
            lines.push_back(In(level + 1) + line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(In(level + 1) + line);
    return lines;
}

int References(const CCFBuilder& ccf, const Icon& icon) {
    const Store& store = ccf.Records();
    int count = 0;
    const auto count_if = [&](const Ref<Icon>& field) { count += field.Typed() == &icon; };
    for (const Device& device : store.Devices) {
        count_if(device.IconUnselected);
        count_if(device.IconSelected);
    }
    for (const Frame& frame : store.Frames)
        count_if(frame.Icon);
    for (const Button& button : store.Buttons)
        for (const auto& field : button.Icons)
            count_if(field);
    return count;
}

Texts IconBlock(const CCFBuilder& ccf, const Icon& icon, const std::string& type, int level,
                bool expand) {
    Texts lines{In(level) + "--------------------",
                In(level) + (type.empty() ? "" : type + " ") + "Icon"};
    if (!expand) return lines;
    const std::int64_t pixels = std::int64_t{icon.Width} * icon.Height;
    const Texts properties{
        "Position: " + Pos(icon.Position()),
        "Structure Size: " + std::to_string(icon.Size()),
        "Icon Size: " + std::to_string(icon.Data.size()),
        "Width, Height: (" + std::to_string(icon.Width) + ", " + std::to_string(icon.Height) +
            ") [" + std::to_string(pixels) + " pixels]",
        "Type: " + IconTypeWord(icon.RawType),
        "Reference Count: " + std::to_string(References(ccf, icon)),
    };
    for (const auto& property : properties)
        lines.push_back(In(level + 1) + property);
    return lines;
}

Texts FocusedWalk(const CCFBuilder& ccf, ReportKinds kind) {
    const Store& store = ccf.Records();
    static const char* const groups[] = {"Home Group: ", "Devices Group: ", "Macros Group: "};
    Texts lines;
    for (std::size_t group = 0; group < 3; ++group) {
        lines.push_back(Heading("\\fs40 ", groups[group]));
        for (const Device* device : store.Groups[group]) {
            lines.push_back(Heading("\\fs40 ", "Device: " + Pronto(device->Name.Text())));
            if (kind == rkIRCodes)
                for (const Key key : ReportKeyOrder)
                    AddCodes(lines, device->ActionsField(key).Typed(), 2);
            for (const Panel* panel : device->Panels())
                AddPanel(lines, *panel, kind);
        }
    }
    if (!store.SpecialPanels.empty()) {
        lines.push_back(Heading("\\fs40 ", "Macro Recording Panel: "));
        for (const Panel* panel : store.SpecialPanels)
            AddPanel(lines, *panel, kind);
    }
    return lines;
}

std::vector<std::pair<std::int32_t, std::string>> RecordMap(CCFBuilder& ccf) {
    const Store& store = ccf.Records();
    std::vector<std::pair<std::int32_t, std::string>> records{{0, "Header"}};
    const auto add = [&](const auto& deque, const char* kind) {
        for (const auto& record : deque)
            records.emplace_back(record.Position(), kind);
    };
    add(store.Devices, "Device");
    add(store.Panels, "Panel");
    add(store.Frames, "Frame");
    add(store.Buttons, "Button");
    add(store.ActionLists, "Action List");
    add(store.IRCodes, "IR code");
    add(store.Icons, "Icon");
    add(store.Timers, "Timer");
    add(store.Names, "Name");
    // Names of a field's own text live with the field.
    const auto name = [&](const NameRef& field) {
        if (field.NameRecord() && !store.Names.empty() &&
            std::any_of(store.Names.begin(), store.Names.end(),
                        [&](const Name& shared) { return &shared == field.NameRecord(); }))
            return;
        if (field.NameRecord()) records.emplace_back(field.Position(), "Name");
    };
    name(ccf.Header().VersionString);
    for (const Device& device : store.Devices)
        for (const NameRef* field : {&device.Name, &device.LeftKeyName, &device.RightKeyName,
                                     &device.FarLeftKeyName, &device.FarRightKeyName})
            name(*field);
    for (const Panel& panel : store.Panels)
        name(panel.Name);
    for (const Frame& frame : store.Frames)
        name(frame.Name);
    for (const Button& button : store.Buttons)
        name(button.Name);
    for (const IRCode& code : store.IRCodes)
        name(code.Name);
    std::sort(records.begin(), records.end());
    return records;
}

} // namespace vantor::testing
