#include "exports/IRCodeExport.h"

#include "exports/CsvWriter.h"
#include "exports/ExportOutput.h"
#include "exports/JsonWriter.h"

#include "exports/IRCodeUses.h"
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

// The fields of one use, in the order of IRCodeColumns; numbers as text.
std::vector<std::string> UseFields(const IRCodeUse& use) {
    const kelpie::IRCode& code = *use.Code;
    const std::optional<long> carrier = CarrierHertz(code.IRCodeData());
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
            carrier ? std::to_string(*carrier) : std::string()};
}

} // namespace

const std::vector<std::string>& IRCodeColumns() {
    static const std::vector<std::string> columns = {
        "group", "device",    "panel",  "frame_path",      "sender",     "button",    "position",
        "name",  "type_word", "scheme", "reference_count", "pronto_hex", "carrier_hz"};
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
    ForEachIRCodeUse(ccf, [&](const IRCodeUse& use) { WriteCsvRow(out, UseFields(use), raw); });
}

void WriteIRCodesJson(const kelpie::CCF& ccf, const std::string& loadError, std::ostream& out) {
    JsonWriter json(out);
    const auto document = json.Object();
    json.Member("file", ccf.CCFfile().FileName());
    json.Member("error", loadError.empty() ? std::nullopt : std::optional(loadError));
    const auto uses = json.Array("uses");
    const std::vector<std::string>& columns = IRCodeColumns();
    ForEachIRCodeUse(ccf, [&](const IRCodeUse& use) {
        const std::vector<std::string> fields = UseFields(use);
        const auto row = json.Object();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string& column = columns[i];
            json.Key(column);
            if (column == "position" || column == "reference_count") {
                json.Value(std::stol(fields[i]));
            } else if (column == "carrier_hz") {
                if (fields[i].empty())
                    json.Value(nullptr);
                else
                    json.Value(std::stol(fields[i]));
            } else if (column == "frame_path") {
                const auto frames = json.Array();
                for (const std::string& frame : use.FramePath)
                    json.Value(Utf8FromWindows1252(frame));
            } else {
                json.Value(fields[i]);
            }
        }
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
