#include "samplepicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

QImage paintSamplePicture()
{
    constexpr int Side = SamplePictureSide;
    QImage picture(Side, Side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A soft shadow around the tile: the only half-transparent pixels of the
    // result, which the generators must carry over as they are.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 14));
    for (int spread = 40; spread > 0; spread -= 8)
        painter.drawRoundedRect(QRectF(48 - spread, 56 - spread, Side - 96 + 2 * spread, Side - 96 + 2 * spread),
                                180 + spread, 180 + spread);

    // A rounded tile leaves the corners transparent, as an app icon's do.
    QLinearGradient tile(0, 0, Side, Side);
    tile.setColorAt(0.0, QColor(0x1d, 0x3b, 0x8f));
    tile.setColorAt(0.55, QColor(0x3f, 0x8e, 0xd8));
    tile.setColorAt(1.0, QColor(0x7b, 0xe0, 0xc3));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(48, 48, Side - 96, Side - 96), 180, 180);
    painter.fillPath(outline, tile);

    // A soft glow in the upper left.
    QRadialGradient glow(QPointF(340, 300), 420);
    glow.setColorAt(0.0, QColor(255, 255, 255, 150));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setClipPath(outline);
    painter.fillRect(picture.rect(), glow);

    // A half-transparent ring over the centre.
    painter.setPen(QPen(QColor(255, 214, 102, 140), 64));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(Side / 2, Side / 2), 300, 300);

    // Threads: thin lines that show whether scaling keeps fine detail.
    painter.setPen(QPen(QColor(255, 255, 255, 220), 4));
    for (int i = 0; i < 9; ++i) {
        const qreal y = 270 + i * 60;
        painter.drawLine(QPointF(110, y), QPointF(914, y + 40 * qSin(i)));
    }

    // An opaque loom shuttle: a pointed shape with hard edges.
    QPainterPath shuttle;
    shuttle.moveTo(180, 512);
    shuttle.cubicTo(360, 380, 664, 380, 844, 512);
    shuttle.cubicTo(664, 644, 360, 644, 180, 512);
    QLinearGradient wood(0, 400, 0, 624);
    wood.setColorAt(0.0, QColor(0xf4, 0xa2, 0x61));
    wood.setColorAt(1.0, QColor(0xb0, 0x4a, 0x1c));
    painter.setPen(QPen(QColor(0x4a, 0x1e, 0x0b), 10));
    painter.setBrush(wood);
    painter.drawPath(shuttle);

    painter.end();

    // Straight alpha for the file, divided back here: Qt's own conversion
    // rounds differently from one processor to the next, and the picture
    // must be the same everywhere for its icon sets to be.
    QImage straight(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < Side; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(straight.scanLine(y));
        for (int x = 0; x < Side; ++x) {
            const int alpha = qAlpha(in[x]);
            const auto channel = [alpha](int premultiplied) { return (510 * premultiplied + alpha) / (2 * alpha); };
            out[x] = alpha == 0 ? 0
                                : qRgba(channel(qRed(in[x])), channel(qGreen(in[x])), channel(qBlue(in[x])), alpha);
        }
    }
    return straight;
}
