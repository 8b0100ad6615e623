#include "imaging/platformsizes_p.h"

#include <limits>

QString PlatformSizes::androidDensityFolder(const QDir &targetDir, const QString &density)
{
    return targetDir.absoluteFilePath(QStringLiteral("mipmap-") + density);
}

int PlatformSizes::winRTScaledPixels(int base, int scale)
{
    // Rounded down after adding a half, so that halves go up for negative
    // sizes too; in 64 bits, where no product of two ints overflows.
    const qint64 shifted = qint64(base) * scale + 50;
    qint64 pixels = shifted / 100;
    if (shifted % 100 < 0)
        --pixels;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), pixels, std::numeric_limits<int>::max()));
}

QString PlatformSizes::winRTScaleQualifier(int scale)
{
    return scale == 100 ? QString() : QStringLiteral(".scale-") + QString::number(scale);
}
