// Pictures for reports: a panel or icon image as PNG bytes, made small and
// fast to encode. Panels and icons have few colours, so the image becomes a
// palette image (exact while it has at most 256 colours, the nearest 256
// otherwise) compressed at a fast level; the full panel report of a large file embeds thousands of
// them.
#pragma once

#include <QByteArray>

class QImage;

namespace vantor {

// The PNG file of the image, or an empty array when it cannot be encoded.
QByteArray EncodePicture(const QImage& image);

// The image as palette indices with its own colour table when it has at
// most 256 distinct colours; otherwise the image unchanged.
QImage PaletteImage(const QImage& image);

} // namespace vantor
