// loomwright-iconsets [OPTIONS] [PICTURE] [OUTPUT_FOLDER]
// loomwright-iconsets [OPTIONS] --sample [OUTPUT_FOLDER]
//
// Makes the app icons, launch images and installer pictures of every chosen
// platform from one picture, through the Loomwright plugin as a tool's QML
// would, one folder per platform in OUTPUT_FOLDER. Without PICTURE (or with
// --sample) it paints the project's sample picture into
// OUTPUT_FOLDER/sample.png and uses that.
//
// Exit codes: 0 when every set was made, 1 when a set failed, 2 for bad input
// (then nothing is written). Every picture given is decoded whole before the
// first file is written, so that a damaged one is bad input too.
#include "iconsetjob.h"
#include "samplepicture.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

enum ExitCode { Success = 0, SetFailed = 1, BadInput = 2 };

// The colour of the sample picture's tile, the backgrounds of its sets.
const QString SampleBackground = QStringLiteral("#1d3b8f");

QString tr(const char *text)
{
    return QCoreApplication::translate("iconsets", text);
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Set by --verbose: the plugin's log as it comes, debug lines included.
bool g_verbose = false;

// What stands in the way of writing path, as far as the tool can tell: a
// file where a folder must be, a folder where the file must be, or a folder
// that takes no files. Empty when nothing visible does (a full disk, say).
QString obstacleTo(const QString &path, bool isFolder)
{
    const QFileInfo target(path);
    if (target.exists() && target.isDir() != isFolder)
        return isFolder ? tr("a file of that name is in the way") : tr("a folder of that name is in the way");
    for (QFileInfo step(target.absolutePath()); !step.isRoot(); step = QFileInfo(step.absolutePath())) {
        if (!step.exists())
            continue;
        if (!step.isDir())
            return tr("%1 is a file").arg(step.filePath());
        return step.isWritable() ? QString() : tr("%1 takes no new files").arg(step.filePath());
    }
    return QString();
}

// A line of the plugin's log in the tool's words: which file, and why.
// Lines that only repeat a failure already told (a launch image that was not
// saved, a set that failed, which the progress says) give nothing.
QString plainLine(const QString &message)
{
    // The C++ signature that the line starts with ends at the ") " (or
    // ") const ") that closes its arguments, before any quoted text.
    static const QRegularExpression signature(QStringLiteral("^[^\"]*?\\)( const)? "));
    static const QRegularExpression lastQuoted(QStringLiteral("\"([^\"]*)\"\\s*$"));
    const QString text = QString(message).remove(signature).trimmed();
    const QString path = lastQuoted.match(text).captured(1);
    const auto because = [](const QString &what, const QString &why) {
        return why.isEmpty() ? what : what + QStringLiteral(": ") + why;
    };
    if (text.startsWith(QLatin1String("Error creating launch image"))
        || text.startsWith(QLatin1String("Error creating for")) || text.startsWith(QLatin1String("Error converting to format")))
        return QString();
    if (text.startsWith(QLatin1String("Error saving image")) && !path.isEmpty())
        return because(tr("cannot write %1").arg(path), obstacleTo(path, false));
    if (text.startsWith(QLatin1String("Error creating")) && !path.isEmpty())
        return because(tr("cannot make the folder %1").arg(path), obstacleTo(path, true));
    return text;
}

// Log lines of the plugin: with --verbose as "category: message", one per
// line, so that they can be told apart by their category; otherwise each in
// plain words, once.
void printMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_verbose) {
        const char *category = context.category && qstrcmp(context.category, "default") ? context.category : nullptr;
        const QString prefix = category ? QString::fromLatin1(category) + QStringLiteral(": ") : QString();
        print(stderr, prefix + message + QLatin1Char('\n'));
        return;
    }
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    static QSet<QString> told;
    const QString line = plainLine(message);
    if (line.isEmpty() || told.contains(line))
        return;
    told.insert(line);
    print(stderr, QStringLiteral("loomwright-iconsets: %1\n").arg(line));
}

int refuse(const QString &message)
{
    print(stderr, QStringLiteral("loomwright-iconsets: %1\n").arg(message));
    return BadInput;
}

// Why path is no picture that the sets can be made from; empty when it is one.
QString pictureProblem(const QString &path, QSize *size = nullptr, QImage *picture = nullptr)
{
    const InputCheck check = IconSetJob::checkPicture(path);
    if (size)
        *size = check.size;
    if (picture)
        *picture = check.picture;
    switch (check.fault) {
    case InputFault::Missing:
        return tr("no picture at %1").arg(path);
    case InputFault::IsFolder:
        return tr("%1 is a folder; a picture is expected").arg(path);
    case InputFault::Unreadable:
        return tr("cannot read %1 as a picture: %2").arg(path, check.reason);
    default:
        return QString();
    }
}

