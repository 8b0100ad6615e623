// Every icon and launch-image set from one 1024 × 1024 picture, made by
// Loomwright in this process and by ImageMagick, Pillow and sharp, each in
// one process of its own, in the same run, in two scenarios:
//
// - the benchmark scenario, from a picture of smooth gradients with a soft
//   transparent edge: AppIcon::createAppIcon for "windows", "android",
//   "macos", "ios" and "winrt" without options, LaunchImage::createLaunchImage
//   for "android", "winrt", "installer" and "ios" with the source as
//   background, overlay and icon picture, and the adaptive icon background;
// - the main job (loomwright-iconsets --sample): the tool's own calls, from
//   the project's sample picture, with the tool's background colour for the
//   icons and the launch images and the picture as the launch images' icon.
//
// Every call loads its source itself, as the app's calls do.
//
// The other tools get a list of the same files to make: pictures scaled to a
// box, launch images (fill, background scaled to cover the canvas, overlay
// fitted into it), pictures centred on a fill (the main job's launch images
// and its icons on a background colour), the iOS background picture as it
// is, the .ico and the .icns with the same elements. Each scales every
// distinct size once. The Contents.json of the iOS icon set is no picture
// work; it is copied into their output before they start, untimed.
//
// For each implementation and scenario: the best wall time of N runs, the CPU
// time of that run (getrusage of this process, or of the child through
// wait4), the peak resident memory (ru_maxrss, or GNU time's for a child;
// for Loomwright that of this whole process, Qt included) and the bytes that
// run wrote. ImageMagick has
// no .icns writer: it writes the elements as PNG files beside its folder,
// and its .icns counts as the container that those would make. Every run's
// file list is read back: names and pixel sizes must be the expected ones,
// or the benchmark fails. Then the aims, each met or not.
//
// --loomwright-only runs Loomwright alone and prints the time of each call,
// for profiling; --keep copies Loomwright's files of the last run into a
// folder per scenario, so that the output of two builds can be compared
// picture by picture. --levers measures the PNG encoder's choices instead:
// every PNG picture of both scenarios encoded with each, against the
// encoder's earlier choice (Sub or Up, level 4), bytes and time; then the
// smallest files against zopflipng's (from PATH, with its default options)
// on the default files, which keeps the pixels, bytes and CPU time.
#include "bench/benchsupport.h"
#include "tools/iconsets/samplepicture.h"
#include "imaging/platformsizes_p.h"
#include "imaging/pngencoder_p.h"
#include "plugin/loomwright.h"
#include "tests/helpers/containers.h"

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

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <numeric>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using BenchSupport::filesBelow;
using BenchSupport::peerScript;
using BenchSupport::SourceSide;

enum class Kind { Fit, Launch, OnFill, Copy, Ico, Icns, Text };

struct Expected
{
    QString path;
    Kind kind;
    QSize size; // pictures
    QVector<int> entries; // sides of the .ico's and the .icns's pictures
    QStringList types; // .icns element types
    QSize inner; // OnFill: the picture's size, centred on the canvas
};

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Fit:
        return "fit";
    case Kind::Launch:
        return "launch";
    case Kind::OnFill:
        return "onfill";
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

