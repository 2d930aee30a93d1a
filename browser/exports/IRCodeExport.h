// The IR codes export: one row for every use of an IR code, in the order of
// the IR codes report, as CSV or JSON. The data is written as Pronto hex, the
// form other IR tools import, followed by what the decoder makes of it: the
// protocol ("unknown" with the reason when nothing fits), device, subdevice,
// function and how well it fits; the JSON adds the signal in microseconds.
#pragma once

#include "exports/Export.h"

#include <kelpie/file/CCF.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vantor {

// The CSV column names, in order.
const std::vector<std::string>& IRCodeColumns();

// The data words of a code as Pronto hex: four upper-case hexadecimal digits
// a word, separated by single spaces.
std::string ProntoHex(const std::vector<std::uint8_t>& data);

// The carrier of a learned code (type word 0000) in hertz from its second
// word: 1,000,000 / (word x 0.241246), rounded. nullopt for other codes and
// for a second word of 0 or a missing one.
std::optional<long> CarrierHertz(const std::vector<std::uint8_t>& data);

// A header row and one row per use; names in UTF-8. Cells that a
// spreadsheet would run as formulas are neutralised unless `raw`.
void WriteIRCodesCsv(const kelpie::CCF& ccf, std::ostream& out, bool raw = false);

// {"file", "error" (null, or the text of the error that ended the load),
//  "uses": [one object per use, keyed by the CSV's column names, empty
//  numbers and decode fields as null, and "ir_signal": {"carrier_hz",
//  "modulated", "once_us", "repeat_us"} or null for a malformed code]}, written to
// `out` use by use, with the line break that ends the document.
void WriteIRCodesJson(const kelpie::CCF& ccf, const std::string& loadError, std::ostream& out);

// The exports' writers: the CSV or the JSON as the file `path`.
bool ExportIRCodesCsv(const ExportSource& source, const ExportOptions& options,
                      const std::string& path, ExportOutput& output);
bool ExportIRCodesJson(const ExportSource& source, const ExportOptions& options,
                       const std::string& path, ExportOutput& output);

} // namespace vantor
