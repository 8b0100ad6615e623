// How long the picture generators take for one app's worth of files, against
// the same files made by ImageMagick and by Pillow.
//
// The work, from one 1024 × 1024 RGBA picture with transparent corners that
// this program draws and saves as PNG:
//
//   windows/app.ico              the Windows icon, 16, 32, 64 and 96 pixels
//   android/mipmap-*/splash*.png the ten Android launch images
//   winrt/SplashScreen*.png      the five Windows Store splash screens
//   installer/*.png              the two installer pictures
//
// The launch images are composed from a fill colour and the source as the
// icon option, which puts the icon at a third of the canvas' shorter side
// over the colour: eleven distinct icon sizes for seventeen canvases.
//
// Loomwright runs in this process the way its callers run it: the source is
// loaded for the icon and again by every set, and each set is one call that
// composes all of its images from the options. The other two run as one
// process each (one convert command line, one python3 script), so their
// times include starting that process. They get the same inputs, scale each
// distinct size once, write RGB PNGs and write icons with four 32-bit bitmap
// entries.
//
// With --settings same (the default) the other two do the arithmetic that
// Qt does: they reduce by area averaging, as Qt's smooth scaling does, and
// compress PNGs at zlib level 6 with adaptive filtering, as Qt's writer does.
// With --settings native they keep their own defaults (Lanczos and level 7 in
// ImageMagick, bicubic and Lanczos in Pillow), which is what a script written
// for either would get.
//
// Each implementation runs N times, in rounds so that a busy moment of the
// machine hits all three alike, and the best time counts. Every run's files
// are read back: exactly the expected files, each of its expected size, an
// icon of four entries with transparent corners, launch images with the fill
// at the corner and the icon in the middle. A wrong or missing file fails the
// benchmark; a slow one does not.
#include "bench/benchsupport.h"
#include "imaging/androidlaunchimage.h"
#include "imaging/appicon.h"
#include "imaging/installerimages.h"
#include "imaging/pictureloader.h"
#include "imaging/platformsizes_p.h"
#include "imaging/windowsicon.h"
#include "imaging/winrtlaunchimage.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>

