// Every export a loaded file can be written as, in one table: how the command
// line asks for it, how its file is named, when it is written, and the
// function that writes it. A new format is one entry and one writer.
#pragma once

#include "exports/Export.h"

#include <span>

namespace vantor {

// In the order a call writes them.
enum class ExportFormat {
    IconPictures,   // every icon as the library builds its picture
    PanelPictures,  // every panel as the viewer draws it
    IRCodesCsv,     // every use of an IR code, with its Pronto hex
    IRCodesJson,    // the same uses as JSON
    IRCodesFlipper, // a Flipper Zero .ir file per device, in a folder
    IRCodesLirc,    // a lircd.conf with a remote per device
    GraphJson,      // the whole object graph
    ByteMap,        // a picture of the file's bytes by record kind
};

// How the command line asks for a format.
enum class ExportOption {
    Choice, // OPTION NAME: the name picks one of the formats that share the option
    Flag,   // the option alone
    Path,   // OPTION PATH: the output's file, or the folder of one for each input
    Folder, // OPTION DIR: the folder of the export's files; a single input only
};

struct ExportFormatEntry {
    ExportFormat Format;
    const char* Option; // "--ir-codes"
    ExportOption Takes;
    const char* Choice = nullptr;     // the name after a Choice option: "csv"
    const char* ChoiceKind = nullptr; // what that name names, for an unknown one
    // Follows the input's name, without its extension, in the name of an
    // output named after its input: " IR Codes.csv"; for the folder of a
    // Folder export, the name the desktop program proposes (" icons").
    const char* Suffix = "";
    // What the desktop program's export dialog calls it ("IR codes as CSV").
    const char* Label = "";
    // One file whose name is known before the load, so that it is checked
    // against the call's other outputs and its inputs; otherwise a folder
    // with a file for each record (icon, panel, device), each checked as it
    // is written.
    bool OneFile = false;
    bool StandsAlone = false;  // asked for alone, the call writes no report
    bool Rescues = false;      // written from what a load that ended with an error left
    bool ListsNotices = false; // given the notices of the load
    ExportWriter Write = nullptr;

    // Beside its input, in the output folder, or at the path of -o; the
    // others go where their option says.
    constexpr bool NamedAfterInput() const {
        return Takes == ExportOption::Choice || Takes == ExportOption::Flag;
    }
};

std::span<const ExportFormatEntry> ExportFormats();
const ExportFormatEntry& EntryOf(ExportFormat format);

} // namespace vantor
