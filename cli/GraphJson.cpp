#include "GraphJson.h"

#include "ActionJson.h"
#include "IRCodeExport.h"

#include "reports/HardKeys.h"
#include "reports/IRCodeWords.h"
#include "reports/RtfWriter.h"
#include "reports/Windows1252.h"

#include "Error.h"
#include "icons/Icon.h"
#include "model/Button.h"
#include "model/Children.h"
#include "model/Devices.h"
#include "model/Frame.h"
#include "model/IRCodes.h"
#include "model/Icons.h"
#include "model/Panel.h"
#include "model/Panels.h"
#include "model/Timer.h"

#include <map>

namespace vantor {

namespace {

using Json = nlohmann::ordered_json;

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
    explicit GraphWriter(const kelpie::CCF& ccf) : ccf_(ccf) {}

    Json Header() const {
        Json header;
        header["position"] = ccf_.Position();
        header["size"] = ccf_.Size();
        header["file_format"] = ccf_.FileFormat() == kelpie::fmtv1   ? "v1"
                                : ccf_.FileFormat() == kelpie::fmtv2 ? "v2"
                                                                     : "v3";
        header["version_string"] = Text(ccf_.VersionString());
        header["version"] = {ccf_.Version1(), ccf_.Version2(), ccf_.Version3()};
        const kelpie::CCFDate date = ccf_.ModificationDate();
        header["modification_date"] = {{"year", date.Year},     {"month", date.Month},
                                       {"day", date.Day},       {"hour", date.Hour},
                                       {"minute", date.Minute}, {"second", date.Second}};
        header["id1"] = Text(ccf_.ID1());
        header["id2"] = Text(ccf_.ID2());
        header["config_factory_default"] = ccf_.ConfigFactoryDefault();
        header["config_write_protected"] = ccf_.ConfigWriteProtected();
        header["home_write_protected"] = ccf_.HomeWriteProtected();
        header["crc1"] = {{"position", ccf_.PosCRC1()}, {"stored", ccf_.CRC1()}};
        header["crc2"] = {{"position", ccf_.PosCRC2()}, {"stored", ccf_.CRC2()}};
        try {
            header["calculated_crc"] = ccf_.PosCRC1() != 0 ? Json(ccf_.CalculateCRC()) : Json();
        } catch (const kelpie::Error&) {
            header["calculated_crc"] = nullptr; // the CRC position lies beyond the file
        }
        header["pos_home_group"] = ccf_.PosHomeGroup();
        header["pos_device_group"] = ccf_.PosDeviceGroup();
        header["pos_macro_group"] = ccf_.PosMacroGroup();
        header["pos_first_timer"] = ccf_.PosNextTimer();
        header["pos_special_panels"] = ccf_.PosSpecialPanels();
        header["rf_channel"] = ccf_.RFChannel();
        header["fillers"] = {ccf_.Filler1(), ccf_.Filler2(), ccf_.Filler3(), ccf_.Filler4()};
        header["home_icon"] = PositionOf(ccf_.HomeGroup().Count() >= 1 ? ccf_.HomeIcon() : nullptr);
        return header;
    }

    Json Devices(kelpie::Devices& devices) {
        Json list = Json::array();
        for (kelpie::Device& device : devices)
            list.push_back(Device(device));
        return list;
    }

    Json Panels(kelpie::Panels& panels) {
        Json list = Json::array();
        for (kelpie::Panel& panel : panels) {
            Json json;
            json["position"] = panel.Position();
            json["size"] = SizeOf(panel);
            json["name"] = Text(panel.Name());
            json["hidden"] = panel.Hidden();
            json["pos_next_panel"] = panel.PosNextPanel();
            json["children"] = Children(panel.Children(), 0, 0);
            list.push_back(std::move(json));
        }
        return list;
    }

