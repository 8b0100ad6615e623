// Every icon and launch-image set from one 1024 × 1024 picture, made by
// Loomwright in this process and by ImageMagick, Pillow and sharp, each in
// one process of its own, in the same run.
//
// Loomwright: AppIcon::createAppIcon for "windows", "android", "macos", "ios"
// and "winrt", LaunchImage::createLaunchImage for "android", "winrt",
// "installer" and "ios" with the source as background, overlay and icon
// picture, and the adaptive icon background set. Every call loads the source
// itself, as the app's calls do.
//
// The other tools get a list of the same files to make: pictures scaled to a
// box, launch images (fill, background scaled to cover the canvas, overlay
// fitted into it), the iOS background picture as it is, the .ico and the
// .icns. Each scales every distinct size once. The Contents.json of the iOS
// icon set is no picture work; it is copied into their output before they
// start, untimed.
//
// For each implementation: the best wall time of N runs, the CPU time of that
// run (getrusage of this process, or of the child through wait4) and the
// peak resident memory (ru_maxrss; for Loomwright that of this whole
// process, Qt included), and the bytes that run wrote (ImageMagick's .icns
// entry lies outside its folder and is not counted). Every run's file list is read back: names and pixel
// sizes must be the expected ones, or the benchmark fails.
//
// --loomwright-only runs Loomwright alone and prints the time of each call,
// for profiling; --keep copies Loomwright's files of the last run into a
// folder, so that the output of two builds can be compared picture by
// picture.
#include "bench/benchsupport.h"
#include "imaging/platformsizes_p.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMap>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using BenchSupport::FillColourName;
using BenchSupport::SourceSide;
using BenchSupport::filesBelow;
using BenchSupport::peerScript;
using BenchSupport::sourcePicture;

enum class Kind { Fit, Launch, Copy, Ico, Icns, Text };

struct Expected
{
    QString path;
    Kind kind;
    QSize size; // pictures
    QVector<int> entries; // .ico and .icns
};

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Fit:
        return "fit";
    case Kind::Launch:
        return "launch";
    case Kind::Copy:
        return "copy";
    case Kind::Ico:
        return "ico";
    case Kind::Icns:
        return "icns";
    case Kind::Text:
        return "text";
    }
    return "";
}

// The files of every set, from the generators' own size tables.
QVector<Expected> expectedFiles()
{
    using Sizes = PlatformSizes;
    QVector<Expected> files;
    const auto picture = [&files](const QString &path, Kind kind, int width, int height) {
        files.append({ path, kind, QSize(width, height), {} });
    };

    files.append({ QStringLiteral("windows/app.ico"), Kind::Ico, QSize(),
                   QVector<int>(std::begin(Sizes::WindowsIconSides), std::end(Sizes::WindowsIconSides)) });
    // The handler decides what the .icns holds: the picture at its own size.
    files.append({ QStringLiteral("macos/app.icns"), Kind::Icns, QSize(), { SourceSide } });

    const auto androidFile = [](const char *density, const char *name) {
        return QStringLiteral("android/mipmap-%1/%2").arg(QLatin1String(density), QLatin1String(name));
    };
    for (const Sizes::AndroidDensity &density : Sizes::AndroidDensities) {
        picture(androidFile(density.name, "ic_launcher.png"), Kind::Fit, density.launcherSide, density.launcherSide);
        picture(androidFile(density.name, "ic_launcher_background.png"), Kind::Fit, density.backgroundSide,
                density.backgroundSide);
    }
    for (const Sizes::AndroidSplash &splash : Sizes::AndroidSplashes)
        picture(androidFile(splash.density, splash.fileName), Kind::Launch, splash.width, splash.height);

    // Rows that share a pixel side share a file.
    QVector<int> iosSides;
    for (const Sizes::IOSIconRow &row : Sizes::IOSIconRows) {
        const int side = int(row.size * float(row.scale));
        if (!iosSides.contains(side))
            iosSides.append(side);
    }
    for (const int side : qAsConst(iosSides))
        picture(QStringLiteral("ios/AppIcon.appiconset/AppIcon-%1.png").arg(side), Kind::Fit, side, side);
    files.append({ QStringLiteral("ios/AppIcon.appiconset/Contents.json"), Kind::Text, QSize(), {} });

    // Without a background colour every logo is the picture scaled to the
    // logo's size; the wide logo is stretched.
    for (const Sizes::WinRTLogoFamily &logo : Sizes::WinRTLogoFamilies) {
        for (const int scale : Sizes::WinRTScales) {
            picture(QStringLiteral("winrt/Logo_%1x%2%3.png")
                            .arg(logo.width)
                            .arg(logo.height)
                            .arg(Sizes::winRTScaleQualifier(scale)),
                    Kind::Fit, Sizes::winRTScaledPixels(logo.width, scale),
                    Sizes::winRTScaledPixels(logo.height, scale));
        }
    }
    for (const int target : Sizes::WinRTTargetSizes)
        picture(QStringLiteral("winrt/Logo_44x44.targetsize-%1.png").arg(target), Kind::Fit, target, target);

    for (const int scale : Sizes::WinRTScales) {
        picture(QStringLiteral("winrt/SplashScreen%1x%2%3.png")
                        .arg(Sizes::WinRTSplashWidth)
                        .arg(Sizes::WinRTSplashHeight)
                        .arg(Sizes::winRTScaleQualifier(scale)),
                Kind::Launch, Sizes::winRTScaledPixels(Sizes::WinRTSplashWidth, scale),
                Sizes::winRTScaledPixels(Sizes::WinRTSplashHeight, scale));
    }
    for (const Sizes::InstallerFile &file : Sizes::InstallerFiles)
        picture(QStringLiteral("installer/") + QLatin1String(file.fileName), Kind::Launch, file.width, file.height);
    picture(QStringLiteral("ios/LaunchImages/BackgroundImage.png"), Kind::Copy, SourceSide, SourceSide);
    picture(QStringLiteral("ios/LaunchImages/OverlayImage.png"), Kind::Fit, Sizes::IOSLaunchFittedSide,
            Sizes::IOSLaunchFittedSide);
    return files;
}

