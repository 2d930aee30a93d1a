#include "exports/ExportFormats.h"

#include "exports/ByteMap.h"
#include "exports/FlipperExport.h"
#include "exports/GraphJson.h"
#include "exports/IRCodeExport.h"
#include "exports/LircExport.h"
#include "exports/PictureExports.h"

namespace vantor {

namespace {

// The pictures exist for people; the IR codes, the graph and the byte map
// for other tools, and to rescue what a damaged file holds.
constexpr ExportFormatEntry Formats[] = {
    {.Format = ExportFormat::IconPictures,
     .Option = "--export-icons",
     .Takes = ExportOption::Folder,
     .Suffix = " icons",
     .Label = "Icons as pictures (a folder)",
     .Write = ExportIconPictures},
    {.Format = ExportFormat::PanelPictures,
     .Option = "--export-panels",
     .Takes = ExportOption::Folder,
     .Suffix = " panels",
     .Label = "Panels as pictures (a folder)",
     .Write = ExportPanelPictures},
    {.Format = ExportFormat::IRCodesCsv,
     .Option = "--ir-codes",
     .Takes = ExportOption::Choice,
     .Choice = "csv",
     .ChoiceKind = "IR codes format",
     .Suffix = " IR Codes.csv",
     .Label = "IR codes as CSV",
     .OneFile = true,
     .StandsAlone = true,
     .Rescues = true,
     .Write = ExportIRCodesCsv},
    {.Format = ExportFormat::IRCodesJson,
     .Option = "--ir-codes",
     .Takes = ExportOption::Choice,
     .Choice = "json",
     .ChoiceKind = "IR codes format",
     .Suffix = " IR Codes.json",
     .Label = "IR codes as JSON",
     .OneFile = true,
     .StandsAlone = true,
     .Rescues = true,
     .Write = ExportIRCodesJson},
    {.Format = ExportFormat::IRCodesFlipper,
     .Option = "--ir-codes",
     .Takes = ExportOption::Choice,
     .Choice = "flipper",
     .ChoiceKind = "IR codes format",
     .Suffix = " Flipper",
     .Label = "IR codes for Flipper Zero (a folder of .ir files)",
     .StandsAlone = true,
     .Rescues = true,
     .Write = ExportIRCodesFlipper},
    {.Format = ExportFormat::IRCodesLirc,
     .Option = "--ir-codes",
     .Takes = ExportOption::Choice,
     .Choice = "lirc",
     .ChoiceKind = "IR codes format",
     .Suffix = ".lircd.conf",
     .Label = "IR codes for LIRC (lircd.conf)",
     .OneFile = true,
     .StandsAlone = true,
     .Rescues = true,
     .Write = ExportIRCodesLirc},
    {.Format = ExportFormat::GraphJson,
     .Option = "--json",
     .Takes = ExportOption::Flag,
     .Suffix = ".json",
     .Label = "Object graph as JSON",
     .OneFile = true,
     .StandsAlone = true,
     .Rescues = true,
     .ListsNotices = true,
     .Write = ExportGraphJson},
    {.Format = ExportFormat::ByteMap,
     .Option = "--byte-map",
     .Takes = ExportOption::Path,
     .Suffix = " Byte Map.png",
     .Label = "Byte map (PNG picture)",
     .OneFile = true,
     .StandsAlone = true,
     .Rescues = true,
     .Write = ExportByteMap},
};

// The table is indexed by its formats.
constexpr bool InFormatOrder() {
    for (std::size_t i = 0; i < std::size(Formats); ++i)
        if (static_cast<std::size_t>(Formats[i].Format) != i) return false;
    return true;
}
static_assert(InFormatOrder());

} // namespace

std::span<const ExportFormatEntry> ExportFormats() {
    return Formats;
}

const ExportFormatEntry& EntryOf(ExportFormat format) {
    return Formats[static_cast<std::size_t>(format)];
}

} // namespace vantor