    Json IRCodes() const {
        Json list = Json::array();
        for (const kelpie::IRCode& code : ccf_.IRCodes()) {
            const std::optional<long> carrier = CarrierHertz(code.IRCodeData());
            list.push_back(
                {{"position", code.Position()},
                 {"size", code.IRCodeData().size() + kelpie::basStructures::IRCodeHeadSize},
                 {"name", Text(code.Name())},
                 {"type_word", RtfWriter::HexWord(code.IRCodeType())},
                 {"scheme", IRCodeTypeName(code.IRCodeType())},
                 {"reference_count", code.ReferenceCount()},
                 {"pronto_hex", ProntoHex(code.IRCodeData())},
                 {"carrier_hz", carrier ? Json(*carrier) : Json()}});
        }
        return list;
    }

    Json Icons() const {
        Json list = Json::array();
        for (const kelpie::Icon& icon : ccf_.Icons())
            list.push_back({{"position", icon.Position()},
                            {"size", icon.Size()},
                            {"width", icon.Width()},
                            {"height", icon.Height()},
                            {"type", IconTypeWord(icon.IconType())},
                            {"raw_type", icon.RawIconType()},
                            {"reference_count", icon.ReferenceCount()}});
        return list;
    }

    // The timers the actions start, in the order they were first met.
    Json Timers() const {
        Json list = Json::array();
        for (const kelpie::Timer* timer : timerOrder_) {
            list.push_back({{"position", timer->Position()},
                            {"size", timer->Size()},
                            {"next_timer", PositionOf(timer->NextTimer())},
                            {"start_days", timer->StartDays()},
                            {"start_time", timer->StartTime()},
                            {"start_action", OptionalAction(timer->StartAction())},
                            {"end_days", timer->EndDays()},
                            {"end_time", timer->EndTime()},
                            {"end_action", OptionalAction(timer->EndAction())},
                            {"fillers", {timer->Filler1(), timer->Filler2()}}});
        }
        return list;
    }

private:
    // Sizes that cannot be computed (a record whose size word is out of
    // range) are null instead of ending the export.
    template <class T> static Json SizeOf(const T& record) {
        try {
            return record.Size();
        } catch (const kelpie::Error&) {
            return nullptr;
        }
    }

    Json Device(kelpie::Device& device) {
        Json json;
        json["position"] = device.Position();
        json["size"] = SizeOf(device);
        json["name"] = Text(device.Name());
        json["is_template"] = device.IsTemplate();
        json["read_only"] = device.ReadOnly();
        json["has_separator"] = device.HasSeparator();
        json["needs_programming"] = device.NeedsProgramming();
        json["rf_extender"] = device.RFExtender();
        json["fillers"] = {device.Filler1(), device.Filler2()};
        json["icon_unselected"] = PositionOf(device.IconUnselected());
        json["icon_selected"] = PositionOf(device.IconSelected());
        json["pos_next_device"] = device.PosNextDevice();
        json["pos_first_panel"] = device.PosFirstPanel();
        Json keys = Json::array();
        for (const HardKey& key : HardKeysOf(device))
            if (key.List.Count() >= 1)
                keys.push_back({{"key", Text(key.Title)}, {"actions", ActionList(key.List)}});
        json["hard_keys"] = std::move(keys);
        json["panels"] = Panels(device.Panels());
        return json;
    }

    // Children with their positions on the panel: x and y as stored
    // (relative to the parent), absolute_x and absolute_y on the panel.
    Json Children(kelpie::Children& children, std::int64_t parentX, std::int64_t parentY) {
        Json list = Json::array();
        for (kelpie::Child& child : children) {
            Json json;
            const std::int64_t x = parentX + child.X(), y = parentY + child.Y();
            json["kind"] = child.AsFrame() ? "frame" : child.AsButton() ? "button" : "unknown";
            json["position"] = child.Position();
            json["size"] = SizeOf(child);
            json["name"] = Text(child.Name());
            json["x"] = child.X();
            json["y"] = child.Y();
            json["absolute_x"] = x;
            json["absolute_y"] = y;
            json["width"] = child.Width();
            json["height"] = child.Height();
            json["font"] = static_cast<std::int32_t>(child.Font());
            if (kelpie::Frame* frame = child.AsFrame()) {
                json["text_color"] = static_cast<std::int32_t>(frame->TextColor());
                json["background_color"] = static_cast<std::int32_t>(frame->BackgroundColor());
                json["icon"] = PositionOf(frame->Icon());
                json["children"] =
                    frame->Children() ? Children(*frame->Children(), x, y) : Json::array();
            } else if (kelpie::Button* button = child.AsButton()) {
                static constexpr struct {
                    const char* Name;
                    kelpie::ButtonState State;
                } States[] = {{"inactive_unselected", kelpie::InactiveUnselected},
                              {"inactive_selected", kelpie::InactiveSelected},
                              {"active_unselected", kelpie::ActiveUnselected},
                              {"active_selected", kelpie::ActiveSelected}};
                Json states;
                for (const auto& state : States)
                    states[state.Name] = {
                        {"text_color", static_cast<std::int32_t>(button->TextColorOf(state.State))},
                        {"background_color",
                         static_cast<std::int32_t>(button->BackgroundColorOf(state.State))},
                        {"icon", PositionOf(button->IconOf(state.State))}};
                json["states"] = std::move(states);
                json["actions"] = ActionList(button->Actions());
            }
            list.push_back(std::move(json));
        }
        return list;
    }

