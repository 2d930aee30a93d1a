// The record readers: one function per record of basStructures.h, reading it
// from a file image at a position.
//
// Each reader marks the record's first byte in the structure map, then reads
// the fields in file order through the image's typed reads (so every byte it
// consumes is marked accessed). Fields absent from a format read as 0.
// Readers never follow positions: the loader does that.
#pragma once

#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <string>

namespace kelpie {

class CCFfile;

namespace basStructures {

// The header at position 0; the format follows from its version words.
HeaderRecord ReadHeader(CCFfile& file);
DeviceRecord ReadDevice(CCFfile& file, std::int32_t pos, CCFFileFormats format);
// `after` receives the position of the children list.
PanelRecord ReadPanel(CCFfile& file, std::int32_t pos, std::int32_t& after);
ChildRecord ReadChild(CCFfile& file, std::int32_t pos);
FrameRecord ReadFrame(CCFfile& file, std::int32_t pos, CCFFileFormats format, std::int32_t& after);
ButtonRecord ReadButton(CCFfile& file, std::int32_t pos, CCFFileFormats format);
ActionListRecord ReadActionList(CCFfile& file, std::int32_t pos, std::int32_t& after);
// Marks mtypAction only when `mark` is set (timer records embed actions).
ActionRecord ReadAction(CCFfile& file, std::int32_t pos, bool mark);
// `dataPosition` receives pos + 6.
IRCodeRecord ReadIRCode(CCFfile& file, std::int32_t pos, std::int32_t& dataPosition);
// `dataPosition` receives pos + 8.
IconRecord ReadIcon(CCFfile& file, std::int32_t pos, std::int32_t& dataPosition);
TimerRecord ReadTimer(CCFfile& file, std::int32_t pos);
// The name at `pos` (bit 31 ignored); "" for position 0, which reads nothing.
std::string ReadName(CCFfile& file, std::int32_t pos);
// The word at `pos`, marked accessed but not in the structure map.
std::int16_t ReadWordAt(CCFfile& file, std::int32_t pos);

} // namespace basStructures
} // namespace kelpie