// The installer set writes into an existing folder only, so every
// implementation starts from the folders and an empty output.
bool prepareOutput(const QString &out, const QVector<Expected> &files)
{
    QDir(out).removeRecursively();
    for (const Expected &file : files) {
        if (!QDir().mkpath(QFileInfo(out + QLatin1Char('/') + file.path).path()))
            return false;
    }
    return true;
}

struct Measure
{
    double wall = std::numeric_limits<double>::infinity(); // ms
    double cpu = 0; // ms, of the best run
    long peakKiB = 0;
    qint64 outputBytes = 0; // of the best run
    bool failed = false;
    bool ran = false;
};

// What a run wrote, in bytes: compression that buys its time with larger
// files would show here.
qint64 bytesBelow(const QString &out)
{
    qint64 total = 0;
    QDirIterator it(out, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

// Copies the files under from into to, folders included, replacing what is there.
bool copyTree(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    const QDir fromDir(from);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + fromDir.relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

double cpuMilliseconds(const rusage &usage)
{
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3
           + usage.ru_stime.tv_usec / 1e3;
}

// The time of each call of the last run, for --loomwright-only.
struct CallTime
{
    const char *name;
    double wall; // ms
    double cpu; // ms
};

bool runLoomwright(const QString &source, const QString &out, double *wall, double *cpu, QVector<CallTime> *calls)
{
    calls->clear();
    rusage before{};
    rusage after{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer clock;
    clock.start();

    bool ok = true;
    qint64 last = 0;
    rusage lastUsage = before;
    for (const BenchSupport::SetCall &step : BenchSupport::allSetsCalls(source, out)) {
        ok = step.run() && ok;
        const qint64 now = clock.nsecsElapsed();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        calls->append({ step.name, double(now - last) / 1e6, cpuMilliseconds(usage) - cpuMilliseconds(lastUsage) });
        last = now;
        lastUsage = usage;
    }

    *wall = double(clock.nsecsElapsed()) / 1e6;
    getrusage(RUSAGE_SELF, &after);
    *cpu = cpuMilliseconds(after) - cpuMilliseconds(before);
    return ok;
}

// The entries of an .icns container, the table of contents and version left
// out: side of each PNG entry, 0 for other data.
QVector<int> icnsEntries(const QString &path, bool *valid)
{
    QVector<int> sides;
    QFile file(path);
    *valid = file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    if (!*valid || data.size() < 8 || !data.startsWith("icns")) {
        *valid = false;
        return sides;
    }
    int offset = 8;
    while (offset + 8 <= data.size()) {
        const QByteArray type = data.mid(offset, 4);
        const auto length = int(qFromBigEndian<quint32>(data.constData() + offset + 4));
        if (length < 8 || offset + length > data.size()) {
            *valid = false;
            break;
        }
        if (type != "TOC " && type != "icnV") {
            const QImage entry = QImage::fromData(data.mid(offset + 8, length - 8));
            sides.append(entry.isNull() ? 0 : entry.width());
        }
        offset += length;
    }
    return sides;
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// Problems found under out; an .icns the tool cannot write may be absent.
QStringList verify(const QString &out, const QVector<Expected> &expected, bool icnsOptional)
{
    QStringList problems;
    QSet<QString> found = filesBelow(out);

    for (const Expected &file : expected) {
        const QString full = out + QLatin1Char('/') + file.path;
        if (!found.remove(file.path)) {
            if (!(file.kind == Kind::Icns && icnsOptional))
                problems.append(QStringLiteral("missing: ") + file.path);
            continue;
        }
        if (file.kind == Kind::Text)
            continue;
        if (file.kind == Kind::Icns) {
            bool valid = false;
            const QVector<int> sides = icnsEntries(full, &valid);
            if (!valid || sides != file.entries)
                problems.append(QStringLiteral("%1: not an .icns of the expected entries").arg(file.path));
            continue;
        }
        if (file.kind == Kind::Ico) {
            QImageReader reader(full, QByteArrayLiteral("ico"));
            if (reader.imageCount() != file.entries.size()) {
                problems.append(QStringLiteral("%1: %2 entries, not %3")
                                        .arg(file.path)
                                        .arg(reader.imageCount())
                                        .arg(file.entries.size()));
                continue;
            }
            for (int i = 0; i < file.entries.size(); ++i) {
                QImage entry;
                if (!reader.jumpToImage(i) || !reader.read(&entry)
                    || entry.size() != QSize(file.entries.at(i), file.entries.at(i)))
                    problems.append(QStringLiteral("%1: entry %2 is not %3 square").arg(file.path).arg(i).arg(file.entries.at(i)));
            }
            continue;
        }
        QImageReader reader(full);
        if (reader.format() != "png")
            problems.append(QStringLiteral("%1: not PNG").arg(file.path));
        else if (reader.size() != file.size)
            problems.append(QStringLiteral("%1: %2, not %3").arg(file.path, sizeText(reader.size()), sizeText(file.size)));
    }
    QStringList extra = found.values();
    std::sort(extra.begin(), extra.end());
    for (const QString &path : qAsConst(extra))
        problems.append(QStringLiteral("not expected: ") + path);
    return problems;
}

// One line a file for the external scripts: kind, path, width, height and the
// entry sides joined by commas.
QByteArray manifest(const QVector<Expected> &files)
{
    QByteArray text;
    for (const Expected &file : files) {
        QStringList entries;
        for (const int side : file.entries)
            entries.append(QString::number(side));
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                        .arg(QLatin1String(kindName(file.kind)), file.path)
                        .arg(file.size.width())
                        .arg(file.size.height())
                        .arg(entries.isEmpty() ? QStringLiteral("-") : entries.join(QLatin1Char(',')))
                        .toUtf8();
    }
    return text;
}

// One convert process: every distinct scaled size goes once into a register,
// and each file is made inside parentheses so that the list stays empty.
// Box filter and zlib level 6, as Qt scales and compresses. convert has no
// .icns writer: it writes the entries as PNGs beside the output instead.
QStringList imageMagickArguments(const QString &source, const QString &out, const QVector<Expected> &files)
{
    QStringList a{ QStringLiteral("-quiet"), QStringLiteral("-define"), QStringLiteral("png:exclude-chunks=date,time"),
                   QStringLiteral("-quality"), QStringLiteral("65"), QStringLiteral("-filter"), QStringLiteral("Box"),
                   QStringLiteral("-gravity"), QStringLiteral("center"), source, QStringLiteral("-strip"),
                   QStringLiteral("-write"), QStringLiteral("mpr:source"), QStringLiteral("+delete") };
    QSet<QString> registers;
    const auto scaled = [&](int width, int height) {
        const QString name = QStringLiteral("mpr:s%1x%2").arg(width).arg(height);
        if (!registers.contains(name)) {
            registers.insert(name);
            a << QStringLiteral("(") << QStringLiteral("mpr:source") << QStringLiteral("-resize")
              << QStringLiteral("%1x%2!").arg(width).arg(height) << QStringLiteral("-write") << name
              << QStringLiteral("+delete") << QStringLiteral(")");
        }
        return name;
    };
    for (const Expected &file : files) {
        const QString target = out + QLatin1Char('/') + file.path;
        const int w = file.size.width();
        const int h = file.size.height();
        switch (file.kind) {
        case Kind::Fit:
            a << QStringLiteral("(") << scaled(w, h) << QStringLiteral("-write") << QStringLiteral("PNG32:") + target
              << QStringLiteral("+delete") << QStringLiteral(")");
            break;
        case Kind::Copy:
            a << QStringLiteral("(") << QStringLiteral("mpr:source") << QStringLiteral("-write")
              << QStringLiteral("PNG32:") + target << QStringLiteral("+delete") << QStringLiteral(")");
            break;
        case Kind::Launch: {
            const QString cover = scaled(qMax(w, h), qMax(w, h));
            const QString overlay = scaled(qMin(w, h), qMin(w, h));
            a << QStringLiteral("(") << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(w).arg(h)
              << QStringLiteral("xc:") + QLatin1String(FillColourName) << QStringLiteral("(") << cover
              << QStringLiteral("-background") << QStringLiteral("none") << QStringLiteral("-extent")
              << QStringLiteral("%1x%2").arg(w).arg(h) << QStringLiteral(")") << QStringLiteral("-composite")
              << overlay << QStringLiteral("-composite") << QStringLiteral("-write")
              << QStringLiteral("PNG24:") + target << QStringLiteral("+delete") << QStringLiteral(")");
            break;
        }
        case Kind::Ico:
            a << QStringLiteral("(");
            for (const int side : file.entries)
                a << scaled(side, side);
            a << QStringLiteral("-write") << QStringLiteral("ICO:") + target << QStringLiteral("-delete")
              << QStringLiteral("0--1") << QStringLiteral(")");
            break;
        case Kind::Icns:
            for (const int side : file.entries) {
                a << QStringLiteral("(") << scaled(side, side) << QStringLiteral("-write")
                  << QStringLiteral("PNG32:%1-icns-%2.png").arg(out).arg(side) << QStringLiteral("+delete")
                  << QStringLiteral(")");
            }
            break;
        case Kind::Text:
            break;
        }
    }
    // convert insists on writing something at the end.
    a << QStringLiteral("mpr:source") << QStringLiteral("null:");
    return a;
}

struct ChildResult
{
    bool ok = false;
    double wall = 0;
    double cpu = 0;
    long peakKiB = 0;
    QString error;
};

// posix_spawn and wait4 rather than QProcess: wait4 gives the CPU time and
// peak memory of this child alone, where RUSAGE_CHILDREN keeps the largest
// child so far.
ChildResult runChild(const QString &program, const QStringList &arguments, const QString &errorFile)
{
    ChildResult result;
    QVector<QByteArray> storage{ QFile::encodeName(program) };
    for (const QString &argument : arguments)
        storage.append(argument.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &argument : storage)
        argv.append(argument.data());
    argv.append(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const QByteArray errorPath = QFile::encodeName(errorFile);
    posix_spawn_file_actions_addopen(&actions, 2, errorPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv.first(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.error = QStringLiteral("cannot start %1").arg(program);
        return result;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) { }
    result.wall = double(clock.nsecsElapsed()) / 1e6;
    result.cpu = cpuMilliseconds(usage);
    result.peakKiB = usage.ru_maxrss;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!result.ok) {
        QFile errors(errorFile);
        errors.open(QIODevice::ReadOnly);
        result.error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(errors.read(2000)).trimmed());
    }
    return result;
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
            "Times every icon and launch-image set made by Loomwright, ImageMagick, Pillow and sharp."));
    parser.addHelpOption();
    const QCommandLineOption runsOption = BenchSupport::runsOption(3);
    const QCommandLineOption sharpOption(QStringLiteral("sharp-dir"),
                                         QStringLiteral("Where sharp is installed, with npm when missing."),
                                         QStringLiteral("path"), QStringLiteral(LOOMWRIGHT_BENCH_SHARP_DIR));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Copies Loomwright's files of the last run into <path>, to "
                                                       "compare the output of two builds."),
                                        QStringLiteral("path"));
    const QCommandLineOption onlyOption(QStringLiteral("loomwright-only"),
                                        QStringLiteral("Runs Loomwright alone, for profiling it."));
    parser.addOptions({ runsOption, sharpOption, keepOption, onlyOption });
    parser.process(app);
    bool runsOk = false;
    const int runs = parser.value(runsOption).toInt(&runsOk);
    if (!runsOk || runs < 1) {
        std::fprintf(stderr, "bench-allsets: --runs takes a positive number\n");
        return 2;
    }

    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/loomwright-bench-allsets-XXXXXX"));
    if (!temporary.isValid())
        return 1;
    const QString source = temporary.filePath(QStringLiteral("source.png"));
    if (!sourcePicture().save(source, "png"))
        return 1;
    const QVector<Expected> files = expectedFiles();
    const QString manifestPath = temporary.filePath(QStringLiteral("manifest.txt"));
    {
        QFile file(manifestPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(manifest(files)) < 0)
            return 1;
    }
    const QString errorFile = temporary.filePath(QStringLiteral("stderr.txt"));

    std::printf("allsets: %d files (5 app icon sets, 4 launch-image sets, the adaptive background) from a %d x %d "
                "RGBA PNG; best of %d runs\n",
                int(files.size()), SourceSide, SourceSide, runs);

    // sharp goes into a folder of the benchmark, installed on first use.
    const QString sharpDir = parser.value(sharpOption);
    const bool others = !parser.isSet(onlyOption);
    const QString node = others ? QStandardPaths::findExecutable(QStringLiteral("node")) : QString();
    bool haveSharp = !node.isEmpty() && QFileInfo::exists(sharpDir + QStringLiteral("/node_modules/sharp/package.json"));
    if (!haveSharp && !node.isEmpty()) {
        const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
        if (npm.isEmpty()) {
            std::printf("  sharp: npm not found, skipped\n");
        } else {
            QDir().mkpath(sharpDir);
            std::printf("  sharp: installing into %s\n", qPrintable(sharpDir));
            std::fflush(stdout);
            const ChildResult install = runChild(
                    npm, { QStringLiteral("install"), QStringLiteral("--prefix"), sharpDir, QStringLiteral("sharp@0.33") },
                    errorFile);
            haveSharp = install.ok && QFileInfo::exists(sharpDir + QStringLiteral("/node_modules/sharp/package.json"));
            if (!haveSharp)
                std::printf("  sharp: install failed, skipped: %s\n", qPrintable(install.error));
        }
    } else if (node.isEmpty() && others) {
        std::printf("  sharp: node not found, skipped\n");
    }

    struct External
    {
        QString name;
        QString program;
        QStringList arguments;
        bool icnsOptional;
        QString out;
        Measure measure;
    };
    QVector<External> externals;
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!others) {
        // Loomwright alone.
    } else if (QFileInfo(convert).isExecutable()) {
        const QString out = temporary.filePath(QStringLiteral("imagemagick"));
        externals.append({ QStringLiteral("ImageMagick"), convert, imageMagickArguments(source, out, files), true, out, {} });
        std::printf("  ImageMagick: no .icns writer; its entry is scaled and written as PNG, the .icns not checked\n");
    } else {
        std::printf("  ImageMagick: not installed, skipped\n");
    }
    const QString python = QStringLiteral("/usr/bin/python3");
    if (others && QFileInfo(python).isExecutable()) {
        externals.append({ QStringLiteral("Pillow"), python,
                           { peerScript("allsets_pillow.py"), source,
                             temporary.filePath(QStringLiteral("pillow")), manifestPath,
                             QString::fromLatin1(FillColourName) },
                           false, temporary.filePath(QStringLiteral("pillow")), {} });
    }
    if (haveSharp) {
        for (const QString &mode : { QStringLiteral("1"), QStringLiteral("default") }) {
            externals.append({ mode == QLatin1String("1") ? QStringLiteral("sharp-1thread") : QStringLiteral("sharp"),
                               node,
                               { peerScript("allsets_sharp.js"), sharpDir, source,
                                 temporary.filePath(mode == QLatin1String("1") ? QStringLiteral("sharp1")
                                                                               : QStringLiteral("sharp")),
                                 manifestPath, QString::fromLatin1(FillColourName), mode },
                               false,
                               temporary.filePath(mode == QLatin1String("1") ? QStringLiteral("sharp1")
                                                                             : QStringLiteral("sharp")),
                               {} });
        }
        std::printf("  sharp: .ico and .icns put together by the script from sharp's PNGs\n");
    }
    std::fflush(stdout);

    Measure loomwright;
    const QString loomwrightOut = temporary.filePath(QStringLiteral("loomwright"));
    const QString contentsPath = QStringLiteral("ios/AppIcon.appiconset/Contents.json");
    for (int run = 0; run < runs; ++run) {
        if (!prepareOutput(loomwrightOut, files))
            return 1;
        double wall = 0;
        double cpu = 0;
        QVector<CallTime> calls;
        const bool reported = runLoomwright(source, loomwrightOut, &wall, &cpu, &calls);
        if (!others) {
            for (const CallTime &call : qAsConst(calls))
                std::printf("    run %d: %-20s %8.1f ms wall %8.1f ms CPU\n", run + 1, call.name, call.wall, call.cpu);
        }
        QStringList problems = verify(loomwrightOut, files, false);
        if (!reported)
            problems.prepend(QStringLiteral("a call reported failure"));
        if (!problems.isEmpty()) {
            std::printf("  Loomwright: FAILED: wrong output\n");
            for (const QString &problem : qAsConst(problems))
                std::printf("    %s\n", qPrintable(problem));
            loomwright.failed = true;
            break;
        }
        if (wall < loomwright.wall) {
            loomwright.wall = wall;
            loomwright.cpu = cpu;
            loomwright.outputBytes = bytesBelow(loomwrightOut);
        }
        rusage self{};
        getrusage(RUSAGE_SELF, &self);
        loomwright.peakKiB = self.ru_maxrss;
        loomwright.ran = true;

        for (External &external : externals) {
            if (external.measure.failed)
                continue;
            const QString out = external.out;
            if (!prepareOutput(out, files))
                return 1;
            QFile::copy(loomwrightOut + QLatin1Char('/') + contentsPath, out + QLatin1Char('/') + contentsPath);
            const ChildResult child = runChild(external.program, external.arguments, errorFile);
            problems = child.ok ? verify(out, files, external.icnsOptional) : QStringList{ child.error };
            if (!problems.isEmpty()) {
                std::printf("  %s: FAILED\n", qPrintable(external.name));
                for (const QString &problem : qAsConst(problems))
                    std::printf("    %s\n", qPrintable(problem));
                external.measure.failed = true;
                continue;
            }
            external.measure.ran = true;
            if (child.wall < external.measure.wall) {
                external.measure.wall = child.wall;
                external.measure.cpu = child.cpu;
                external.measure.outputBytes = bytesBelow(out);
            }
            external.measure.peakKiB = qMax(external.measure.peakKiB, child.peakKiB);
        }
    }

    if (loomwright.ran && parser.isSet(keepOption) && !copyTree(loomwrightOut, parser.value(keepOption))) {
        std::fprintf(stderr, "bench-allsets: cannot copy the output into %s\n", qPrintable(parser.value(keepOption)));
        return 1;
    }

    const auto row = [](const QString &name, const Measure &m) {
        std::printf("  %-14s %8.1f ms wall  %8.1f ms CPU  %7.1f MiB peak  %7.2f MiB out", qPrintable(name), m.wall,
                    m.cpu, m.peakKiB / 1024.0, m.outputBytes / (1024.0 * 1024.0));
    };
    if (loomwright.ran) {
        row(QStringLiteral("Loomwright"), loomwright);
        std::printf("   (peak of this whole process)\n");
    }
    for (const External &external : qAsConst(externals)) {
        if (!external.measure.ran || external.measure.failed)
            continue;
        row(external.name, external.measure);
        if (loomwright.ran)
            std::printf("   time x%.2f  CPU x%.2f  memory x%.2f  output x%.2f of Loomwright",
                        external.measure.wall / loomwright.wall, external.measure.cpu / loomwright.cpu,
                        double(external.measure.peakKiB) / loomwright.peakKiB,
                        double(external.measure.outputBytes) / double(loomwright.outputBytes));
        std::printf("\n");
    }
    if (loomwright.ran) {
        for (const External &external : qAsConst(externals)) {
            if (!external.measure.ran || external.measure.failed || external.name == QLatin1String("sharp"))
                continue;
            const bool imageMagick = external.name == QLatin1String("ImageMagick");
            const double factor = imageMagick ? 2.5 : 1.0;
            std::printf("  aim: %s %s: %s\n", imageMagick ? "at least 2.5 times as fast as" : "faster than",
                        qPrintable(external.name), external.measure.wall >= factor * loomwright.wall ? "met" : "NOT MET");
        }
    }
    std::fflush(stdout);
    bool failed = loomwright.failed;
    for (const External &external : qAsConst(externals))
        failed = failed || external.measure.failed;
    return failed ? 1 : 0;
}
