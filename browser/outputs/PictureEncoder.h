// Pictures for reports: a panel or icon image as PNG bytes, made small and
// fast to encode. Panels and icons have few colours, so the image becomes a
// palette image (exact while it has at most 256 colours, the nearest 256
// otherwise) compressed at a fast level; the full panel report of a large file embeds thousands of
// them.
#pragma once

#include <QByteArray>

class QImage;

namespace kelpie {
class Icon;
}

namespace vantor {

// The PNG file of the image, or an empty array when it cannot be encoded.
QByteArray EncodePicture(const QImage& image);

// The icon's picture as an image. Throws the library's error when the icon
// cannot be decoded.
QImage DecodeIcon(const kelpie::Icon& icon);

} // namespace vantor
