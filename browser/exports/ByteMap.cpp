#include "exports/ByteMap.h"

#include "exports/ExportOutput.h"

#include <kelpie/file/CCFfile.h>
#include <kelpie/file/basStructures.h>

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <new>

namespace vantor {

namespace {

constexpr int White = 15, Black = 16;
constexpr int LegendRow = 16, LegendRows = 7, LegendGap = 8;

// The palette: the kinds in CCFtypes order (0, not a record, is unused), then
// unaccounted, read outside any record, and the legend's white and black.
constexpr QRgb Palette[] = {qRgb(96, 96, 96),    qRgb(0, 0, 139),     qRgb(255, 140, 0),
                            qRgb(0, 150, 0),     qRgb(144, 238, 144), qRgb(128, 0, 128),
                            qRgb(30, 144, 255),  qRgb(139, 69, 19),   qRgb(210, 180, 140),
                            qRgb(255, 0, 255),   qRgb(0, 206, 209),   qRgb(240, 220, 0),
                            qRgb(190, 190, 190), qRgb(255, 0, 0),     qRgb(96, 96, 96),
                            qRgb(255, 255, 255), qRgb(0, 0, 0)};
constexpr int PaletteSize = sizeof Palette / sizeof Palette[0];

// The length of the record of `kind` that starts at `pos`: fixed for most
// kinds; IR codes and icons carry their size word, names a length byte.
// Lists (panel, frame and action-list heads) own only their heads: their
// entries are records of their own.
std::int64_t RecordLength(const kelpie::CCFfile& file, std::int32_t pos, int kind,
                          kelpie::CCFFileFormats format) {
    namespace bs = kelpie::basStructures;
    const auto word = [&] {
        return static_cast<std::int16_t>((file.PeekByte(pos) << 8) | file.PeekByte(pos + 1));
    };
    switch (kind) {
    case kelpie::mtypHeader:
        return bs::HeaderSize(format);
    case kelpie::mtypDevice:
        return bs::DeviceSize(format);
    case kelpie::mtypPanel:
        return bs::PanelHeadSize;
    case kelpie::mtypChild:
    case kelpie::mtypAction:
        return bs::EntrySize;
    case kelpie::mtypFrame:
        return bs::FrameHeadSize(format);
    case kelpie::mtypButton:
        return bs::ButtonSize(format);
    case kelpie::mtypActionList:
        return bs::ActionListHeadSize;
    case kelpie::mtypIRCode:
        return std::max<std::int64_t>(word(), bs::IRCodeHeadSize);
    case kelpie::mtypIcon:
        return std::max<std::int64_t>(word(), bs::IconHeadSize);
    case kelpie::mtypTimer:
        return bs::TimerSize;
    case kelpie::mtypName:
        return 1 + std::int64_t{file.PeekByte(pos)};
    default:
        return 0;
    }
}

void DrawLegend(QImage& image, int top) {
    // Text is drawn on a true-colour strip, then mapped to the palette.
    QImage strip(ByteMapWidth, LegendRows * LegendRow, QImage::Format_RGB32);
    strip.fill(Palette[White]);
    {
        QPainter painter(&strip);
        QFont font = painter.font();
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(QColor(Palette[Black]));
        int entry = 0;
        const auto item = [&](int color, const QString& label) {
            const int x = (entry / LegendRows) * (ByteMapWidth / 2) + 4;
            const int y = (entry % LegendRows) * LegendRow;
            painter.fillRect(x, y + 3, 10, 10, QColor(Palette[color]));
            painter.drawText(x + 16, y, ByteMapWidth / 2 - 24, LegendRow,
                             Qt::AlignVCenter | Qt::AlignLeft, label);
            ++entry;
        };
        for (int kind = kelpie::mtypHeader; kind <= kelpie::mtypName; ++kind)
            item(kind, QString::fromStdString(kelpie::CCFfile::ObjectName(kind)));
        item(UnaccountedColor, QStringLiteral("Unaccounted"));
        item(OutsideRecordsColor, QStringLiteral("Read, in no record"));
    }
    QList<QRgb> table(Palette, Palette + PaletteSize);
    const QImage mapped =
        strip.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
    for (int y = 0; y < mapped.height(); ++y)
        std::copy_n(mapped.constScanLine(y), ByteMapWidth, image.scanLine(top + y));
}

} // namespace

QRgb ByteMapColor(int kind) {
    return kind >= 0 && kind < PaletteSize ? Palette[kind] : Palette[OutsideRecordsColor];
}

QImage ByteMapImage(const kelpie::CCF& ccf) {
    const kelpie::CCFfile& file = ccf.CCFfile();
    const std::int32_t size = file.FileSize();
    const int mapRows =
        std::max(1, static_cast<int>((std::int64_t{size} + ByteMapWidth - 1) / ByteMapWidth));
    // One byte a pixel: the map of a large file stays the size of the file.
    QImage image(ByteMapWidth, mapRows + LegendGap + LegendRows * LegendRow,
                 QImage::Format_Indexed8);
    if (image.isNull()) return image;
    image.setColorTable(QList<QRgb>(Palette, Palette + PaletteSize));
    image.fill(White);

    int ownerKind = 0;
    std::int64_t ownerEnd = 0;
    for (std::int32_t pos = 0; pos < size; ++pos) {
        if (const int kind = file.StructureAt(pos); kind != kelpie::mtypNotStructure) {
            ownerKind = kind;
            ownerEnd = pos + RecordLength(file, pos, kind, ccf.FileFormat());
        }
        const int color = !file.IsAccessed(pos) ? UnaccountedColor
                          : pos < ownerEnd      ? ownerKind
                                                : OutsideRecordsColor;
        image.scanLine(pos / ByteMapWidth)[pos % ByteMapWidth] = static_cast<uchar>(color);
    }
    DrawLegend(image, mapRows + LegendGap);
    return image;
}

bool ExportByteMap(const ExportSource& source, const ExportOptions&, const std::string& path,
                   ExportOutput& output) {
    if (!output.MakeFolderOf(path)) return false;
    try {
        return output.WritePicture(path, ByteMapImage(source.File), "PNG");
    } catch (const std::bad_alloc&) {
        output.Log().Error("out of memory while writing the byte map");
        return false;
    }
}

} // namespace vantor
