// A picture written as a file, with the same care as every other output.
#pragma once

#include "outputs/OutputFile.h"

#include <string>

class QImage;

namespace vantor {

// `image` encoded as `format` ("PNG", "BMP") and written to `path`; false
// with `error` set ("cannot write PATH: REASON") when it cannot be encoded or
// written. Nothing is left of a failed write.
bool WritePictureFile(const std::string& path, const QImage& image, const char* format,
                      const OutputBounds& bounds, std::string& error);

} // namespace vantor
