#include "outputs/PictureEncoder.h"

#include <kelpie/icons/Icon.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <array>
#include <cstdint>

namespace vantor {

namespace {

// The palette under construction: colours by first appearance, found again
// through a small open-addressing table (512 slots for at most 256 colours).
class ColourTable {
public:
    // The index of the colour, added when new; -1 once a 257th colour shows.
    int IndexOf(QRgb colour) {
        std::size_t slot = Hash(colour);
        while (used_[slot]) {
            if (colours_[slot] == colour) return indices_[slot];
            slot = (slot + 1) % Slots;
        }
        if (palette_.size() == 256) return -1;
        used_[slot] = true;
        colours_[slot] = colour;
        indices_[slot] = static_cast<std::uint8_t>(palette_.size());
        palette_.push_back(colour);
        return indices_[slot];
    }
    const QList<QRgb>& Palette() const noexcept { return palette_; }

private:
    static constexpr std::size_t Slots = 512;
    static std::size_t Hash(QRgb colour) { return (colour * 2654435761u >> 16) % Slots; }

    std::array<bool, Slots> used_{};
    std::array<QRgb, Slots> colours_{};
    std::array<std::uint8_t, Slots> indices_{};
    QList<QRgb> palette_;
};

// The image as palette indices with its own colour table when it has at
// most 256 distinct colours; otherwise the image unchanged.
QImage PaletteImage(const QImage& image) {
    const QImage pixels =
        image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(pixels.size(), QImage::Format_Indexed8);
    if (indexed.isNull()) return image;
    ColourTable table;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        // Runs of one colour are the rule on a panel: look up changes only.
        QRgb last = 0;
        int lastIndex = -1;
        for (int x = 0; x < pixels.width(); ++x) {
            if (lastIndex < 0 || source[x] != last) {
                last = source[x];
                lastIndex = table.IndexOf(last);
                if (lastIndex < 0) return image;
            }
            target[x] = static_cast<uchar>(lastIndex);
        }
    }
    indexed.setColorTable(table.Palette());
    return indexed;
}

} // namespace

QImage DecodeIcon(const kelpie::Icon& icon) {
    const kelpie::IconPicture& picture = icon.Picture();
    return QImage::fromData(picture.Bitmap.data(), static_cast<int>(picture.Bitmap.size()), "BMP");
}

QByteArray EncodePicture(const QImage& image) {
    QByteArray png;
    if (image.isNull()) return png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    // Quality 85 is zlib's fastest compression level: several times faster
    // than the default, and flat panel pictures compress nearly as well.
    writer.setQuality(85);
    QImage compact = PaletteImage(image);
    if (compact.format() != QImage::Format_Indexed8) // more than 256 colours: the nearest 256
        compact =
            image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!writer.write(compact)) png.clear();
    return png;
}

} // namespace vantor
