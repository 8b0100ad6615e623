#ifndef LOOMWRIGHT_BENCH_BENCHSUPPORT_H
#define LOOMWRIGHT_BENCH_BENCHSUPPORT_H

// What the picture benchmarks share: the source they all start from, the
// calls of the all-sets scenario and of the main job, the --runs option and
// reading back what a run wrote. The output comparison test
// (tests/imaging/tst_outputmanifest) replays the same scenarios from the
// same sources.

#include "tools/iconsets/iconsetjob.h"
#include "imaging/androidicon.h"
#include "imaging/appicon.h"
#include "imaging/launchimage.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <cmath>
#include <functional>

namespace BenchSupport {

const char FillColourName[] = "#204060";
const int SourceSide = 1024;

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

struct SetCall
{
    QByteArray name;
    std::function<bool()> run;
};

// Every icon and launch-image set from the picture at source into folders
// under out, as the app's calls make them: each call loads the source itself.
// App icons without options; launch images on the fill colour with the
// source as background, overlay and icon picture. The installer set writes
// into an existing folder only: out/installer must be there.
inline QVector<SetCall> allSetsCalls(const QString &source, const QString &out)
{
    const QVariantMap launchOptions{ { QStringLiteral("backgroundColor"), QString::fromLatin1(FillColourName) },
                                     { QStringLiteral("backgroundImage"), source },
                                     { QStringLiteral("overlayImage"), source },
                                     { QStringLiteral("iconImage"), source } };
    const auto path = [out](const char *relative) -> QString {
        return out + QLatin1Char('/') + QLatin1String(relative);
    };
    const auto icons = [source, path](const char *os, const char *target) -> std::function<bool()> {
        return [=] { return AppIcon::createAppIcon(QLatin1String(os), source, path(target), QVariantMap()); };
    };
    const auto launch = [launchOptions, path](const char *os) -> std::function<bool()> {
        return [=] { return LaunchImage::createLaunchImage(QLatin1String(os), path(os), launchOptions); };
    };
    return {
        { "icons windows", icons("windows", "windows/app.ico") },
        { "icons android", icons("android", "android") },
        { "icons macos", icons("macos", "macos/app.icns") },
        { "icons ios", icons("ios", "ios") },
        { "icons winrt", icons("winrt", "winrt") },
        { "launch android", launch("android") },
        { "launch winrt", launch("winrt") },
        { "launch installer", launch("installer") },
        { "launch ios", launch("ios") },
        { "adaptive background",
          [source, path] { return AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(source, path("android")); } },
    };
}

// The main job's backgrounds: loomwright-iconsets --sample gives both the
// app icons and the launch images the colour of the sample picture's tile.
const char MainJobColourName[] = "#1d3b8f";

// The main job (loomwright-iconsets --sample) with source as its picture:
// the tool's own calls, every platform, through facade (a Loomwright
// object), each platform into a folder under out.
inline QVector<SetCall> mainJobCalls(QObject *facade, const QString &source, const QString &out)
{
    IconSetRequest request;
    request.picture = source;
    request.outputFolder = out;
    request.platforms = IconSetJob::knownPlatforms();
    request.iconBackground = QString::fromLatin1(MainJobColourName);
    request.launchBackground = QString::fromLatin1(MainJobColourName);

    QVector<SetCall> calls;
    for (const IconSetCall &call : IconSetJob::calls(request)) {
        const QString folder = IconSetJob::platformFolder(request, call.platform);
        calls.append({ (call.platform + QLatin1Char(' ') + call.label).toUtf8(),
                       [call, facade, folder] { return call.run(facade, folder); } });
    }
    return calls;
}

#ifdef LOOMWRIGHT_BENCH_PEERS_DIR
// The script of a peer implementation (Python, JavaScript) in bench/peers,
// read by its interpreter when the benchmark runs.
inline QString peerScript(const char *name)
{
    return QStringLiteral(LOOMWRIGHT_BENCH_PEERS_DIR "/") + QLatin1String(name);
}
#endif

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
