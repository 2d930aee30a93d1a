// Whether a file identifies itself as a CCF file, before it is loaded. The
// header's identification text at offset 8 is "@\xA5Z@_CCF" in every format,
// and its second version word (offset 38) is 1 in the two grey formats and 2
// in the colour one. A file that matches neither (a text file given the
// extension, a picture) would give a notice for nearly every record the
// loader reaches.
#pragma once

#include <string>

namespace vantor {

enum class FileIdentity {
    Ccf,        // identifies as one of the three known formats
    Unknown,    // readable, but not a CCF file by its header
    Unreadable, // missing or unreadable: the load says why
};

FileIdentity IdentifyFile(const std::string& fileName);

} // namespace vantor
