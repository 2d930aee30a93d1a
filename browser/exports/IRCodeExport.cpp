#include "exports/IRCodeExport.h"

#include "exports/CsvWriter.h"
#include "exports/ExportOutput.h"
#include "exports/JsonWriter.h"

#include "exports/IRCodeUses.h"
#include "exports/IRDecodes.h"
#include "outputs/IRCodeWords.h"
#include "outputs/RtfWriter.h"
#include "outputs/Windows1252.h"

#include <cmath>

#include <optional>

namespace vantor {

namespace {

std::string FramePath(const std::vector<std::string>& frames) {
    std::string path;
    for (std::size_t i = 0; i < frames.size(); ++i)
        path += (i ? " / " : "") + Utf8FromWindows1252(frames[i]);
    return path;
}

std::string NumberOrEmpty(const std::optional<std::uint32_t>& number) {
    return number ? std::to_string(*number) : std::string();
}

// The fields of one use, in the order of IRCodeColumns; numbers as text.
std::vector<std::string> UseFields(const IRCodeUse& use, const kelpie::ir::Decoded& decoded) {
    const kelpie::IRCode& code = *use.Code;
    const std::optional<long> carrier = CarrierHertz(code.IRCodeData());
    const std::optional<kelpie::ir::Command>& command = decoded.Command;
    return {Utf8FromWindows1252(use.Group),
            Utf8FromWindows1252(use.Device),
            Utf8FromWindows1252(use.Panel),
            FramePath(use.FramePath),
            SenderWord(use.Sender),
            Utf8FromWindows1252(use.Button),
            std::to_string(code.Position()),
            Utf8FromWindows1252(code.Name()),
            RtfWriter::HexWord(code.IRCodeType()),
            IRCodeTypeName(code.IRCodeType()),
            std::to_string(code.ReferenceCount()),
            ProntoHex(code.IRCodeData()),
            carrier ? std::to_string(*carrier) : std::string(),
            ProtocolWord(decoded),
            NumberOrEmpty(command ? std::optional(command->Device) : std::nullopt),
            NumberOrEmpty(command ? command->Subdevice : std::nullopt),
            NumberOrEmpty(command ? std::optional(command->Function) : std::nullopt),
            command ? kelpie::ir::FitName(decoded.Fit) : "",
            ReasonWords(decoded)};
}

// The signal in whole microseconds: its carrier, whether it is modulated,
// and the once and repeat sequences; null for a malformed code.
void SignalJson(JsonWriter& json, const kelpie::ir::Decoded& decoded) {
    json.Key("ir_signal");
    if (decoded.Malformed) {
        json.Value(nullptr);
        return;
    }
    const kelpie::ir::Signal& signal = decoded.Signal;
    const auto object = json.Object();
    json.Member("carrier_hz", std::lround(signal.Frequency));
    json.Member("modulated", signal.Modulated);
    for (const auto& [key, durations] :
         {std::pair{"once_us", &signal.Once}, std::pair{"repeat_us", &signal.Repeat}}) {
        const auto list = json.Array(key);
        for (const double micros : *durations)
            json.Value(std::lround(micros));
    }
}

} // namespace

const std::vector<std::string>& IRCodeColumns() {
    static const std::vector<std::string> columns = {
        "group",           "device",      "panel",      "frame_path",  "sender",
        "button",          "position",    "name",       "type_word",   "scheme",
        "reference_count", "pronto_hex",  "carrier_hz", "ir_protocol", "ir_device",
        "ir_subdevice",    "ir_function", "ir_fit",     "ir_reason"};
    return columns;
}

std::string ProntoHex(const std::vector<std::uint8_t>& data) {
    std::string hex;
    for (const std::string& word : IRCodeDataWords(data))
        hex += (hex.empty() ? "" : " ") + word;
    return hex;
}

std::optional<long> CarrierHertz(const std::vector<std::uint8_t>& data) {
    if (data.size() < 4 || data[0] != 0 || data[1] != 0) return std::nullopt;
    const unsigned word = (unsigned{data[2]} << 8) | data[3];
    if (word == 0) return std::nullopt;
    return std::lround(1'000'000.0 / (word * 0.241246));
}

void WriteIRCodesCsv(const kelpie::CCF& ccf, std::ostream& out, bool raw) {
    WriteCsvRow(out, IRCodeColumns(), raw);
    IRDecodes decodes;
    ForEachIRCodeUse(ccf, [&](const IRCodeUse& use) {
        WriteCsvRow(out, UseFields(use, decodes.Of(*use.Code)), raw);
    });
}

void WriteIRCodesJson(const kelpie::CCF& ccf, const std::string& loadError, std::ostream& out) {
    JsonWriter json(out);
    const auto document = json.Object();
    json.Member("file", ccf.CCFfile().FileName());
    json.Member("error", loadError.empty() ? std::nullopt : std::optional(loadError));
    const auto uses = json.Array("uses");
    const std::vector<std::string>& columns = IRCodeColumns();
    IRDecodes decodes;
    ForEachIRCodeUse(ccf, [&](const IRCodeUse& use) {
        const kelpie::ir::Decoded& decoded = decodes.Of(*use.Code);
        const std::vector<std::string> fields = UseFields(use, decoded);
        const auto row = json.Object();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string& column = columns[i];
            // Numbers as numbers; a cell the CSV leaves empty for want of a
            // value is null (names stay strings, empty or not).
            const bool number = column == "position" || column == "reference_count" ||
                                column == "carrier_hz" || column == "ir_device" ||
                                column == "ir_subdevice" || column == "ir_function";
            const bool optional = number || column == "ir_fit" || column == "ir_reason";
            json.Key(column);
            if (column == "frame_path") {
                const auto frames = json.Array();
                for (const std::string& frame : use.FramePath)
                    json.Value(Utf8FromWindows1252(frame));
            } else if (optional && fields[i].empty()) {
                json.Value(nullptr);
            } else if (number) {
                json.Value(std::stol(fields[i]));
            } else {
                json.Value(fields[i]);
            }
        }
        SignalJson(json, decoded);
    });
}

bool ExportIRCodesCsv(const ExportSource& source, const ExportOptions& options,
                      const std::string& path, ExportOutput& output) {
    return output.WriteStream("the IR codes export", path, [&](std::ostream& out) {
        WriteIRCodesCsv(source.File, out, options.CsvRaw);
    });
}

bool ExportIRCodesJson(const ExportSource& source, const ExportOptions&, const std::string& path,
                       ExportOutput& output) {
    return output.WriteStream("the IR codes export", path, [&](std::ostream& out) {
        WriteIRCodesJson(source.File, source.LoadError, out);
    });
}

} // namespace vantor