// The files of every set, from the generators' own size tables. The main job
// gives the icons a background colour, which puts the iOS icons and the
// Windows Store logos on it, and its launch images have an icon on the fill
// instead of background and overlay pictures.
QVector<Expected> expectedFiles(bool mainJob)
{
    using Sizes = PlatformSizes;
    QVector<Expected> files;
    const auto picture = [&files](const QString &path, Kind kind, int width, int height) {
        files.append({ path, kind, QSize(width, height), {}, {}, {} });
    };
    const auto onFill = [&files](const QString &path, const QSize &size, const QSize &inner) {
        files.append({ path, Kind::OnFill, size, {}, {}, inner });
    };
    // A launch image: the benchmark's pictures, or the main job's icon, a
    // third of the shorter side, in the middle.
    const auto launch = [&](const QString &path, int width, int height) {
        const int side = qMin(width, height) / 3;
        if (mainJob)
            onFill(path, QSize(width, height), QSize(side, side));
        else
            picture(path, Kind::Launch, width, height);
    };

    files.append({ QStringLiteral("windows/app.ico"), Kind::Ico, QSize(),
                   QVector<int>(std::begin(Sizes::WindowsIconSides), std::end(Sizes::WindowsIconSides)), {}, {} });
    Expected icns{ QStringLiteral("macos/app.icns"), Kind::Icns, QSize(), {}, {}, {} };
    for (const Sizes::MacOSIconElement &element : Sizes::MacOSIconElements) {
        icns.entries.append(element.side);
        icns.types.append(QLatin1String(element.type));
    }
    files.append(icns);

    const auto androidFile = [](const char *density, const char *name) {
        return QStringLiteral("android/mipmap-%1/%2").arg(QLatin1String(density), QLatin1String(name));
    };
    for (const Sizes::AndroidDensity &density : Sizes::AndroidDensities) {
        picture(androidFile(density.name, "ic_launcher.png"), Kind::Fit, density.launcherSide, density.launcherSide);
        picture(androidFile(density.name, "ic_launcher_background.png"), Kind::Fit, density.backgroundSide,
                density.backgroundSide);
    }
    for (const Sizes::AndroidSplash &splash : Sizes::AndroidSplashes)
        launch(androidFile(splash.density, splash.fileName), splash.width, splash.height);

    // Rows that share a pixel side share a file.
    QVector<int> iosSides;
    for (const Sizes::IOSIconRow &row : Sizes::IOSIconRows) {
        const int side = int(row.size * float(row.scale));
        if (!iosSides.contains(side))
            iosSides.append(side);
    }
    for (const int side : qAsConst(iosSides)) {
        const QString path = QStringLiteral("ios/AppIcon.appiconset/AppIcon-%1.png").arg(side);
        if (mainJob)
            onFill(path, QSize(side, side), QSize(side, side));
        else
            picture(path, Kind::Fit, side, side);
    }
    files.append({ QStringLiteral("ios/AppIcon.appiconset/Contents.json"), Kind::Text, QSize(), {}, {}, {} });

    // Without a background colour every logo is the picture scaled to the
    // logo's size, the wide logo stretched; with one, the picture goes into
    // the logo's inner box the same way, on the colour.
    const auto logo = [&](const QString &path, const QSize &size, const Sizes::WinRTLogoFamily &family) {
        if (!mainJob) {
            picture(path, Kind::Fit, size.width(), size.height());
            return;
        }
        QSize inner(Sizes::winRTScaledPixels(size.width(), family.innerWidthPercent),
                    Sizes::winRTScaledPixels(size.height(), family.innerHeightPercent));
        if (family.aspectRatioMode == Qt::KeepAspectRatio) {
            const int side = qMin(inner.width(), inner.height());
            inner = QSize(side, side);
        }
        onFill(path, size, inner);
    };
    for (const Sizes::WinRTLogoFamily &family : Sizes::WinRTLogoFamilies) {
        for (const int scale : Sizes::WinRTScales) {
            logo(QStringLiteral("winrt/Logo_%1x%2%3.png")
                         .arg(family.width)
                         .arg(family.height)
                         .arg(Sizes::winRTScaleQualifier(scale)),
                 QSize(Sizes::winRTScaledPixels(family.width, scale), Sizes::winRTScaledPixels(family.height, scale)),
                 family);
        }
    }
    for (const int target : Sizes::WinRTTargetSizes) {
        logo(QStringLiteral("winrt/Logo_44x44.targetsize-%1.png").arg(target), QSize(target, target),
             { target, target, 100, 100, Qt::KeepAspectRatio });
    }

    for (const int scale : Sizes::WinRTScales) {
        launch(QStringLiteral("winrt/SplashScreen%1x%2%3.png")
                       .arg(Sizes::WinRTSplashWidth)
                       .arg(Sizes::WinRTSplashHeight)
                       .arg(Sizes::winRTScaleQualifier(scale)),
               Sizes::winRTScaledPixels(Sizes::WinRTSplashWidth, scale),
               Sizes::winRTScaledPixels(Sizes::WinRTSplashHeight, scale));
    }
    for (const Sizes::InstallerFile &file : Sizes::InstallerFiles)
        launch(QStringLiteral("installer/") + QLatin1String(file.fileName), file.width, file.height);
    if (mainJob) {
        picture(QStringLiteral("ios/LaunchImages/AppIconOverlay.png"), Kind::Fit, Sizes::IOSLaunchFittedSide,
                Sizes::IOSLaunchFittedSide);
    } else {
        picture(QStringLiteral("ios/LaunchImages/BackgroundImage.png"), Kind::Copy, SourceSide, SourceSide);
        picture(QStringLiteral("ios/LaunchImages/OverlayImage.png"), Kind::Fit, Sizes::IOSLaunchFittedSide,
                Sizes::IOSLaunchFittedSide);
    }
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

    bool usable() const { return ran && !failed; }
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
    QByteArray name;
    double wall; // ms
    double cpu; // ms
};

