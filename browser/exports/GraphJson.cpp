#include "exports/GraphJson.h"

#include "exports/ActionJson.h"
#include "exports/ExportOutput.h"
#include "exports/IRCodeExport.h"

#include "walk/HardKeys.h"
#include "outputs/IRCodeWords.h"
#include "outputs/RtfWriter.h"
#include "outputs/Windows1252.h"

#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/Frame.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <map>
#include <optional>

namespace vantor {

namespace {

std::string Text(const std::string& fileText) {
    return Utf8FromWindows1252(fileText);
}

const char* IconTypeWord(kelpie::IconTypes type) {
    switch (type) {
    case kelpie::ict2Color:
        return "2 color";
    case kelpie::ict4Color:
        return "4 color";
    case kelpie::ict4ColorCompressed:
        return "4 color compressed";
    case kelpie::ict8Color:
        return "8 color";
    default:
        return "unknown";
    }
}

class GraphWriter {
public:
    GraphWriter(const kelpie::CCF& ccf, JsonWriter& json) : ccf_(ccf), json_(json) {}

    void Header() {
        const auto header = json_.Object("header");
        json_.Member("position", ccf_.Position());
        json_.Member("size", ccf_.Size());
        json_.Member("file_format", ccf_.FileFormat() == kelpie::fmtv1   ? "v1"
                                    : ccf_.FileFormat() == kelpie::fmtv2 ? "v2"
                                                                         : "v3");
        json_.Member("version_string", Text(ccf_.VersionString()));
        {
            const auto version = json_.Array("version");
            json_.Value(ccf_.Version1());
            json_.Value(ccf_.Version2());
            json_.Value(ccf_.Version3());
        }
        {
            const kelpie::CCFDate date = ccf_.ModificationDate();
            const auto modified = json_.Object("modification_date");
            json_.Member("year", date.Year);
            json_.Member("month", date.Month);
            json_.Member("day", date.Day);
            json_.Member("hour", date.Hour);
            json_.Member("minute", date.Minute);
            json_.Member("second", date.Second);
        }
        json_.Member("id1", Text(ccf_.ID1()));
        json_.Member("id2", Text(ccf_.ID2()));
        json_.Member("config_factory_default", ccf_.ConfigFactoryDefault());
        json_.Member("config_write_protected", ccf_.ConfigWriteProtected());
        json_.Member("home_write_protected", ccf_.HomeWriteProtected());
        Crc("crc1", ccf_.PosCRC1(), ccf_.CRC1());
        Crc("crc2", ccf_.PosCRC2(), ccf_.CRC2());
        std::optional<std::uint16_t> calculated;
        try {
            if (ccf_.PosCRC1() != 0) calculated = ccf_.CalculateCRC();
        } catch (const kelpie::Error&) {
            // the CRC position lies beyond the file: null
        }
        json_.Member("calculated_crc", calculated);
        json_.Member("pos_home_group", ccf_.PosHomeGroup());
        json_.Member("pos_device_group", ccf_.PosDeviceGroup());
        json_.Member("pos_macro_group", ccf_.PosMacroGroup());
        json_.Member("pos_first_timer", ccf_.PosNextTimer());
        json_.Member("pos_special_panels", ccf_.PosSpecialPanels());
        json_.Member("rf_channel", ccf_.RFChannel());
        {
            const auto fillers = json_.Array("fillers");
            json_.Value(ccf_.Filler1());
            json_.Value(ccf_.Filler2());
            json_.Value(ccf_.Filler3());
            json_.Value(ccf_.Filler4());
        }
        json_.Member("home_icon",
                     PositionOf(ccf_.HomeGroup().Count() >= 1 ? ccf_.HomeIcon() : nullptr));
    }

    void Devices(const char* key, const kelpie::Devices& devices) {
        const auto list = json_.Array(key);
        for (kelpie::Device& device : devices)
            Device(device);
    }

    void Panels(const char* key, const kelpie::Panels& panels) {
        const auto list = json_.Array(key);
        for (kelpie::Panel& panel : panels) {
            const auto object = json_.Object();
            json_.Member("position", panel.Position());
            json_.Member("size", SizeOf(panel));
            json_.Member("name", Text(panel.Name()));
            json_.Member("hidden", panel.Hidden());
            json_.Member("pos_next_panel", panel.PosNextPanel());
            const auto children = json_.Array("children");
            if (const kelpie::Children* stored = panel.FindChildren()) Children(*stored, 0, 0);
        }
    }

    void IRCodes() {
        const auto list = json_.Array("ir_codes");
        for (const kelpie::IRCode& code : ccf_.IRCodes()) {
            const auto object = json_.Object();
            json_.Member("position", code.Position());
            json_.Member("size", code.IRCodeData().size() + kelpie::basStructures::IRCodeHeadSize);
            json_.Member("name", Text(code.Name()));
            json_.Member("type_word", RtfWriter::HexWord(code.IRCodeType()));
            json_.Member("scheme", IRCodeTypeName(code.IRCodeType()));
            json_.Member("reference_count", code.ReferenceCount());
            json_.Member("pronto_hex", ProntoHex(code.IRCodeData()));
            json_.Member("carrier_hz", CarrierHertz(code.IRCodeData()));
        }
    }

