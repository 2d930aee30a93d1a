// bench-plot IN.csv OUT.png: draws the benchmark figures as time against
// file size, both on logarithmic axes (a straight line of slope one is
// linear growth). IN has one "series,mebibytes,milliseconds" line a point.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Width = 720, Height = 440;
constexpr int Left = 70, Right = 190, Top = 20, Bottom = 50;

struct Axis {
    double Low, High; // log10 of the range
    int From, To;     // pixels
    double At(double value) const {
        return From + (std::log10(value) - Low) / (High - Low) * (To - From);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench-plot IN.csv OUT.png\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QMap<QString, QList<QPointF>> series; // in the order of their names
    QStringList order;
    QTextStream text(&in);
    while (!text.atEnd()) {
        const QStringList fields = text.readLine().split(QLatin1Char(','));
        if (fields.size() != 3 || fields[1].toDouble() <= 0 || fields[2].toDouble() <= 0) continue;
        if (!series.contains(fields[0])) order << fields[0];
        series[fields[0]] << QPointF(fields[1].toDouble(), fields[2].toDouble());
    }
    const Axis x{0, std::log10(32.0), Left, Width - Right};
    const Axis y{-1, 5, Height - Bottom, Top};

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    painter.setPen(QColor(220, 220, 220));
    for (int mebibytes = 1; mebibytes <= 32; mebibytes *= 2)
        painter.drawLine(QPointF(x.At(mebibytes), y.From), QPointF(x.At(mebibytes), y.To));
    for (double ms = 0.1; ms <= 100000; ms *= 10)
        painter.drawLine(QPointF(x.From, y.At(ms)), QPointF(x.To, y.At(ms)));
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(QPointF(x.From, y.To), QPointF(x.To, y.From)));
    for (int mebibytes = 1; mebibytes <= 32; mebibytes *= 2)
        painter.drawText(QRectF(x.At(mebibytes) - 30, y.From + 4, 60, 16), Qt::AlignCenter,
                         QStringLiteral("%1 MiB").arg(mebibytes));
    for (double ms = 0.1; ms <= 100000; ms *= 10)
        painter.drawText(QRectF(0, y.At(ms) - 8, Left - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         ms < 1      ? QStringLiteral("0.1 ms")
                         : ms < 1000 ? QStringLiteral("%1 ms").arg(ms)
                                     : QStringLiteral("%1 s").arg(ms / 1000));
    painter.drawText(QRectF(x.From, Height - 22, x.To - x.From, 18), Qt::AlignCenter,
                     QStringLiteral("file size (generated files)"));

    const QColor colours[] = {
        Qt::darkGray,          QColor(0, 114, 178), QColor(213, 94, 0),   QColor(0, 158, 115),
        QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233), Qt::black};
    int index = 0;
    for (const QString& name : order) {
        const QColor colour = colours[index % std::size(colours)];
        painter.setPen(QPen(colour, 2));
        const QList<QPointF>& points = series[name];
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF at(x.At(points[i].x()), y.At(points[i].y()));
            painter.drawEllipse(at, 3, 3);
            if (i > 0)
                painter.drawLine(QPointF(x.At(points[i - 1].x()), y.At(points[i - 1].y())), at);
        }
        const int legend = Top + 10 + index * 20;
        painter.drawLine(Width - Right + 12, legend, Width - Right + 32, legend);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(Width - Right + 38, legend - 8, Right - 40, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        ++index;
    }
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