bool runLoomwright(const QVector<BenchSupport::SetCall> &steps, double *wall, double *cpu, QVector<CallTime> *calls)
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
    for (const BenchSupport::SetCall &step : steps) {
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

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// What is wrong with the .icns elements found against the expected ones:
// the same types in the same order, each a PNG picture of its side.
QStringList checkIcns(const QString &name, const QVector<containers::IcnsElement> &elements, const Expected &file)
{
    QStringList problems;
    QStringList types;
    for (const containers::IcnsElement &element : elements)
        types.append(element.type);
    if (types != file.types)
        return { QStringLiteral("%1: elements %2, not %3").arg(name, types.join(QLatin1Char(',')), file.types.join(QLatin1Char(','))) };
    for (int i = 0; i < elements.size(); ++i) {
        const QImage picture = QImage::fromData(elements.at(i).data, "png");
        if (picture.size() != QSize(file.entries.at(i), file.entries.at(i)))
            problems.append(QStringLiteral("%1: %2 is not a PNG of %3 square").arg(name, types.at(i)).arg(file.entries.at(i)));
    }
    return problems;
}

// ImageMagick's .icns elements, written as PNG files into this folder
// beside its output.
QString icnsFolder(const QString &out)
{
    return out + QStringLiteral("-icns");
}

// The container that ImageMagick's element files would make: the header and
// each element's type, length and data.
qint64 icnsFromFiles(const QString &out, const Expected &file, QStringList *problems)
{
    qint64 bytes = 8;
    QVector<containers::IcnsElement> elements;
    for (const QString &type : file.types) {
        QFile element(icnsFolder(out) + QLatin1Char('/') + type + QStringLiteral(".png"));
        if (!element.open(QIODevice::ReadOnly)) {
            problems->append(QStringLiteral("missing: .icns element %1").arg(type));
            return 0;
        }
        elements.append({ type, element.readAll() });
        bytes += 8 + elements.constLast().data.size();
    }
    *problems += checkIcns(QStringLiteral("the .icns elements"), elements, file);
    return bytes;
}

// Problems found under out; with icnsBeside, the .icns is a folder of
// element files beside it (ImageMagick).
QStringList verify(const QString &out, const QVector<Expected> &expected, bool icnsBeside)
{
    QStringList problems;
    QSet<QString> found = filesBelow(out);

    for (const Expected &file : expected) {
        const QString full = out + QLatin1Char('/') + file.path;
        if (file.kind == Kind::Icns && icnsBeside) {
            icnsFromFiles(out, file, &problems);
            continue;
        }
        if (!found.remove(file.path)) {
            problems.append(QStringLiteral("missing: ") + file.path);
            continue;
        }
        if (file.kind == Kind::Text)
            continue;
        if (file.kind == Kind::Icns) {
            QFile container(full);
            const containers::Icns icns =
                    containers::readIcns(container.open(QIODevice::ReadOnly) ? container.readAll() : QByteArray());
            if (!icns.valid())
                problems.append(QStringLiteral("%1: not an .icns container").arg(file.path));
            else
                problems += checkIcns(file.path, icns.pictures(), file);
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

// One line a file for the external scripts: kind, path, width, height and a
// last column: the sides of an .ico's entries joined by commas, an .icns's
// elements as type:side joined by commas, the picture's width and height on
// a fill, or "-".
QByteArray manifest(const QVector<Expected> &files)
{
    QByteArray text;
    for (const Expected &file : files) {
        QStringList last;
        for (int i = 0; i < file.entries.size(); ++i) {
            const QString side = QString::number(file.entries.at(i));
            last.append(file.kind == Kind::Icns ? file.types.at(i) + QLatin1Char(':') + side : side);
        }
        if (file.kind == Kind::OnFill)
            last = QStringList{ QString::number(file.inner.width()), QString::number(file.inner.height()) };
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                        .arg(QLatin1String(kindName(file.kind)), file.path)
                        .arg(file.size.width())
                        .arg(file.size.height())
                        .arg(last.isEmpty() ? QStringLiteral("-") : last.join(QLatin1Char(',')))
                        .toUtf8();
    }
    return text;
}

// One convert process: every distinct scaled size goes once into a register,
// and each file is made inside parentheses so that the list stays empty.
// Box filter and zlib level 6, as Qt scales and compresses. convert has no
// .icns writer: it writes the elements as PNGs into a folder beside the
// output instead.
QStringList imageMagickArguments(const QString &source, const QString &out, const QVector<Expected> &files,
                                 const QString &fill)
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
              << QStringLiteral("xc:") + fill << QStringLiteral("(") << cover
              << QStringLiteral("-background") << QStringLiteral("none") << QStringLiteral("-extent")
              << QStringLiteral("%1x%2").arg(w).arg(h) << QStringLiteral(")") << QStringLiteral("-composite")
              << overlay << QStringLiteral("-composite") << QStringLiteral("-write")
              << QStringLiteral("PNG24:") + target << QStringLiteral("+delete") << QStringLiteral(")");
            break;
        }
        case Kind::OnFill: {
            const QString inner = scaled(file.inner.width(), file.inner.height());
            a << QStringLiteral("(") << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(w).arg(h)
              << QStringLiteral("xc:") + fill << inner << QStringLiteral("-composite") << QStringLiteral("-write")
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
            for (int i = 0; i < file.entries.size(); ++i) {
                const int side = file.entries.at(i);
                a << QStringLiteral("(") << scaled(side, side) << QStringLiteral("-write")
                  << QStringLiteral("PNG32:%1/%2.png").arg(icnsFolder(out), file.types.at(i))
                  << QStringLiteral("+delete") << QStringLiteral(")");
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
// child so far. A child's peak starts at what this process holds when it
// starts the child, though (the kernel keeps the peak across exec), so where
// GNU time is installed, it starts the child and reports its peak instead.
ChildResult runChild(const QString &program, const QStringList &arguments, const QString &errorFile)
{
    ChildResult result;
    const QString time = QStringLiteral("/usr/bin/time");
    const QString peakFile = errorFile + QStringLiteral(".peak");
    const bool timed = QFileInfo(time).isExecutable() && (!QFile::exists(peakFile) || QFile::remove(peakFile));
    QVector<QByteArray> storage{ QFile::encodeName(timed ? time : program) };
    if (timed) {
        storage << QByteArrayLiteral("-f") << QByteArrayLiteral("%M") << QByteArrayLiteral("-o")
                << QFile::encodeName(peakFile) << QFile::encodeName(program);
    }
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
    if (timed) {
        QFile peak(peakFile);
        bool read = false;
        const long reported = peak.open(QIODevice::ReadOnly) ? peak.readAll().trimmed().toLong(&read) : 0;
        if (read)
            result.peakKiB = reported;
    }
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!result.ok) {
        QFile errors(errorFile);
        errors.open(QIODevice::ReadOnly);
        result.error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(errors.read(2000)).trimmed());
    }
    return result;
}

// One scenario: its source, the files it makes, Loomwright's calls, and the
// figures of every implementation.
struct Scenario
{
    QString name;
    QString key; // folder names
    QString source;
    QString fill; // the background colour that the peers draw on
    QVector<Expected> files;
    QString manifestPath;
    std::function<QVector<BenchSupport::SetCall>(const QString &out)> calls;
    Measure loomwright;
    QVector<Measure> peers; // in the order of the peers' list
};

// A peer and how it is called for a scenario's output folder.
struct Peer
{
    QString name;
    QString program;
    std::function<QStringList(const Scenario &, const QString &out)> arguments;
    bool icnsBeside;
};

// --levers: every PNG picture that both scenarios write, decoded, so that
// each of the encoder's choices gets the same pictures that the sets hand it.
QVector<QImage> writtenPictures(const QString &out)
{
    QVector<QImage> pictures;
    QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString suffix = it.fileInfo().suffix().toLower();
        if (suffix == QLatin1String("png")) {
            pictures.append(QImage(path, "png"));
        } else if (suffix == QLatin1String("icns")) {
            QFile file(path);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            for (const containers::IcnsElement &element : containers::readIcns(bytes).pictures())
                pictures.append(QImage::fromData(element.data, "png"));
        }
    }
    return pictures;
}

const char *metText(bool met);

// zopflipng with its default options on the default encoding of pictures,
// in one process: the bytes of its files and its CPU time. Where it finds
// nothing smaller it writes the file it was given. Fails when a file does
// not come back with the same pixels.
bool runZopfliPng(const QVector<QImage> &pictures, const QString &program, const QString &folder, qint64 *bytes,
                  double *cpu)
{
    if (!QDir(folder).removeRecursively() || !QDir().mkpath(folder))
        return false;
    QStringList arguments{ QStringLiteral("-y"), QStringLiteral("--prefix=zopfli_") };
    for (int i = 0; i < pictures.size(); ++i) {
        const QString path = QStringLiteral("%1/%2.png").arg(folder).arg(i);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(PngEncoder::encode(pictures.at(i))) <= 0)
            return false;
        arguments.append(path);
    }
    const ChildResult child = runChild(program, arguments, folder + QStringLiteral("/stderr.txt"));
    if (!child.ok) {
        std::fprintf(stderr, "bench-allsets: %s\n", qPrintable(child.error));
        return false;
    }
    *bytes = 0;
    *cpu = child.cpu;
    for (int i = 0; i < pictures.size(); ++i) {
        const QString path = QStringLiteral("%1/zopfli_%2.png").arg(folder).arg(i);
        const QImage back(path, "png");
        if (back.convertToFormat(QImage::Format_ARGB32) != pictures.at(i).convertToFormat(QImage::Format_ARGB32)) {
            std::fprintf(stderr, "bench-allsets: zopflipng changed the pixels of %s\n", qPrintable(path));
            return false;
        }
        *bytes += QFileInfo(path).size();
    }
    return true;
}

int runLevers(const QVector<Scenario> &scenarios, const QString &folder, int runs)
{
    // The pictures of each scenario, by scenario.
    QVector<QVector<QImage>> pictures;
    int count = 0;
    for (const Scenario &scenario : scenarios) {
        const QString out = folder + QStringLiteral("/levers-") + scenario.key;
        double wall = 0;
        double cpu = 0;
        QVector<CallTime> calls;
        if (!prepareOutput(out, scenario.files) || !runLoomwright(scenario.calls(out), &wall, &cpu, &calls)) {
            std::fprintf(stderr, "bench-allsets: the %s failed\n", qPrintable(scenario.name));
            return 1;
        }
        pictures.append(writtenPictures(out));
        for (const QImage &picture : qAsConst(pictures.constLast())) {
            if (picture.isNull()) {
                std::fprintf(stderr, "bench-allsets: a written picture does not decode\n");
                return 1;
            }
        }
        count += pictures.constLast().size();
    }

    struct Lever
    {
        QString name;
        PngEncoder::Tuning tuning;
    };
    using Choice = PngEncoder::FilterChoice;
    QVector<Lever> levers{
        { QStringLiteral("earlier: Sub or Up, level 4"), { Choice::SubOrUp, 4 } },
        { QStringLiteral("all five filters, level 4"), { Choice::AnyOfFive, 4 } },
        { QStringLiteral("all five screened, level 4"), { Choice::AnyOfFiveScreened, 4 } },
    };
    for (int level = 1; level <= 12; ++level) {
        if (level != 4)
            levers.append({ QStringLiteral("Sub or Up, level %1").arg(level), { Choice::SubOrUp, level } });
    }
    levers.append({ QStringLiteral("Sub or Up, level by size"), { Choice::SubOrUp, PngEncoder::BySize } });
    levers.append({ QStringLiteral("all five, level by busy bytes"), { Choice::AnyOfFive, PngEncoder::ByBusyBytes } });
    // What the smallest files may choose from, each at the highest level.
    const struct
    {
        const char *name;
        Choice choice;
    } atHighest[] = { { "all five", Choice::AnyOfFive },     { "least entropy", Choice::LeastEntropy },
                      { "None alone", Choice::OnlyNone },    { "Sub alone", Choice::OnlySub },
                      { "Up alone", Choice::OnlyUp },        { "Average alone", Choice::OnlyAverage },
                      { "Paeth alone", Choice::OnlyPaeth } };
    for (const auto &lever : atHighest)
        levers.append({ QStringLiteral("%1, level 12").arg(QLatin1String(lever.name)), { lever.choice, 12 } });
    const QString smallestName = QStringLiteral("smallest");
    const QString highestName = QStringLiteral("Sub or Up, level 12");
    levers.append({ smallestName, PngEncoder::smallest() });
    const QString defaultName = QStringLiteral("now: Sub or Up, level by busy bytes");
    levers.append({ defaultName, PngEncoder::Tuning() });

    std::printf("levers: the %d PNG pictures of both scenarios (those of the .icns included), encoded by each choice; "
                "best of %d runs\n", count, runs);
    std::printf("  %-36s %10s %8s %8s %7s %6s", "choice", "bytes", "ms", "CPU ms", "x", "x");
    for (const Scenario &scenario : scenarios)
        std::printf("  %-33s", qPrintable(scenario.name + QStringLiteral(": bytes, x, ms, x")));
    std::printf("\n");
    std::fflush(stdout);

    const int scenarioCount = scenarios.size();
    QVector<qint64> earlierBytes;
    QVector<double> earlierTime;
    // Bytes and CPU milliseconds of the levers that the summary compares.
    QMap<QString, QPair<qint64, double>> totals;
    for (const Lever &lever : qAsConst(levers)) {
        // Each scenario's best run, and that run's CPU time.
        QVector<double> time(scenarioCount, std::numeric_limits<double>::infinity());
        QVector<double> cpu(scenarioCount, 0);
        QVector<qint64> bytes(scenarioCount, 0);
        for (int run = 0; run < runs; ++run) {
            for (int i = 0; i < scenarioCount; ++i) {
                qint64 runBytes = 0;
                rusage before{};
                getrusage(RUSAGE_SELF, &before);
                QElapsedTimer clock;
                clock.start();
                for (const QImage &picture : pictures.at(i))
                    runBytes += PngEncoder::encode(picture, lever.tuning).size();
                const double wall = double(clock.nsecsElapsed()) / 1e6;
                rusage after{};
                getrusage(RUSAGE_SELF, &after);
                if (wall < time.at(i)) {
                    time[i] = wall;
                    cpu[i] = cpuMilliseconds(after) - cpuMilliseconds(before);
                }
                bytes[i] = runBytes;
            }
        }
        if (earlierBytes.isEmpty()) {
            earlierBytes = bytes;
            earlierTime = time;
        }
        const qint64 totalBytes = std::accumulate(bytes.begin(), bytes.end(), qint64(0));
        const double totalTime = std::accumulate(time.begin(), time.end(), 0.0);
        const qint64 earlierTotalBytes = std::accumulate(earlierBytes.begin(), earlierBytes.end(), qint64(0));
        const double earlierTotalTime = std::accumulate(earlierTime.begin(), earlierTime.end(), 0.0);
        const double totalCpu = std::accumulate(cpu.begin(), cpu.end(), 0.0);
        totals.insert(lever.name, qMakePair(totalBytes, totalCpu));
        std::printf("  %-36s %10lld %8.1f %8.1f %7.3f %6.2f", qPrintable(lever.name), static_cast<long long>(totalBytes),
                    totalTime, totalCpu, double(totalBytes) / double(earlierTotalBytes), totalTime / earlierTotalTime);
        for (int i = 0; i < scenarioCount; ++i) {
            std::printf("  %10lld x%.3f %7.1f x%.2f", static_cast<long long>(bytes.at(i)),
                        double(bytes.at(i)) / double(earlierBytes.at(i)), time.at(i), time.at(i) / earlierTime.at(i));
        }
        std::printf("\n");
        std::fflush(stdout);
    }

    const qint64 defaultBytes = totals.value(defaultName).first;
    const qint64 highestBytes = totals.value(highestName).first;
    const qint64 smallestBytes = totals.value(smallestName).first;
    const double smallestCpu = totals.value(smallestName).second;
    std::printf("  smallest files: default %lld bytes, level 12 %lld (x%.3f), smallest %lld (x%.3f) in %.1f CPU s\n",
                static_cast<long long>(defaultBytes), static_cast<long long>(highestBytes),
                double(highestBytes) / double(defaultBytes), static_cast<long long>(smallestBytes),
                double(smallestBytes) / double(defaultBytes), smallestCpu / 1e3);
    const QString zopfliPng = QStandardPaths::findExecutable(QStringLiteral("zopflipng"));
    if (zopfliPng.isEmpty()) {
        std::printf("  zopflipng: not found in PATH, skipped\n");
        return 0;
    }
    QVector<QImage> all;
    for (const QVector<QImage> &scenarioPictures : qAsConst(pictures))
        all += scenarioPictures;
    qint64 zopfliBytes = 0;
    double zopfliCpu = 0;
    if (!runZopfliPng(all, zopfliPng, folder + QStringLiteral("/zopflipng"), &zopfliBytes, &zopfliCpu))
        return 1;
    const double byteRatio = double(smallestBytes) / double(zopfliBytes);
    const double speedRatio = zopfliCpu / smallestCpu;
    std::printf("  zopflipng, default options, on the default files: %lld bytes (x%.3f of the default) in %.1f CPU s\n",
                static_cast<long long>(zopfliBytes), double(zopfliBytes) / double(defaultBytes), zopfliCpu / 1e3);
    std::printf("  aims: smallest within 3 %% of zopflipng's bytes: x%.3f: %s; at least 15 times as fast in CPU time: "
                "x%.1f: %s\n",
                byteRatio, metText(byteRatio <= 1.03), speedRatio, metText(speedRatio >= 15));
    return 0;
}

QString mib(qint64 bytes)
{
    return QString::number(bytes / (1024.0 * 1024.0), 'f', 2) + QStringLiteral(" MiB");
}

const char *metText(bool met)
{
    return met ? "met" : "NOT MET";
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
            "Times every icon and launch-image set made by Loomwright, ImageMagick, Pillow and sharp, in the "
            "benchmark scenario and the main job, and sums the bytes written."));
    parser.addHelpOption();
    const QCommandLineOption runsOption = BenchSupport::runsOption(3);
    const QCommandLineOption sharpOption(QStringLiteral("sharp-dir"),
                                         QStringLiteral("Where sharp is installed, with npm when missing."),
                                         QStringLiteral("path"), QStringLiteral(LOOMWRIGHT_BENCH_SHARP_DIR));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Copies Loomwright's files of the last run into <path>/bench "
                                                       "and <path>/main, to compare the output of two builds."),
                                        QStringLiteral("path"));
    const QCommandLineOption onlyOption(QStringLiteral("loomwright-only"),
                                        QStringLiteral("Runs Loomwright alone, for profiling it."));
    const QCommandLineOption leversOption(QStringLiteral("levers"),
                                          QStringLiteral("Encodes every PNG picture of both scenarios with each of "
                                                         "the encoder's choices instead."));
    parser.addOptions({ runsOption, sharpOption, keepOption, onlyOption, leversOption });
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
    Loomwright facade;
    QVector<Scenario> scenarios(2);
    Scenario &bench = scenarios[0];
    bench.name = QStringLiteral("benchmark scenario");
    bench.key = QStringLiteral("bench");
    bench.source = temporary.filePath(QStringLiteral("source.png"));
    bench.fill = QString::fromLatin1(BenchSupport::FillColourName);
    bench.files = expectedFiles(false);
    const QString benchSource = bench.source;
    bench.calls = [benchSource](const QString &out) { return BenchSupport::allSetsCalls(benchSource, out); };
    Scenario &mainJob = scenarios[1];
    mainJob.name = QStringLiteral("main job");
    mainJob.key = QStringLiteral("main");
    mainJob.source = temporary.filePath(QStringLiteral("sample.png"));
    mainJob.fill = QString::fromLatin1(BenchSupport::MainJobColourName);
    mainJob.files = expectedFiles(true);
    const QString mainSource = mainJob.source;
    mainJob.calls = [&facade, mainSource](const QString &out) {
        return BenchSupport::mainJobCalls(&facade, mainSource, out);
    };
    if (!BenchSupport::sourcePicture().save(bench.source, "png") || !paintSamplePicture().save(mainJob.source, "png"))
        return 1;
    for (Scenario &scenario : scenarios) {
        scenario.manifestPath = temporary.filePath(scenario.key + QStringLiteral("-manifest.txt"));
        QFile file(scenario.manifestPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(manifest(scenario.files)) < 0)
            return 1;
    }

    if (parser.isSet(leversOption))
        return runLevers(scenarios, temporary.path(), runs);

    const QString errorFile = temporary.filePath(QStringLiteral("stderr.txt"));
    std::printf("allsets: 5 app icon sets, 4 launch-image sets and the adaptive background from a %d x %d RGBA PNG, "
                "in the benchmark scenario (%d files) and the main job (%d files); best of %d runs\n",
                SourceSide, SourceSide, int(bench.files.size()), int(mainJob.files.size()), runs);

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

    QVector<Peer> peers;
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!others) {
        // Loomwright alone.
    } else if (QFileInfo(convert).isExecutable()) {
        peers.append({ QStringLiteral("ImageMagick"), convert,
                       [](const Scenario &scenario, const QString &out) {
                           return imageMagickArguments(scenario.source, out, scenario.files, scenario.fill);
                       },
                       true });
        std::printf("  ImageMagick: no .icns writer; its elements are written as PNG files and counted as the "
                    "container they make\n");
    } else {
        std::printf("  ImageMagick: not installed, skipped\n");
    }
    const QString python = QStringLiteral("/usr/bin/python3");
    if (others && QFileInfo(python).isExecutable()) {
        peers.append({ QStringLiteral("Pillow"), python,
                       [](const Scenario &scenario, const QString &out) {
                           return QStringList{ peerScript("allsets_pillow.py"), scenario.source, out,
                                               scenario.manifestPath, scenario.fill };
                       },
                       false });
    }
    if (haveSharp) {
        for (const QString &mode : { QStringLiteral("1"), QStringLiteral("default") }) {
            peers.append({ mode == QLatin1String("1") ? QStringLiteral("sharp-1thread") : QStringLiteral("sharp"), node,
                           [sharpDir, mode](const Scenario &scenario, const QString &out) {
                               return QStringList{ peerScript("allsets_sharp.js"), sharpDir, scenario.source, out,
                                                   scenario.manifestPath, scenario.fill, mode };
                           },
                           false });
        }
        std::printf("  sharp: .ico and .icns put together by the script from sharp's PNGs\n");
    }
    std::fflush(stdout);

    const QString contentsPath = QStringLiteral("ios/AppIcon.appiconset/Contents.json");
    bool failed = false;
    for (Scenario &scenario : scenarios) {
        scenario.peers.resize(peers.size());
        const QString loomwrightOut = temporary.filePath(QStringLiteral("loomwright-") + scenario.key);
        for (int run = 0; run < runs && !failed; ++run) {
            if (!prepareOutput(loomwrightOut, scenario.files))
                return 1;
            double wall = 0;
            double cpu = 0;
            QVector<CallTime> calls;
            const bool reported = runLoomwright(scenario.calls(loomwrightOut), &wall, &cpu, &calls);
            if (!others) {
                for (const CallTime &call : qAsConst(calls)) {
                    std::printf("    %s, run %d: %-28s %8.1f ms wall %8.1f ms CPU\n", qPrintable(scenario.key),
                                run + 1, call.name.constData(), call.wall, call.cpu);
                }
            }
            QStringList problems = verify(loomwrightOut, scenario.files, false);
            if (!reported)
                problems.prepend(QStringLiteral("a call reported failure"));
            if (!problems.isEmpty()) {
                std::printf("  Loomwright, %s: FAILED: wrong output\n", qPrintable(scenario.name));
                for (const QString &problem : qAsConst(problems))
                    std::printf("    %s\n", qPrintable(problem));
                scenario.loomwright.failed = true;
                failed = true;
                break;
            }
            Measure &loomwright = scenario.loomwright;
            if (wall < loomwright.wall) {
                loomwright.wall = wall;
                loomwright.cpu = cpu;
                loomwright.outputBytes = bytesBelow(loomwrightOut);
            }
            rusage self{};
            getrusage(RUSAGE_SELF, &self);
            loomwright.peakKiB = self.ru_maxrss;
            loomwright.ran = true;

            for (int i = 0; i < peers.size(); ++i) {
                const Peer &peer = peers.at(i);
                Measure &measure = scenario.peers[i];
                if (measure.failed)
                    continue;
                const QString out = temporary.filePath(peer.name.toLower() + QLatin1Char('-') + scenario.key);
                if (!prepareOutput(out, scenario.files))
                    return 1;
                if (peer.icnsBeside && (!QDir(icnsFolder(out)).removeRecursively() || !QDir().mkpath(icnsFolder(out))))
                    return 1;
                QFile::copy(loomwrightOut + QLatin1Char('/') + contentsPath, out + QLatin1Char('/') + contentsPath);
                const ChildResult child = runChild(peer.program, peer.arguments(scenario, out), errorFile);
                problems = child.ok ? verify(out, scenario.files, peer.icnsBeside) : QStringList{ child.error };
                qint64 icnsBytes = 0;
                if (child.ok && peer.icnsBeside) {
                    for (const Expected &file : qAsConst(scenario.files)) {
                        if (file.kind == Kind::Icns)
                            icnsBytes += icnsFromFiles(out, file, &problems);
                    }
                }
                if (!problems.isEmpty()) {
                    std::printf("  %s, %s: FAILED\n", qPrintable(peer.name), qPrintable(scenario.name));
                    for (const QString &problem : qAsConst(problems))
                        std::printf("    %s\n", qPrintable(problem));
                    measure.failed = true;
                    failed = true;
                    continue;
                }
                measure.ran = true;
                if (child.wall < measure.wall) {
                    measure.wall = child.wall;
                    measure.cpu = child.cpu;
                    measure.outputBytes = bytesBelow(out) + icnsBytes;
                }
                measure.peakKiB = qMax(measure.peakKiB, child.peakKiB);
            }
        }
        if (scenario.loomwright.ran && parser.isSet(keepOption)
            && !copyTree(loomwrightOut, parser.value(keepOption) + QLatin1Char('/') + scenario.key)) {
            std::fprintf(stderr, "bench-allsets: cannot copy the output into %s\n", qPrintable(parser.value(keepOption)));
            return 1;
        }
    }

    const auto row = [](const QString &name, const Measure &m) {
        std::printf("    %-14s %8.1f ms wall  %8.1f ms CPU  %7.1f MiB peak  %10lld bytes out (%s)", qPrintable(name),
                    m.wall, m.cpu, m.peakKiB / 1024.0, static_cast<long long>(m.outputBytes),
                    qPrintable(mib(m.outputBytes)));
    };
    for (const Scenario &scenario : qAsConst(scenarios)) {
        if (!scenario.loomwright.usable())
            continue;
        std::printf("  %s:\n", qPrintable(scenario.name));
        row(QStringLiteral("Loomwright"), scenario.loomwright);
        std::printf("   (peak of this whole process)\n");
        for (int i = 0; i < peers.size(); ++i) {
            const Measure &m = scenario.peers.at(i);
            if (!m.usable())
                continue;
            row(peers.at(i).name, m);
            std::printf("   time x%.2f  CPU x%.2f  memory x%.2f  bytes x%.3f of Loomwright\n", m.wall / scenario.loomwright.wall,
                        m.cpu / scenario.loomwright.cpu, double(m.peakKiB) / scenario.loomwright.peakKiB,
                        double(m.outputBytes) / double(scenario.loomwright.outputBytes));
        }
    }

    const auto peerIndex = [&peers](const char *name) {
        for (int i = 0; i < peers.size(); ++i) {
            if (peers.at(i).name == QLatin1String(name))
                return i;
        }
        return -1;
    };
    if (others && bench.loomwright.usable() && mainJob.loomwright.usable()) {
        std::printf("  aims:\n");
        const int imageMagick = peerIndex("ImageMagick");
        if (imageMagick >= 0 && bench.peers.at(imageMagick).usable()) {
            const qint64 theirs = bench.peers.at(imageMagick).outputBytes;
            std::printf("    output no larger than ImageMagick's in the benchmark scenario: %s against %s, x%.3f: %s\n",
                        qPrintable(mib(bench.loomwright.outputBytes)), qPrintable(mib(theirs)),
                        double(bench.loomwright.outputBytes) / double(theirs),
                        metText(bench.loomwright.outputBytes <= theirs));
        }
        QStringList ratios;
        bool smallest = true;
        for (int i = 0; i < peers.size(); ++i) {
            if (!mainJob.peers.at(i).usable() || peers.at(i).name == QLatin1String("sharp-1thread"))
                continue;
            const qint64 theirs = mainJob.peers.at(i).outputBytes;
            ratios.append(QStringLiteral("%1 x%2").arg(peers.at(i).name).arg(double(mainJob.loomwright.outputBytes) / double(theirs), 0, 'f', 3));
            smallest = smallest && mainJob.loomwright.outputBytes <= theirs;
        }
        std::printf("    output no larger than any peer's for the main job's set: %s (%s): %s\n",
                    qPrintable(mib(mainJob.loomwright.outputBytes)), qPrintable(ratios.join(QStringLiteral(", "))),
                    metText(smallest));
        const int sharp = peerIndex("sharp");
        if (sharp >= 0) {
            QStringList speeds;
            bool fast = true;
            for (const Scenario &scenario : qAsConst(scenarios)) {
                if (!scenario.peers.at(sharp).usable())
                    continue;
                const double factor = scenario.peers.at(sharp).wall / scenario.loomwright.wall;
                speeds.append(QStringLiteral("%1 x%2").arg(scenario.name).arg(factor, 0, 'f', 2));
                fast = fast && factor >= 1.5;
            }
            std::printf("    at least 1.5 times as fast as sharp with its threads, on one thread: %s: %s\n",
                        qPrintable(speeds.join(QStringLiteral(", "))), metText(fast && !speeds.isEmpty()));
        }
        // The aims of the set's speed so far, in the benchmark scenario.
        for (int i = 0; i < peers.size(); ++i) {
            const Measure &m = bench.peers.at(i);
            if (!m.usable() || peers.at(i).name == QLatin1String("sharp"))
                continue;
            const bool imageMagickPeer = peers.at(i).name == QLatin1String("ImageMagick");
            const double factor = imageMagickPeer ? 2.5 : 1.0;
            std::printf("    earlier, benchmark scenario: %s %s: %s\n",
                        imageMagickPeer ? "at least 2.5 times as fast as" : "faster than", qPrintable(peers.at(i).name),
                        metText(m.wall >= factor * bench.loomwright.wall));
        }
    }
    std::fflush(stdout);
    return failed ? 1 : 0;
}