    void Icons() {
        const auto list = json_.Array("icons");
        for (const kelpie::Icon& icon : ccf_.Icons()) {
            const auto object = json_.Object();
            json_.Member("position", icon.Position());
            json_.Member("size", icon.Size());
            json_.Member("width", icon.Width());
            json_.Member("height", icon.Height());
            json_.Member("type", IconTypeWord(icon.IconType()));
            json_.Member("raw_type", icon.RawIconType());
            json_.Member("reference_count", icon.ReferenceCount());
        }
    }

    // The timers the actions start, in the order they were first met.
    void Timers() {
        const auto list = json_.Array("timers");
        for (const kelpie::Timer* timer : timerOrder_) {
            const auto object = json_.Object();
            json_.Member("position", timer->Position());
            json_.Member("size", timer->Size());
            json_.Member("next_timer", PositionOf(timer->NextTimer()));
            json_.Member("start_days", timer->StartDays());
            json_.Member("start_time", timer->StartTime());
            OptionalAction("start_action", timer->StartAction());
            json_.Member("end_days", timer->EndDays());
            json_.Member("end_time", timer->EndTime());
            OptionalAction("end_action", timer->EndAction());
            const auto fillers = json_.Array("fillers");
            json_.Value(timer->Filler1());
            json_.Value(timer->Filler2());
        }
    }

private:
    // Sizes that cannot be computed (a record whose size word is out of
    // range) are null instead of ending the export.
    template <class T> static std::optional<std::int16_t> SizeOf(const T& record) {
        try {
            return record.Size();
        } catch (const kelpie::Error&) {
            return std::nullopt;
        }
    }

    void Crc(const char* key, std::int32_t position, std::uint16_t stored) {
        const auto crc = json_.Object(key);
        json_.Member("position", position);
        json_.Member("stored", stored);
    }

    void Device(kelpie::Device& device) {
        const auto object = json_.Object();
        json_.Member("position", device.Position());
        json_.Member("size", SizeOf(device));
        json_.Member("name", Text(device.Name()));
        json_.Member("is_template", device.IsTemplate());
        json_.Member("read_only", device.ReadOnly());
        json_.Member("has_separator", device.HasSeparator());
        json_.Member("needs_programming", device.NeedsProgramming());
        json_.Member("rf_extender", device.RFExtender());
        {
            const auto fillers = json_.Array("fillers");
            json_.Value(device.Filler1());
            json_.Value(device.Filler2());
        }
        json_.Member("icon_unselected", PositionOf(device.IconUnselected()));
        json_.Member("icon_selected", PositionOf(device.IconSelected()));
        json_.Member("pos_next_device", device.PosNextDevice());
        json_.Member("pos_first_panel", device.PosFirstPanel());
        {
            const auto keys = json_.Array("hard_keys");
            for (const HardKey& key : HardKeysOf(device)) {
                if (!key.List || key.List->Count() < 1) continue;
                const auto object = json_.Object();
                json_.Member("key", Text(key.Title));
                ActionList(*key.List);
            }
        }
        static const kelpie::Panels noPanels;
        const kelpie::Panels* panels = device.FindPanels();
        Panels("panels", panels ? *panels : noPanels);
    }

    // Children with their positions on the panel: x and y as stored
    // (relative to the parent), absolute_x and absolute_y on the panel. They
    // are the elements of the array the caller opened.
    void Children(const kelpie::Children& children, std::int64_t parentX, std::int64_t parentY) {
        for (kelpie::Child& child : children) {
            const auto object = json_.Object();
            const std::int64_t x = parentX + child.X(), y = parentY + child.Y();
            json_.Member("kind", child.AsFrame()    ? "frame"
                                 : child.AsButton() ? "button"
                                                    : "unknown");
            json_.Member("position", child.Position());
            json_.Member("size", SizeOf(child));
            json_.Member("name", Text(child.Name()));
            json_.Member("x", child.X());
            json_.Member("y", child.Y());
            json_.Member("absolute_x", x);
            json_.Member("absolute_y", y);
            json_.Member("width", child.Width());
            json_.Member("height", child.Height());
            json_.Member("font", static_cast<std::int32_t>(child.Font()));
            if (kelpie::Frame* frame = child.AsFrame()) {
                json_.Member("text_color", static_cast<std::int32_t>(frame->TextColor()));
                json_.Member("background_color",
                             static_cast<std::int32_t>(frame->BackgroundColor()));
                json_.Member("icon", PositionOf(frame->Icon()));
                const auto inner = json_.Array("children");
                if (frame->Children()) Children(*frame->Children(), x, y);
            } else if (kelpie::Button* button = child.AsButton()) {
                static constexpr struct {
                    const char* Name;
                    kelpie::ButtonState State;
                } States[] = {{"inactive_unselected", kelpie::InactiveUnselected},
                              {"inactive_selected", kelpie::InactiveSelected},
                              {"active_unselected", kelpie::ActiveUnselected},
                              {"active_selected", kelpie::ActiveSelected}};
                {
                    const auto states = json_.Object("states");
                    for (const auto& state : States) {
                        const auto look = json_.Object(state.Name);
                        json_.Member("text_color",
                                     static_cast<std::int32_t>(button->TextColorOf(state.State)));
                        json_.Member(
                            "background_color",
                            static_cast<std::int32_t>(button->BackgroundColorOf(state.State)));
                        json_.Member("icon", PositionOf(button->IconOf(state.State)));
                    }
                }
                static const kelpie::Actions noActions;
                const kelpie::Actions* actions = button->FindActions();
                ActionList(actions ? *actions : noActions);
            }
        }
    }

