// The pictures of a loaded file, one file each in a folder: every icon, and
// every panel as the viewer draws it, named after the record's position in
// the file in decimal (icon-POSITION.bmp, panel-POSITION.png).
#pragma once

#include "exports/Export.h"

#include <string>

namespace vantor {

// Every icon once, as the library builds its bitmap (or that picture as
// PNG). Icons of an unknown encoding have no picture and are skipped; an
// icon whose data cannot be decoded is a notice, a file that cannot be
// written an error.
bool ExportIconPictures(const ExportSource& source, const ExportOptions& options,
                        const std::string& folder, ExportOutput& output);

// Every panel (of the three groups' devices and the macro recording panels)
// drawn as the viewer draws it with its default options. Needs the file as
// the browser opened it.
bool ExportPanelPictures(const ExportSource& source, const ExportOptions& options,
                         const std::string& folder, ExportOutput& output);

} // namespace vantor
