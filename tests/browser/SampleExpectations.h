// What the reports of a built file must say, composed from the builder's own
// records and the report rules (indentation, headings, IR code and icon
// blocks, the focused reports' walk, the record map), so that the report
// tests compare against data nobody took from the program's output.
#pragma once

#include "model/BrowserTypes.h"
#include "support/CCFBuilder.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vantor::testing {

using Texts = std::vector<std::string>;

// The leading spaces of a line at an indentation level: none at 0, otherwise
// 2 x level + 2.
std::string In(int level);
// A name from the file, in the remote's font.
std::string Pronto(const std::string& name);
// A file position: decimal, at least six digits.
std::string Pos(std::int32_t position);
// A heading line: "{", the size control word, the words, "}".
std::string Heading(const char* size, const std::string& words);
// "Yes" or "No".
const char* YesNo(bool value);
// A grey level's name in the grey formats, a palette index in the colour format.
std::string ColourWord(std::uint8_t colour, kelpie::CCFFileFormats format);
// "<none>", "Pronto 8" ... "Pronto 18".
std::string FontWord(std::uint8_t font);

// The stand-in for a picture group line: WithoutPictures puts it in place of
// every line that is one "{\pict\pngblip ...}" group.
extern const std::string PictureLine;
bool IsPictureLine(const std::string& line);
Texts WithoutPictures(Texts lines);
// The lines that are headings ("{\fs" after the indentation), indentation kept.
Texts Headings(const Texts& lines);

// The "[C]" block of an IR code at `level`, its data as words ten to a line.
Texts IRCodeBlock(const kelpie::builder::IRCode& code, int level);
// The icon block at `level`: separator, title, and when expanded its properties.
Texts IconBlock(const kelpie::builder::CCFBuilder& ccf, const kelpie::builder::Icon& icon,
                const std::string& type, int level, bool expand);
// How many icon fields of devices, frames and buttons name the icon.
int References(const kelpie::builder::CCFBuilder& ccf, const kelpie::builder::Icon& icon);

// The walk of the panels, IR codes and errors reports of a file without
// doubtful configurations: group, device and panel headings, pictures (as
// PictureLine), frame and button headings and IR code blocks, as `kind` has them.
Texts FocusedWalk(const kelpie::builder::CCFBuilder& ccf, ReportKinds kind);

// Every record that the structure map lists (not child entries and actions),
// as (position, kind name), in position order.
std::vector<std::pair<std::int32_t, std::string>> RecordMap(kelpie::builder::CCFBuilder& ccf);

} // namespace vantor::testing