    // The member "actions" of the current object.
    void ActionList(const kelpie::Actions& actions) {
        const auto object = json_.Object("actions");
        json_.Member("position", actions.Position());
        json_.Member("size", SizeOf(actions));
        const auto list = json_.Array("actions");
        for (kelpie::Action& action : actions)
            Action(action);
    }

    void OptionalAction(const char* key, const kelpie::Action* action) {
        json_.Key(key);
        if (action)
            WriteActionJson(json_, *action);
        else
            json_.Value(nullptr);
    }

    void Action(const kelpie::Action& action) {
        if (action.ActionType() == kelpie::actTimer)
            if (const kelpie::Timer* timer = action.Timer())
                if (timerSeen_.emplace(timer->Position(), timer).second)
                    timerOrder_.push_back(timer);
        WriteActionJson(json_, action);
    }

    const kelpie::CCF& ccf_;
    JsonWriter& json_;
    std::map<std::int32_t, const kelpie::Timer*> timerSeen_;
    std::vector<const kelpie::Timer*> timerOrder_;
};

// Counts, memory usage and unaccounted runs, from the structure and accessed
// maps as the full report reads them.
void ByteAccounting(const kelpie::CCFfile& file, JsonWriter& json) {
    const auto bytes = json.Object("bytes");
    json.Member("file_size", file.FileSize());
    {
        const auto kinds = json.Array("kinds");
        for (std::int32_t type = kelpie::mtypHeader; type <= kelpie::mtypName; ++type) {
            std::int32_t start = -1, startNext = -1;
            const std::int32_t count = file.ObjectCount(type, start, startNext);
            const auto kind = json.Object();
            json.Member("kind", kelpie::CCFfile::ObjectName(type));
            json.Member("count", count);
            const bool present = start != -1;
            json.Member("first", present ? std::optional(start) : std::nullopt);
            json.Member("first_area_end", present ? std::optional(startNext) : std::nullopt);
            json.Member("memory_used", present ? std::optional(startNext - start) : std::nullopt);
        }
    }
    // The total comes before the runs: one pass adds them up and a second
    // writes them, so that no list of the runs is kept.
    std::int64_t total = 0;
    std::int32_t length = 0;
    const auto eachRun = [&](const auto& visit) {
        for (std::int32_t p = file.NextUnaccessedMemory(-1, length); p != -1;
             p = file.NextUnaccessedMemory(p + length - 1, length))
            visit(p, length);
    };
    eachRun([&](std::int32_t, std::int32_t runLength) { total += runLength; });
    json.Member("unaccounted_bytes", total);
    const auto runs = json.Array("unaccounted");
    eachRun([&](std::int32_t start, std::int32_t runLength) {
        const auto run = json.Object();
        json.Member("start", start);
        json.Member("length", runLength);
    });
}

} // namespace

void WriteGraphJson(const kelpie::CCF& ccf, const NoticeSpool& notices,
                    const std::string& loadError, std::ostream& out) {
    JsonWriter json(out);
    GraphWriter writer(ccf, json);
    const auto document = json.Object();
    json.Member("file", ccf.CCFfile().FileName());
    json.Member("error", loadError.empty() ? std::nullopt : std::optional(loadError));
    writer.Header();
    {
        const auto groups = json.Object("groups");
        writer.Devices("home", ccf.HomeGroup());
        writer.Devices("devices", ccf.DevicesGroup());
        writer.Devices("macros", ccf.MacrosGroup());
    }
    writer.Panels("macro_recording_panels", ccf.SpecialPanels());
    writer.IRCodes();
    writer.Icons();
    writer.Timers();
    {
        const auto list = json.Array("notices");
        notices.ForEach([&](const std::string& notice) { json.Value(notice); });
    }
    ByteAccounting(ccf.CCFfile(), json);
}

bool ExportGraphJson(const ExportSource& source, const ExportOptions&, const std::string& path,
                     ExportOutput& output) {
    static const NoticeSpool noNotices;
    return output.WriteStream("the JSON export", path, [&](std::ostream& out) {
        WriteGraphJson(source.File, source.LoadNotices ? *source.LoadNotices : noNotices,
                       source.LoadError, out);
    });
}

} // namespace vantor