    Json ActionList(kelpie::Actions& actions) {
        Json list = Json::array();
        for (kelpie::Action& action : actions)
            list.push_back(Action(action));
        return {{"position", actions.Position()}, {"size", SizeOf(actions)}, {"actions", list}};
    }

    Json OptionalAction(const kelpie::Action* action) const {
        return action ? ActionJson(*action) : Json();
    }

    Json Action(const kelpie::Action& action) {
        if (action.ActionType() == kelpie::actTimer)
            if (const kelpie::Timer* timer = action.Timer())
                if (timerSeen_.emplace(timer->Position(), timer).second)
                    timerOrder_.push_back(timer);
        return ActionJson(action);
    }

    const kelpie::CCF& ccf_;
    std::map<std::int32_t, const kelpie::Timer*> timerSeen_;
    std::vector<const kelpie::Timer*> timerOrder_;
};

// Counts, memory usage and unaccounted runs, from the structure and accessed
// maps as the full report reads them.
Json ByteAccounting(const kelpie::CCFfile& file) {
    Json kinds = Json::array();
    for (std::int32_t type = kelpie::mtypHeader; type <= kelpie::mtypName; ++type) {
        std::int32_t start = -1, startNext = -1;
        const std::int32_t count = file.ObjectCount(type, start, startNext);
        Json kind = {{"kind", kelpie::CCFfile::ObjectName(type)}, {"count", count}};
        if (start != -1) {
            kind["first"] = start;
            kind["first_area_end"] = startNext;
            kind["memory_used"] = startNext - start;
        } else {
            kind["first"] = kind["first_area_end"] = kind["memory_used"] = nullptr;
        }
        kinds.push_back(std::move(kind));
    }
    Json runs = Json::array();
    std::int64_t total = 0;
    std::int32_t length = 0;
    for (std::int32_t p = file.NextUnaccessedMemory(-1, length); p != -1;
         p = file.NextUnaccessedMemory(p + length - 1, length)) {
        runs.push_back({{"start", p}, {"length", length}});
        total += length;
    }
    return {{"file_size", file.FileSize()},
            {"kinds", std::move(kinds)},
            {"unaccounted_bytes", total},
            {"unaccounted", std::move(runs)}};
}

} // namespace

nlohmann::ordered_json GraphJson(const kelpie::CCF& ccf, const std::vector<std::string>& notices,
                                 const std::string& loadError) {
    GraphWriter writer(ccf);
    Json json;
    json["file"] = ccf.CCFfile().FileName();
    json["error"] = loadError.empty() ? Json() : Json(loadError);
    json["header"] = writer.Header();
    json["groups"] = {{"home", writer.Devices(ccf.HomeGroup())},
                      {"devices", writer.Devices(ccf.DevicesGroup())},
                      {"macros", writer.Devices(ccf.MacrosGroup())}};
    json["macro_recording_panels"] = writer.Panels(ccf.SpecialPanels());
    json["ir_codes"] = writer.IRCodes();
    json["icons"] = writer.Icons();
    json["timers"] = writer.Timers();
    json["notices"] = notices;
    json["bytes"] = ByteAccounting(ccf.CCFfile());
    return json;
}

} // namespace vantor
