// The IR codes for LIRC: one lircd.conf with a remote block per device.
//
// lircd.conf is read as words separated by white space; a line whose first
// character is "#" is a comment. Each remote is "begin remote" ... "end
// remote" with its parameters (name, flags RAW_CODES, the carrier
// frequency, the gap that follows each signal) and "begin raw_codes" ...
// "end raw_codes", in which "name BUTTON" is followed by the durations in
// microseconds, alternately pulse and space, starting and ending with a
// pulse. Names are single words and unique within their block: here
// letters, digits and _ . + - only, so that they also pass a shell's
// `irsend` unquoted.
#pragma once

#include "exports/Export.h"

#include <kelpie/file/CCF.h>

#include <functional>
#include <ostream>
#include <string>

namespace vantor {

// A name of the file (8-bit) as a LIRC name: accents dropped, every other
// character than a letter, digit, _ . + or - as "_"; "" when it holds no
// letter or digit.
std::string LircName(const std::string& name);

// The whole lircd.conf. A remote's frequency is the carrier most of its codes
// share (each code's comment names its own); its gap the longest closing gap
// of its codes. A malformed code is left out, as a comment and told to
// `leftOut`; `loadError` (when not empty) is named in the header.
void WriteLircdConf(const kelpie::CCF& ccf, const std::string& loadError, std::ostream& out,
                    const std::function<void(const std::string&)>& leftOut);

bool ExportIRCodesLirc(const ExportSource& source, const ExportOptions& options,
                       const std::string& path, ExportOutput& output);

} // namespace vantor