namespace {

using BenchSupport::FillColourName;
using BenchSupport::SourceSide;
using BenchSupport::filesBelow;
using BenchSupport::peerScript;
using BenchSupport::sourcePicture;
using Sizes = PlatformSizes;
const auto &IconSizes = Sizes::WindowsIconSides;

QColor fillColour()
{
    return QColor(QLatin1String(FillColourName));
}

struct LaunchFile
{
    QString path; // relative to the output folder
    QSize size;
};

const QString IconPath = QStringLiteral("windows/app.ico");

QString androidFolder(const char *density)
{
    return QStringLiteral("android/mipmap-") + QLatin1String(density);
}

QString splashName(int scale)
{
    const QString qualifier = Sizes::winRTScaleQualifier(scale);
    return QStringLiteral("winrt/SplashScreen%1x%2%3.png")
            .arg(Sizes::WinRTSplashWidth)
            .arg(Sizes::WinRTSplashHeight)
            .arg(qualifier);
}

QVector<LaunchFile> launchFiles()
{
    QVector<LaunchFile> files;
    for (const Sizes::AndroidSplash &row : Sizes::AndroidSplashes)
        files.append({ androidFolder(row.density) + QLatin1Char('/') + QLatin1String(row.fileName),
                       QSize(row.width, row.height) });
    for (const int scale : Sizes::WinRTScales) {
        files.append({ splashName(scale), QSize(Sizes::winRTScaledPixels(Sizes::WinRTSplashWidth, scale),
                                                Sizes::winRTScaledPixels(Sizes::WinRTSplashHeight, scale)) });
    }
    for (const Sizes::InstallerFile &file : Sizes::InstallerFiles)
        files.append({ QStringLiteral("installer/") + QLatin1String(file.fileName), QSize(file.width, file.height) });
    return files;
}

QStringList outputFolders()
{
    QStringList folders{ QStringLiteral("windows"), QStringLiteral("winrt"), QStringLiteral("installer") };
    for (const Sizes::AndroidSplash &row : Sizes::AndroidSplashes) {
        if (!folders.contains(androidFolder(row.density)))
            folders.append(androidFolder(row.density));
    }
    return folders;
}

// The external tools cannot make folders from one command line, so every
// implementation starts from the finished layout and an empty output.
bool prepareOutput(const QString &out)
{
    QDir(out).removeRecursively();
    for (const QString &folder : outputFolders()) {
        if (!QDir().mkpath(out + QLatin1Char('/') + folder))
            return false;
    }
    return true;
}

QVariantMap launchOptions(const QString &source)
{
    return { { QStringLiteral("backgroundColor"), QString::fromLatin1(FillColourName) },
             { QStringLiteral("iconImage"), source } };
}

struct LoomwrightTimes
{
    double total = 0;
    double icon = 0;
    double android = 0;
    double winrt = 0;
    double installer = 0;
};

double milliseconds(const QElapsedTimer &clock, qint64 since)
{
    return double(clock.nsecsElapsed() - since) / 1e6;
}

// As the app's calls do it: the app icon loads and squares the source, and
// every launch-image set is one call with the options.
bool runLoomwright(const QString &source, const QString &out, LoomwrightTimes *times)
{
    const QVariantMap options = launchOptions(source);
    bool ok = true;
    QElapsedTimer clock;
    clock.start();

    const QImage picture = PictureLoader::load(source);
    const QImage square = AppIcon::squared(picture, QVariantMap());
    ok = !square.isNull() && WindowsIcon::createWindowsIcon(square, out + QLatin1Char('/') + IconPath, QVariantMap())
         && ok;
    times->icon = milliseconds(clock, 0);

    qint64 start = clock.nsecsElapsed();
    ok = AndroidLaunchImage::createAndroidLaunchImage(out + QStringLiteral("/android"), options) && ok;
    times->android = milliseconds(clock, start);

    start = clock.nsecsElapsed();
    ok = WinRTLaunchImage::createWinRTLaunchImage(out + QStringLiteral("/winrt"), options) && ok;
    times->winrt = milliseconds(clock, start);

    start = clock.nsecsElapsed();
    ok = InstallerImages::createInstallerImage(out + QStringLiteral("/installer"), options) && ok;
    times->installer = milliseconds(clock, start);

    times->total = milliseconds(clock, 0);
    return ok;
}

QString sideName(int side)
{
    return QStringLiteral("%1x%1").arg(side);
}

// One convert process: the source is read once and kept in memory, every
// distinct icon size is scaled once into a register of its own, and each
// canvas is made, composed and written inside parentheses so that the image
// list stays empty between files.
QStringList imageMagickArguments(const QString &source, const QString &out, bool sameSettings)
{
    QStringList arguments{
        QStringLiteral("-quiet"),
        QStringLiteral("-define"),
        QStringLiteral("png:exclude-chunks=date,time"),
    };
    // zlib level 6 with adaptive filtering, as Qt's PNG writer and Pillow
    // compress; left alone, convert compresses at level 7.
    if (sameSettings) {
        arguments << QStringLiteral("-quality") << QStringLiteral("65") << QStringLiteral("-filter")
                  << QStringLiteral("Box");
    }
    arguments << source << QStringLiteral("-strip") << QStringLiteral("-write") << QStringLiteral("mpr:source")
              << QStringLiteral("+delete");

    const QString icon = QStringLiteral("ICO:") + out + QLatin1Char('/') + IconPath;
    if (sameSettings) {
        arguments << QStringLiteral("(");
        for (const int size : IconSizes) {
            arguments << QStringLiteral("(") << QStringLiteral("mpr:source") << QStringLiteral("-resize")
                      << sideName(size) << QStringLiteral(")");
        }
        arguments << QStringLiteral("-write") << icon << QStringLiteral("-delete") << QStringLiteral("0--1")
                  << QStringLiteral(")");
    } else {
        arguments << QStringLiteral("(") << QStringLiteral("mpr:source") << QStringLiteral("-define")
                  << QStringLiteral("icon:auto-resize=16,32,64,96") << QStringLiteral("-write") << icon
                  << QStringLiteral("+delete") << QStringLiteral(")");
    }

    const QVector<LaunchFile> files = launchFiles();
    QSet<int> scaled;
    for (const LaunchFile &file : files) {
        const int side = qMin(file.size.width(), file.size.height()) / 3;
        if (scaled.contains(side))
            continue;
        scaled.insert(side);
        arguments << QStringLiteral("(") << QStringLiteral("mpr:source") << QStringLiteral("-resize")
                  << sideName(side) << QStringLiteral("-write") << QStringLiteral("mpr:icon%1").arg(side)
                  << QStringLiteral("+delete") << QStringLiteral(")");
    }

    for (const LaunchFile &file : files) {
        const int width = file.size.width();
        const int height = file.size.height();
        const int side = qMin(width, height) / 3;
        const QString target = QStringLiteral("PNG24:") + out + QLatin1Char('/') + file.path;
        arguments << QStringLiteral("(") << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(width).arg(height)
                  << QStringLiteral("xc:") + QLatin1String(FillColourName) << QStringLiteral("mpr:icon%1").arg(side)
                  << QStringLiteral("-geometry")
                  << QStringLiteral("+%1+%2").arg((width - side) / 2).arg((height - side) / 2)
                  << QStringLiteral("-composite");
        // convert insists on writing something at the end: the last image.
        if (&file == &files.last())
            arguments << QStringLiteral(")") << target;
        else
            arguments << QStringLiteral("-write") << target << QStringLiteral("+delete") << QStringLiteral(")");
    }
    return arguments;
}

QStringList pillowArguments(const QString &source, const QString &out, bool sameSettings)
{
    QStringList sizes;
    for (const int size : IconSizes)
        sizes.append(QString::number(size));
    const QColor fill = fillColour();
    QStringList arguments{
        peerScript("pictures_pillow.py"),
        source,
        out,
        sameSettings ? QStringLiteral("same") : QStringLiteral("native"),
        sizes.join(QLatin1Char(',')),
        QStringLiteral("%1,%2,%3").arg(fill.red()).arg(fill.green()).arg(fill.blue()),
    };
    for (const LaunchFile &file : launchFiles())
        arguments << file.path << QString::number(file.size.width()) << QString::number(file.size.height());
    return arguments;
}

struct External
{
    QString name;
    QString program; // empty: not installed, skipped
    QStringList (*arguments)(const QString &source, const QString &out, bool sameSettings) = nullptr;
};

// The time from starting the process to its end, or a negative number when
// it did not run or did not exit with 0.
double runExternal(const External &external, const QString &source, const QString &out, bool sameSettings,
                   QString *failure)
{
    QProcess process;
    process.setProgram(external.program);
    process.setArguments(external.arguments(source, out, sameSettings));
    process.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer clock;
    clock.start();
    process.start();
    const bool finished = process.waitForStarted(-1) && process.waitForFinished(-1);
    const double elapsed = milliseconds(clock, 0);

    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *failure = QStringLiteral("%1 failed (exit code %2): %3")
                           .arg(external.program)
                           .arg(process.exitCode())
                           .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return -1;
    }
    return elapsed;
}

