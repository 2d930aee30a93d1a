// The byte map: a picture of a loaded file, one pixel per byte in rows of
// 512, each byte coloured by the kind of record that owns it, unaccounted
// bytes in red, with a legend below.
#pragma once

#include "exports/Export.h"

#include <kelpie/file/CCF.h>

#include <QImage>

#include <string>

namespace vantor {

// Pixels per row of the map.
inline constexpr int ByteMapWidth = 512;

// The colour of each kind of record (indexed by CCFtypes), of unaccounted
// bytes and of bytes that were read but lie in no record (such as the CRC).
QRgb ByteMapColor(int kind);
inline constexpr int UnaccountedColor = 13;
inline constexpr int OutsideRecordsColor = 14;

// The picture: the map's rows first, the legend below them. A null image
// when it cannot be allocated.
QImage ByteMapImage(const kelpie::CCF& ccf);

// The exports' writer: the picture as the PNG file `path`.
bool ExportByteMap(const ExportSource& source, const ExportOptions& options,
                   const std::string& path, ExportOutput& output);

} // namespace vantor
