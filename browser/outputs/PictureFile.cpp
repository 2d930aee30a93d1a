#include "outputs/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace vantor {

bool WritePictureFile(const std::string& path, const QImage& image, const char* format,
                      const OutputBounds& bounds, std::string& error) {
    // Encoded in memory first: a picture writer that fails half-way on the
    // disk would not say so.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (image.isNull() || !writer.write(image)) {
        error = "cannot write " + path + ": the picture cannot be encoded as " + format;
        return false;
    }
    return WriteWholeFile(path, {bytes.constData(), static_cast<std::size_t>(bytes.size())}, bounds,
                          error);
}

} // namespace vantor