bool pillowInstalled(const QString &python)
{
    if (!QFileInfo(python).isExecutable())
        return false;
    QProcess probe;
    probe.start(python, { QStringLiteral("-c"), QStringLiteral("import PIL.Image, PIL.IcoImagePlugin") });
    return probe.waitForFinished(-1) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

bool sameColour(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Reads back everything under out; the problems found, none when all is as
// expected.
QStringList verify(const QString &out)
{
    QStringList problems;
    const QSet<QString> found = filesBelow(out);

    QSet<QString> expected{ IconPath };
    const QVector<LaunchFile> launch = launchFiles();
    for (const LaunchFile &file : launch)
        expected.insert(file.path);

    QStringList missing = (expected - found).values();
    QStringList extra = (found - expected).values();
    std::sort(missing.begin(), missing.end());
    std::sort(extra.begin(), extra.end());
    for (const QString &path : qAsConst(missing))
        problems.append(QStringLiteral("missing: ") + path);
    for (const QString &path : qAsConst(extra))
        problems.append(QStringLiteral("not expected: ") + path);

    if (found.contains(IconPath)) {
        QImageReader reader(out + QLatin1Char('/') + IconPath, QByteArrayLiteral("ico"));
        const int count = reader.imageCount();
        const int entries = int(std::size(IconSizes));
        if (count != entries)
            problems.append(QStringLiteral("%1: %2 entries, not %3").arg(IconPath).arg(count).arg(entries));
        for (int i = 0; i < qMin(count, entries); ++i) {
            const int side = IconSizes[i];
            QImage entry;
            if (!reader.jumpToImage(i) || !reader.read(&entry)) {
                problems.append(
                        QStringLiteral("%1: entry %2 unreadable: %3").arg(IconPath).arg(i).arg(reader.errorString()));
                continue;
            }
            if (entry.size() != QSize(side, side)) {
                problems.append(QStringLiteral("%1: entry %2 is %3 x %4, not %5 x %5")
                                        .arg(IconPath)
                                        .arg(i)
                                        .arg(entry.width())
                                        .arg(entry.height())
                                        .arg(side));
                continue;
            }
            if (qAlpha(entry.pixel(0, 0)) > 16 || qAlpha(entry.pixel(side / 2, side / 2)) < 240)
                problems.append(QStringLiteral("%1: entry %2 lost its transparency").arg(IconPath).arg(i));
        }
    }

    const QRgb fill = fillColour().rgb();
    for (const LaunchFile &file : launch) {
        if (!found.contains(file.path))
            continue;
        QImageReader reader(out + QLatin1Char('/') + file.path);
        if (reader.format() != "png") {
            problems.append(
                    QStringLiteral("%1: %2 data, not PNG").arg(file.path, QString::fromLatin1(reader.format())));
        }
        QImage image;
        if (!reader.read(&image)) {
            problems.append(QStringLiteral("%1: unreadable: %2").arg(file.path, reader.errorString()));
            continue;
        }
        if (image.size() != file.size) {
            problems.append(QStringLiteral("%1: %2 x %3, not %4 x %5")
                                    .arg(file.path)
                                    .arg(image.width())
                                    .arg(image.height())
                                    .arg(file.size.width())
                                    .arg(file.size.height()));
            continue;
        }
        // The corner lies outside the icon at every size; the middle is the
        // opaque heart of the icon, far from the fill colour.
        if (!sameColour(image.pixel(0, 0), fill, 0) || qAlpha(image.pixel(0, 0)) != 255)
            problems.append(QStringLiteral("%1: the corner is not the fill colour").arg(file.path));
        if (sameColour(image.pixel(image.width() / 2, image.height() / 2), fill, 32))
            problems.append(QStringLiteral("%1: no icon in the middle").arg(file.path));
    }
    return problems;
}

void reportProblems(const QString &name, int run, const QStringList &problems)
{
    std::printf("  %s, run %d: FAILED: wrong output\n", qPrintable(name), run + 1);
    for (const QString &problem : problems)
        std::printf("    %s\n", qPrintable(problem));
    std::fflush(stdout);
}

}

int main(int argc, char *argv[])
{
    // Painting needs no screen; a benchmark must run without one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Times the Windows icon and 17 launch images made by Loomwright, ImageMagick and Pillow."));
    parser.addHelpOption();
    const QCommandLineOption runsOption = BenchSupport::runsOption(5);
    const QCommandLineOption settingsOption(
            QStringLiteral("settings"),
            QStringLiteral("same: the other tools scale and compress as Qt does (default); "
                           "native: they keep their own defaults."),
            QStringLiteral("same|native"), QStringLiteral("same"));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Keep the files of the last run and print where they are."));
    const QCommandLineOption pythonOption(QStringLiteral("python"),
                                          QStringLiteral("The Python with Pillow (default /usr/bin/python3)."),
                                          QStringLiteral("path"), QStringLiteral("/usr/bin/python3"));
    // The distribution's packaged programs by default, whatever comes first
    // on PATH: the figures are to be those of the tools themselves.
    const QCommandLineOption convertOption(QStringLiteral("convert"),
                                           QStringLiteral("ImageMagick's convert (default /usr/bin/convert)."),
                                           QStringLiteral("path"), QStringLiteral("/usr/bin/convert"));
    parser.addOptions({ runsOption, settingsOption, keepOption, pythonOption, convertOption });
    parser.process(app);

    bool runsOk = false;
    const int runs = parser.value(runsOption).toInt(&runsOk);
    const QString settings = parser.value(settingsOption);
    if (!runsOk || runs < 1 || (settings != QLatin1String("same") && settings != QLatin1String("native"))) {
        std::fprintf(stderr, "bench-pictures: --runs takes a positive number, --settings same or native\n");
        return 2;
    }
    const bool sameSettings = settings == QLatin1String("same");

    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/loomwright-bench-pictures-XXXXXX"));
    if (!temporary.isValid()) {
        std::fprintf(stderr, "bench-pictures: cannot make a temporary folder: %s\n",
                     qPrintable(temporary.errorString()));
        return 1;
    }
    temporary.setAutoRemove(!parser.isSet(keepOption));

    const QString source = temporary.filePath(QStringLiteral("source.png"));
    {
        QImageWriter writer(source, QByteArrayLiteral("png"));
        if (!writer.write(sourcePicture())) {
            std::fprintf(stderr, "bench-pictures: cannot write %s: %s\n", qPrintable(source),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }

    const QString convert = parser.value(convertOption);
    const QString python = parser.value(pythonOption);
    QVector<External> externals{
        { QStringLiteral("ImageMagick"), QFileInfo(convert).isExecutable() ? convert : QString(),
          &imageMagickArguments },
        { QStringLiteral("Pillow"), pillowInstalled(python) ? python : QString(), &pillowArguments },
    };

    std::printf("pictures: the Windows icon and %d launch images from a %d x %d RGBA PNG; best of %d runs; "
                "settings: %s\n",
                int(launchFiles().size()), SourceSide, SourceSide, runs, qPrintable(settings));
    for (const External &external : qAsConst(externals)) {
        if (external.program.isEmpty())
            std::printf("  %s: not installed, skipped\n", qPrintable(external.name));
    }
    std::fflush(stdout);

    bool failed = false;
    LoomwrightTimes best;
    best.total = best.icon = best.android = best.winrt = best.installer = std::numeric_limits<double>::infinity();
    QVector<double> externalBest(externals.size(), std::numeric_limits<double>::infinity());
    QVector<bool> externalFailed(externals.size(), false);
    bool loomwrightFailed = false;

    for (int run = 0; run < runs; ++run) {
        const QString loomwrightOut = temporary.filePath(QStringLiteral("loomwright"));
        if (!prepareOutput(loomwrightOut)) {
            std::fprintf(stderr, "bench-pictures: cannot prepare %s\n", qPrintable(loomwrightOut));
            return 1;
        }
        LoomwrightTimes times;
        const bool reported = runLoomwright(source, loomwrightOut, &times);
        QStringList problems = verify(loomwrightOut);
        if (!reported)
            problems.prepend(QStringLiteral("an operation reported failure"));
        if (!problems.isEmpty()) {
            if (!loomwrightFailed)
                reportProblems(QStringLiteral("Loomwright"), run, problems);
            loomwrightFailed = true;
        } else {
            best.total = qMin(best.total, times.total);
            best.icon = qMin(best.icon, times.icon);
            best.android = qMin(best.android, times.android);
            best.winrt = qMin(best.winrt, times.winrt);
            best.installer = qMin(best.installer, times.installer);
        }

        for (int i = 0; i < externals.size(); ++i) {
            const External &external = externals.at(i);
            if (external.program.isEmpty() || externalFailed.at(i))
                continue;
            const QString out = temporary.filePath(external.name.toLower());
            if (!prepareOutput(out)) {
                std::fprintf(stderr, "bench-pictures: cannot prepare %s\n", qPrintable(out));
                return 1;
            }
            QString failure;
            const double elapsed = runExternal(external, source, out, sameSettings, &failure);
            problems = elapsed < 0 ? QStringList{ failure } : verify(out);
            if (!problems.isEmpty()) {
                reportProblems(external.name, run, problems);
                externalFailed[i] = true;
                continue;
            }
            externalBest[i] = qMin(externalBest.at(i), elapsed);
        }
    }

    failed = loomwrightFailed || std::any_of(externalFailed.begin(), externalFailed.end(), [](bool f) { return f; });

    if (!loomwrightFailed) {
        std::printf("  %-12s %8.1f ms   (icon %.1f, android %.1f, winrt %.1f, installer %.1f; each its best)\n",
                    "Loomwright", best.total, best.icon, best.android, best.winrt, best.installer);
    }
    for (int i = 0; i < externals.size(); ++i) {
        if (externals.at(i).program.isEmpty() || externalFailed.at(i))
            continue;
        std::printf("  %-12s %8.1f ms", qPrintable(externals.at(i).name), externalBest.at(i));
        if (!loomwrightFailed)
            std::printf("   %s/Loomwright %.2f", qPrintable(externals.at(i).name), externalBest.at(i) / best.total);
        std::printf("\n");
    }

    if (!loomwrightFailed) {
        const auto aim = [&](int i, bool met, const char *wording) {
            if (externals.at(i).program.isEmpty() || externalFailed.at(i))
                return;
            std::printf("  aim: %s: %s\n", wording, met ? "met" : "NOT MET");
        };
        aim(0, externalBest.at(0) >= 2.5 * best.total, "at least 2.5 times as fast as ImageMagick");
        aim(1, externalBest.at(1) > best.total, "faster than Pillow");
    }
    if (parser.isSet(keepOption))
        std::printf("  files kept in %s\n", qPrintable(temporary.path()));
    std::fflush(stdout);
    return failed ? 1 : 0;
}