// Why folder cannot take the sets; empty when it can.
QString folderProblem(const QString &folder)
{
    const InputCheck check = IconSetJob::checkOutputFolder(folder, QStringLiteral("loomwright-iconsets"));
    switch (check.fault) {
    case InputFault::IsFile:
        return tr("%1 is a file; an output folder is expected").arg(folder);
    case InputFault::CannotCreate:
        return tr("cannot make the output folder %1").arg(folder);
    case InputFault::CannotWrite:
        return tr("cannot write into %1: %2").arg(folder, check.reason);
    default:
        return QString();
    }
}

struct FolderSize
{
    int files = 0;
    qint64 bytes = 0;
};

FolderSize sizeOf(const QString &folder)
{
    FolderSize size;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++size.files;
        size.bytes += it.fileInfo().size();
    }
    return size;
}

QString humanBytes(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return tr("%1 KiB").arg(bytes / 1024.0, 0, 'f', 1);
    return tr("%1 MiB").arg(bytes / (1024.0 * 1024.0), 0, 'f', 2);
}

QString padded(const QString &text, int width)
{
    return width < 0 ? text.leftJustified(-width) : text.rightJustified(width);
}

}

int main(int argc, char *argv[])
{
    // Pictures need a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("loomwright-iconsets"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Makes app icons, launch images and installer pictures for every platform from one picture.\n\n"
           "Example:\n"
           "  loomwright-iconsets --platforms ios,android --icon-background white \\\n"
           "      --launch-background '#1d3b8f' logo.png out/\n\n"
           "Without PICTURE, the project's sample picture is painted into OUTPUT_FOLDER/sample.png and used.\n"
           "Exit codes: 0 every set was made, 1 a set failed, 2 bad input (nothing written)."));
    parser.addHelpOption();
    const QCommandLineOption platformsOption(
        {QStringLiteral("p"), QStringLiteral("platforms")},
        tr("Comma-separated platforms to make: %1 (default: all).").arg(IconSetJob::knownPlatforms().join(QStringLiteral(", "))),
        tr("list"));
    const QCommandLineOption iconBackgroundOption(QStringLiteral("icon-background"),
                                                  tr("Background colour of the app icons, e.g. white or #1d3b8f."),
                                                  tr("colour"));
    const QCommandLineOption launchBackgroundOption(QStringLiteral("launch-background"),
                                                    tr("Background colour of the launch images."), tr("colour"));
    const QCommandLineOption launchBackgroundImageOption(QStringLiteral("launch-background-image"),
                                                         tr("Picture that fills the launch images' background."),
                                                         tr("file"));
    const QCommandLineOption launchOverlayOption(QStringLiteral("launch-overlay"),
                                                 tr("Picture drawn in the middle of the launch images."), tr("file"));
    const QCommandLineOption launchIconOption(QStringLiteral("launch-icon"),
                                              tr("Icon drawn on the launch images (default: PICTURE)."), tr("file"));
    const QCommandLineOption installerBackgroundOption(
        QStringLiteral("installer-background-image"),
        tr("Background picture of the installer pictures (default: the launch images')."), tr("file"));
    const QCommandLineOption installerOverlayOption(
        QStringLiteral("installer-overlay"),
        tr("Picture drawn in the middle of the installer pictures (default: the launch images')."), tr("file"));
    const QCommandLineOption smallestOption(
        QStringLiteral("smallest"),
        tr("Make the PNG files as small as possible, for a release: the same pixels, many times the time."));
    const QCommandLineOption squareOption(
        QStringLiteral("square"),
        tr("How a picture that is not square becomes the app icons' square: pad (with transparency, or the icon "
           "background; the default) or crop (its middle)."),
        tr("pad|crop"), QStringLiteral("pad"));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"), tr("Show the whole log of every call, debug lines included, as it comes."));
    const QCommandLineOption sampleOption(
        QStringLiteral("sample"),
        tr("Use the project's sample picture; the only argument is then OUTPUT_FOLDER."));
    parser.addOptions({sampleOption, platformsOption, iconBackgroundOption, launchBackgroundOption, launchBackgroundImageOption,
                       launchOverlayOption, launchIconOption, installerBackgroundOption, installerOverlayOption,
                       smallestOption, squareOption, verboseOption});
    parser.addPositionalArgument(QStringLiteral("PICTURE"), tr("The source picture (default: the sample picture)."),
                                 QStringLiteral("[PICTURE]"));
    parser.addPositionalArgument(QStringLiteral("OUTPUT_FOLDER"),
                                 tr("Where the platforms' folders go (default: icon-sets)."),
                                 QStringLiteral("[OUTPUT_FOLDER]"));
    if (!parser.parse(app.arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return Success;
    }

    QStringList positional = parser.positionalArguments();
    const bool sample = parser.isSet(sampleOption) || positional.isEmpty();
    if (positional.size() > (sample ? 1 : 2))
        return refuse(tr("too many arguments; see --help"));

    IconSetRequest request;
    if (!sample)
        request.picture = positional.takeFirst();
    // An empty name would resolve to the working folder and fill it.
    if (!positional.isEmpty() && positional.first().isEmpty())
        return refuse(tr("OUTPUT_FOLDER is empty; name a folder, or leave it out for icon-sets"));
    request.outputFolder = QDir::cleanPath(
        QDir::current().absoluteFilePath(positional.isEmpty() ? QStringLiteral("icon-sets") : positional.first()));

    request.platforms = IconSetJob::knownPlatforms();
    if (parser.isSet(platformsOption)) {
        request.platforms.clear();
        for (QString name : parser.value(platformsOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            name = name.trimmed().toLower();
            if (!IconSetJob::knownPlatforms().contains(name)) {
                return refuse(tr("unknown platform \"%1\"; the platforms are %2")
                                  .arg(name, IconSetJob::knownPlatforms().join(QStringLiteral(", "))));
            }
            if (!request.platforms.contains(name))
                request.platforms.append(name);
        }
        if (request.platforms.isEmpty())
            return refuse(tr("--platforms names no platform"));
    }

    request.smallest = parser.isSet(smallestOption);
    const QString squaring = parser.value(squareOption).trimmed().toLower();
    if (squaring != QLatin1String("pad") && squaring != QLatin1String("crop"))
        return refuse(tr("--square is pad or crop, not \"%1\"").arg(parser.value(squareOption)));
    request.squaring = squaring == QLatin1String("crop") ? Squaring::Crop : Squaring::Pad;
    request.iconBackgroundEverywhere = parser.isSet(iconBackgroundOption);
    request.iconBackground = parser.value(iconBackgroundOption);
    request.launchBackground = parser.value(launchBackgroundOption);
    for (const QString &colour : {request.iconBackground, request.launchBackground}) {
        if (!colour.isEmpty() && !QColor::isValidColor(colour))
            return refuse(tr("\"%1\" is not a colour").arg(colour));
    }
    if (sample) {
        if (request.iconBackground.isEmpty())
            request.iconBackground = SampleBackground;
        if (request.launchBackground.isEmpty())
            request.launchBackground = SampleBackground;
    }

    const auto optionPicture = [&](const QCommandLineOption &option, QString *field) {
        *field = parser.value(option);
        return field->isEmpty() ? QString() : pictureProblem(*field);
    };
    for (const auto &entry : {std::make_pair(&launchBackgroundImageOption, &request.launchBackgroundImage),
                              std::make_pair(&launchOverlayOption, &request.launchOverlayImage),
                              std::make_pair(&launchIconOption, &request.launchIcon),
                              std::make_pair(&installerBackgroundOption, &request.installerBackgroundImage),
                              std::make_pair(&installerOverlayOption, &request.installerOverlayImage)}) {
        const QString problem = optionPicture(*entry.first, entry.second);
        if (!problem.isEmpty())
            return refuse(problem);
        if (!entry.second->isEmpty())
            *entry.second = QFileInfo(*entry.second).absoluteFilePath();
    }

    QSize pictureSize(SamplePictureSide, SamplePictureSide);
    // Decoded once, for the checks and for what the app icons need of it.
    QImage picture;
    if (!sample) {
        const QString problem = pictureProblem(request.picture, &pictureSize, &picture);
        if (!problem.isEmpty())
            return refuse(problem);
        request.picture = QFileInfo(request.picture).absoluteFilePath();
    }
    const QString folderIssue = folderProblem(request.outputFolder);
    if (!folderIssue.isEmpty())
        return refuse(folderIssue);

    if (sample) {
        request.picture = QDir(request.outputFolder).filePath(QStringLiteral("sample.png"));
        picture = paintSamplePicture();
        if (!picture.save(request.picture, "PNG")) {
            print(stderr, tr("loomwright-iconsets: cannot write %1\n").arg(request.picture));
            return SetFailed;
        }
    } else {
        if (pictureSize.isValid() && pictureSize.width() != pictureSize.height() && request.squaring == Squaring::Pad) {
            print(stderr, tr("warning: %1 is %2 × %3, not square; the app icons pad it to a square\n")
                              .arg(request.picture)
                              .arg(pictureSize.width())
                              .arg(pictureSize.height()));
        }
        if (pictureSize.isValid() && qMax(pictureSize.width(), pictureSize.height()) < IconSetJob::LargestIcon) {
            print(stderr, tr("warning: %1 is %2 × %3; icons larger than that (up to %4 × %4) are scaled up "
                             "and look soft\n")
                              .arg(request.picture)
                              .arg(pictureSize.width())
                              .arg(pictureSize.height())
                              .arg(IconSetJob::LargestIcon));
        }
    }

    // What the app icons are made from, where the picture itself will not do;
    // it lives as long as the run.
    QTemporaryDir prepared;
    QStringList warnings;
    QString preparationProblem;
    const bool preparedAll = prepared.isValid()
        && IconSetJob::prepareIconPictures(&request, picture, prepared.path(), &warnings, &preparationProblem);
    // The plugin reads the files itself: this copy is not needed any more.
    picture = QImage();
    if (!preparedAll) {
        print(stderr, QStringLiteral("loomwright-iconsets: %1\n")
                          .arg(preparationProblem.isEmpty() ? prepared.errorString() : preparationProblem));
        return SetFailed;
    }
    for (const QString &warning : qAsConst(warnings))
        print(stderr, tr("warning: %1\n").arg(warning));

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import Varnex.Loomwright 1.0\n"
                      "QtObject { readonly property QtObject facade: Loomwright }\n",
                      QUrl());
    const std::unique_ptr<QObject> holder(component.create());
    QObject *facade = holder ? holder->property("facade").value<QObject *>() : nullptr;
    if (!facade) {
        print(stderr, tr("loomwright-iconsets: the Loomwright module does not load: %1\n").arg(component.errorString()));
        return SetFailed;
    }
    g_verbose = parser.isSet(verboseOption);
    if (g_verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true\nqt.*.debug=false"));
    qInstallMessageHandler(printMessage);

    // On a terminal each call overwrites the line of the one before; into a
    // file or a pipe every call gets a line of its own.
    const bool onTerminal = isatty(fileno(stdout));
    const QVector<IconSetCall> calls = IconSetJob::calls(request);
    struct PlatformResult
    {
        qint64 milliseconds = 0;
        bool succeeded = true;
    };
    QMap<QString, PlatformResult> results;
    int done = 0;
    for (const IconSetCall &call : calls) {
        const QString step = tr("[%1/%2] %3: %4").arg(++done).arg(calls.size()).arg(call.platform, call.label);
        if (onTerminal)
            print(stdout, QStringLiteral("\r\033[K") + step + QStringLiteral(" …"));
        QElapsedTimer timer;
        timer.start();
        const bool succeeded = call.run(facade, IconSetJob::platformFolder(request, call.platform));
        PlatformResult &result = results[call.platform];
        result.milliseconds += timer.elapsed();
        result.succeeded = result.succeeded && succeeded;
        if (!onTerminal || !succeeded) {
            if (onTerminal)
                print(stdout, QStringLiteral("\r\033[K"));
            print(stdout, step + QLatin1Char(' ')
                              + (succeeded ? tr("done in %1 ms").arg(timer.elapsed()) : tr("FAILED")) + QLatin1Char('\n'));
        }
    }
    if (onTerminal)
        print(stdout, QStringLiteral("\r\033[K"));

    print(stdout, QStringLiteral("\n%1%2%3%4  %5\n")
                      .arg(padded(tr("platform"), -10), padded(tr("files"), 6), padded(tr("size"), 12),
                           padded(tr("time"), 10), tr("result")));
    FolderSize total;
    qint64 totalMilliseconds = 0;
    bool allSucceeded = true;
    for (const QString &platform : qAsConst(request.platforms)) {
        const PlatformResult result = results.value(platform);
        const FolderSize size = sizeOf(IconSetJob::platformFolder(request, platform));
        total.files += size.files;
        total.bytes += size.bytes;
        totalMilliseconds += result.milliseconds;
        allSucceeded = allSucceeded && result.succeeded;
        print(stdout, QStringLiteral("%1%2%3%4  %5\n")
                          .arg(padded(platform, -10), padded(QString::number(size.files), 6),
                               padded(humanBytes(size.bytes), 12), padded(tr("%1 ms").arg(result.milliseconds), 10),
                               result.succeeded ? tr("ok") : tr("failed")));
    }
    print(stdout, QStringLiteral("%1%2%3%4  %5\n")
                      .arg(padded(tr("total"), -10), padded(QString::number(total.files), 6),
                           padded(humanBytes(total.bytes), 12), padded(tr("%1 ms").arg(totalMilliseconds), 10),
                           allSucceeded ? tr("every set was made") : tr("a set failed")));
    print(stdout, tr("in %1\n").arg(QDir::toNativeSeparators(request.outputFolder)));
    return allSucceeded ? Success : SetFailed;
}
