// The whole object graph of a loaded file as JSON (the schema is in
// docs/json-export.md): header fields, the groups with their devices, hard
// keys, panels, frames and buttons, the actions with their targets by
// position, the shared IR codes, icons and timers, the notices of the load
// and the byte accounting of the structure and accessed maps.
#pragma once

#include "exports/Export.h"
#include "exports/NoticeSpool.h"

#include <kelpie/file/CCF.h>

#include <ostream>
#include <string>
#include <vector>

namespace vantor {

// Writes the whole document to `out` as it is produced, with the line break
// that ends it. `loadError` is the text of the error that ended the load (""
// when the load was complete); a partly loaded graph is written as far as it
// was loaded.
void WriteGraphJson(const kelpie::CCF& ccf, const NoticeSpool& notices,
                    const std::string& loadError, std::ostream& out);

// The exports' writer: the document as the file `path`, with the notices and
// the error of the source's load.
bool ExportGraphJson(const ExportSource& source, const ExportOptions& options,
                     const std::string& path, ExportOutput& output);

} // namespace vantor
