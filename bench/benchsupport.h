#ifndef LOOMWRIGHT_BENCH_BENCHSUPPORT_H
#define LOOMWRIGHT_BENCH_BENCHSUPPORT_H

// What the picture benchmarks share: the source they all start from, the
// --runs option and reading back what a run wrote.

#include <QCommandLineOption>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cmath>

namespace BenchSupport {

const char FillColourName[] = "#204060";
const int SourceSide = 1024;

// Halves go up, as the Windows Store sets round their scaled sizes.
inline int scaledSide(int base, int scale)
{
    return (base * scale + 50) / 100;
}

// An opaque disc in the middle that fades out towards the edges, on colour
// gradients in both directions: scaling has edges and alpha to blend, and
// the corners are fully transparent.
inline QImage sourcePicture()
{
    QImage picture(SourceSide, SourceSide, QImage::Format_ARGB32);
    const double centre = (SourceSide - 1) / 2.0;
    for (int y = 0; y < SourceSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < SourceSide; ++x) {
            const double distance = std::hypot(x - centre, y - centre) / (SourceSide / 2.0);
            const double opacity = qBound(0.0, (1.0 - distance) / 0.4, 1.0);
            line[x] = qRgba(x * 255 / (SourceSide - 1), y * 255 / (SourceSide - 1),
                            255 - (x + y) * 255 / (2 * (SourceSide - 1)), qRound(opacity * 255));
        }
    }
    return picture;
}

// -n/--runs; the best of the runs counts, so more runs mean steadier figures.
inline QCommandLineOption runsOption(int defaultRuns)
{
    return QCommandLineOption(QStringList{ QStringLiteral("n"), QStringLiteral("runs") },
                              QStringLiteral("Runs of each implementation; the best counts (default %1).").arg(defaultRuns),
                              QStringLiteral("N"), QString::number(defaultRuns));
}

// Every file under out, hidden and system ones included so that stray
// temporaries count as extra output, as paths relative to out.
inline QSet<QString> filesBelow(const QString &out)
{
    const QDir outDir(out);
    QSet<QString> found;
    QDirIterator it(out, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(outDir.relativeFilePath(it.next()));
    return found;
}

}

#endif // LOOMWRIGHT_BENCH_BENCHSUPPORT_H
