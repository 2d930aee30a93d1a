// The two report sections that read the file's byte maps: every record by
// position, and every run of bytes that no record read.
//
// Neither changes the loaded file: bytes are read without marking them, so
// writing a report twice gives the same text twice.
#pragma once

#include "outputs/RtfWriter.h"

#include <kelpie/file/CCFfile.h>

namespace vantor {

// "Structure Positions: " and one entry per record in position order, five
// to a line, a new line whenever the record kind changes.
void WriteStructurePositions(TextDocument& writer, const kelpie::CCFfile& file);

// "Unaccounted memory locations:" and each run of unread bytes: a line with
// its first and last position and its length, then its bytes in hex, twenty
// to a line. Nothing but the closing empty line when every byte was read.
void WriteUnaccountedMemory(TextDocument& writer, const kelpie::CCFfile& file);

} // namespace vantor
