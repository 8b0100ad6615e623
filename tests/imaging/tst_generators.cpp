#include "imaging/androidicon.h"
#include "imaging/androidlaunchimage.h"
#include "imaging/appicon.h"
#include "imaging/imagecopy.h"
#include "imaging/iosicon.h"
#include "imaging/ioslaunchimage.h"
#include "imaging/launchimage.h"
#include "imaging/macosicon.h"
#include "imaging/windowsicon.h"
#include "imaging/winrticon.h"
#include "imaging/winrtlaunchimage.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <tuple>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// What every generator does with the files it writes, whatever it writes.

namespace {

enum Kind { Copy, AppIcons, AdaptiveBackgrounds, LaunchImages };

// Each generator as a tool calls it, with a source picture file; launch
// images use it as their icon. target names a file under the output folder,
// or is empty for a set written into a folder.
struct Generator
{
    const char *name;
    Kind kind;
    const char *os;
    const char *target;
};

const Generator Generators[] = {
    { "copy", Copy, "", "copy.png" },
    { "windows icon", AppIcons, "windows", "app.ico" },
    { "macos icon", AppIcons, "macos", "app.icns" },
    { "android icons", AppIcons, "android", "" },
    { "ios icons", AppIcons, "ios", "" },
    { "winrt icons", AppIcons, "winrt", "" },
    { "adaptive backgrounds", AdaptiveBackgrounds, "", "" },
    { "android launch images", LaunchImages, "android", "" },
    { "ios launch images", LaunchImages, "ios", "" },
    { "winrt launch images", LaunchImages, "winrt", "" },
    { "installer images", LaunchImages, "installer", "" },
};

QVariantMap withIcon(const QString &source, QVariantMap options = {})
{
    options.insert(str("iconImage"), source);
    return options;
}

// options go to the generators that take options, with the icon of the
// launch images.
bool generate(const Generator &generator, const QString &source, const QString &target,
              const QVariantMap &options = {})
{
    const QString os = str(generator.os);
    switch (generator.kind) {
    case Copy:
        return ImageCopy::copyImage(source, target, 0, 0, Qt::white, QString(), -1, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation);
    case AppIcons:
        return AppIcon::createAppIcon(os, source, target, options);
    case AdaptiveBackgrounds:
        return AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(source, target);
    case LaunchImages:
        return LaunchImage::createLaunchImage(os, target, withIcon(source, options));
    }
    return false;
}

// Every picture in a file's bytes, a container's one by one.
QVector<QImage> picturesIn(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QVector<QImage> pictures{ reader.read() };
    while (reader.jumpToNextImage())
        pictures.append(reader.read());
    return pictures;
}

// Each generator entry point as called directly, for its trace line: picture
// is null for those that take none.
struct Traced
{
    const char *name;
    const char *function;
    bool (*withPicture)(const QImage &, const QString &, const QVariantMap &);
    bool (*withoutPicture)(const QString &, const QVariantMap &);
};

const Traced TracedGenerators[] = {
    { "windows icon", "WindowsIcon::createWindowsIcon", &WindowsIcon::createWindowsIcon, nullptr },
    { "macos icon", "MacOSIcon::createMacOSIcon", &MacOSIcon::createMacOSIcon, nullptr },
    { "ios icons", "IOSIcon::createiOSIcon", &IOSIcon::createiOSIcon, nullptr },
    { "winrt icons", "WinRTIcon::createWinRTIcon", &WinRTIcon::createWinRTIcon, nullptr },
    { "android icons", "AndroidIcon::createAndroidIcon", &AndroidIcon::createAndroidIcon, nullptr },
    { "android launch images", "AndroidLaunchImage::createAndroidLaunchImage", nullptr,
      &AndroidLaunchImage::createAndroidLaunchImage },
    { "ios launch images", "IOSLaunchImage::createiOSLaunchImage", nullptr, &IOSLaunchImage::createiOSLaunchImage },
    { "winrt launch images", "WinRTLaunchImage::createWinRTLaunchImage", nullptr,
      &WinRTLaunchImage::createWinRTLaunchImage },
};

// A one-entry option map with a text value as QDebug writes it.
QString optionsForm(const QString &key, const QString &value)
{
    return str("QMap((\"%1\", QVariant(QString, \"%2\")))").arg(key, value);
}

const char *const FullDiskOption = "--generate-on-full-disk";

// Every file under folder with its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &file : filesUnder(folder))
        files.insert(file, fileContents(QDir(folder).filePath(file)));
    return files;
}

#ifdef Q_OS_UNIX
// In a process of its own, which the test starts: no file can grow past 0
// bytes, as on a full disk, and the writes fail with EFBIG instead of ending
// the process.
int generateOnFullDisk(int generator, const QString &source, const QString &target)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = {};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
    limit.rlim_cur = 0;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
    std::puts(generate(Generators[generator], source, target) ? "true" : "false");
    return 0;
}
#endif

}

class TestGenerators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void fullDiskKeepsPreviousFiles_data();
    void fullDiskKeepsPreviousFiles();
    void emptyTargetIsRefused_data();
    void emptyTargetIsRefused();
    void unreadableOptionPictureIsReported_data();
    void unreadableOptionPictureIsReported();
    void smallestKeepsPixels_data();
    void smallestKeepsPixels();
    void tracesItsArguments_data();
    void tracesItsArguments();
    void adaptiveBackgroundTracesItsSourceAsPassed();

private:
    QTemporaryDir m_dir;
    QString m_source;
};

void TestGenerators::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Small enough for every container to fit into a file's write buffer,
    // where a failure shows only on the last flush.
    m_source = writePicture(m_dir.filePath(str("source.png")), picture(64));
    QVERIFY(!m_source.isEmpty());
    QVERIFY(writeFile(m_dir.filePath(str("text.png")), "not a picture"));
}

void TestGenerators::fullDiskKeepsPreviousFiles_data()
{
    QTest::addColumn<int>("generator");
    for (int i = 0; i < int(std::size(Generators)); ++i)
        QTest::newRow(Generators[i].name) << i;
}

void TestGenerators::fullDiskKeepsPreviousFiles()
{
#ifdef Q_OS_UNIX
    QFETCH(int, generator);

    const QString out = m_dir.filePath(str("full/") + str(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(out));
    const QString target = QDir(out).filePath(str(Generators[generator].target));
    {
        MessageRecorder quiet;
        QVERIFY(generate(Generators[generator], m_source, target));
    }
    const QMap<QString, QByteArray> previous = snapshot(out);
    QVERIFY(!previous.isEmpty());

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                { str(FullDiskOption), QString::number(generator), m_source, target });
    QVERIFY(child.waitForFinished(300000));
    const QByteArray log = child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, log.constData());
    QCOMPARE(child.readAllStandardOutput(), QByteArray("false\n"));
    QCOMPARE(snapshot(out), previous);
#else
    QSKIP("Needs a file size limit");
#endif
}

void TestGenerators::emptyTargetIsRefused_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<QString>("target");

    // The adaptive backgrounds take their target literally.
    qputenv("LWTEST_EMPTY", QByteArray());
    for (int i = 0; i < int(std::size(Generators)); ++i) {
        if (*Generators[i].target)
            continue;
        QTest::addRow("%s, empty", Generators[i].name) << i << QString();
        if (Generators[i].kind != AdaptiveBackgrounds)
            QTest::addRow("%s, empty variable", Generators[i].name) << i << str("$LWTEST_EMPTY");
    }
}

void TestGenerators::emptyTargetIsRefused()
{
    QFETCH(int, generator);
    QFETCH(QString, target);

    const QString working = m_dir.filePath(str("working/") + str(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(working));
    const QString previousWorking = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working));
    MessageRecorder recorder;
    const bool written = generate(Generators[generator], m_source, target);
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(!written);
    QCOMPARE(entries(working), QStringList());
    const QStringList critical = recorder.lines().filter(QRegularExpression(str("^critical ")));
    QCOMPARE(critical.size(), 1);
    QVERIFY2(critical.first().endsWith(str(": Error creating path: \"\"")), qPrintable(critical.first()));
}

void TestGenerators::unreadableOptionPictureIsReported_data()
{
    QTest::addColumn<QString>("os");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("file");

    QTest::newRow("android, background not a picture") << str("android") << str("backgroundImage") << str("text.png");
    QTest::newRow("ios, overlay missing") << str("ios") << str("overlayImage") << str("missing.png");
    QTest::newRow("ios, icon not a picture") << str("ios") << str("iconImage") << str("text.png");
    QTest::newRow("winrt, icon missing") << str("winrt") << str("iconImage") << str("missing.png");
    QTest::newRow("installer, overlay not a picture") << str("installer") << str("overlayImage") << str("text.png");
}

// The picture counts as not given, as before, but the tool hears of it: the
// files are those made without it, and one warning names the key and the
// file.
void TestGenerators::unreadableOptionPictureIsReported()
{
    QFETCH(QString, os);
    QFETCH(QString, key);
    QFETCH(QString, file);

    const QString out = m_dir.filePath(str("unreadable"));
    const QString path = m_dir.filePath(file);
    QVariantMap options = key == str("iconImage") ? QVariantMap() : withIcon(m_source);
    QVERIFY(QDir(out).removeRecursively() && QDir().mkpath(out));
    MessageRecorder withoutLog;
    QVERIFY(LaunchImage::createLaunchImage(os, out, options));
    const QMap<QString, QByteArray> without = snapshot(out);

    options.insert(key, path);
    QVERIFY(QDir(out).removeRecursively() && QDir().mkpath(out));
    MessageRecorder withLog;
    QVERIFY(LaunchImage::createLaunchImage(os, out, options));
    QCOMPARE(snapshot(out), without);
    QCOMPARE(withLog.lines(), QStringList{ unreadablePictureLine(key, path) } + withoutLog.lines());
}

void TestGenerators::smallestKeepsPixels_data()
{
    QTest::addColumn<QString>("generator");
    QTest::addColumn<QVariant>("value");
    // Fewer bytes in sum; otherwise the same files.
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<bool>("warned");

    QTest::newRow("macos icon, true") << str("macos icon") << QVariant(true) << true << false;
    QTest::newRow("windows icon, bitmaps kept") << str("windows icon") << QVariant(true) << false << false;
    QTest::newRow("ios icons, \"1\"") << str("ios icons") << QVariant(str("1")) << true << false;
    QTest::newRow("installer images, \"TRUE\"") << str("installer images") << QVariant(str("TRUE")) << true << false;
    QTest::newRow("android icons, \"0\"") << str("android icons") << QVariant(str("0")) << false << false;
    QTest::newRow("android icons, \"yes\"") << str("android icons") << QVariant(str("yes")) << false << true;
}

// The same files with the same pixels, none larger.
void TestGenerators::smallestKeepsPixels()
{
    QFETCH(QString, generator);
    QFETCH(QVariant, value);
    QFETCH(bool, smaller);
    QFETCH(bool, warned);

    const Generator &chosen = *std::find_if(std::begin(Generators), std::end(Generators),
                                            [&generator](const Generator &g) { return generator == str(g.name); });
    const QString out = m_dir.filePath(str("smallest/") + str(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(out + str("/plain")) && QDir().mkpath(out + str("/given")));
    QVERIFY(generate(chosen, m_source, out + str("/plain/") + str(chosen.target)));
    if (warned) {
        QTest::ignoreMessage(QtWarningMsg, logLine("ImageOptions::smallest",
                                                   str("Invalid value \"smallest\" \"yes\" using false")));
    }
    QVERIFY(generate(chosen, m_source, out + str("/given/") + str(chosen.target), { { str("smallest"), value } }));

    const QMap<QString, QByteArray> plain = snapshot(out + str("/plain"));
    const QMap<QString, QByteArray> given = snapshot(out + str("/given"));
    QCOMPARE(given.keys(), plain.keys());
    qint64 plainBytes = 0;
    qint64 givenBytes = 0;
    for (const QString &file : plain.keys()) {
        QCOMPARE(picturesIn(given[file]), picturesIn(plain[file]));
        QVERIFY2(given[file].size() <= plain[file].size(), qPrintable(file));
        plainBytes += plain[file].size();
        givenBytes += given[file].size();
    }
    if (smaller)
        QVERIFY(givenBytes < plainBytes);
    else
        QCOMPARE(given, plain);
}

void TestGenerators::tracesItsArguments_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("target");

    // Options are traced whether the generator reads them or not.
    QImage onePixel(1, 1, QImage::Format_RGB32);
    onePixel.fill(Qt::black);
    const QString red = str("#ff0000");
    const QString background = str("backgroundColor");
    const QList<std::tuple<QImage, QString, QString, QString>> rows = {
        { picture(32), background, red, str("trace/icon.ico") },
        { picture(32), background, red, str("trace/icon.icns") },
        { noise(QSize(40, 40), 3), background, red, str("trace/ios") },
        { picture(16), background, red, str("trace/winrt") },
        { onePixel, background, str("red"), str("trace/android/res") },
        { QImage(), background, str("blue"), str("trace/android launch") },
        { QImage(), str("iconImage"), str("/nowhere/icon.png"), str("trace/ios launch") },
        { QImage(), background, str("red"), str("trace/winrt launch") },
    };
    for (int i = 0; i < int(std::size(TracedGenerators)); ++i) {
        const auto &[picture, key, value, target] = rows.at(i);
        QTest::newRow(TracedGenerators[i].name) << i << picture << key << value << m_dir.filePath(target);
    }
}

// The debug line names the call as it was made: the picture as QDebug shows
// it, the target as given and the options.
void TestGenerators::tracesItsArguments()
{
    QFETCH(int, generator);
    QFETCH(QImage, picture);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, target);
    const Traced &traced = TracedGenerators[generator];

    // Sets go into a folder that is there already, as some generators make none.
    if (QFileInfo(target).suffix().isEmpty())
        QVERIFY(QDir().mkpath(target));
    const QString arguments = quoted(target) + QLatin1Char(' ') + optionsForm(key, value);
    QLoggingCategory::setFilterRules(str("Varnex.Loomwright.Core.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, logLine(traced.function, traced.withPicture
                                                                      ? debugForm(picture) + QLatin1Char(' ') + arguments
                                                                      : arguments));
    const QVariantMap options = { { key, value } };
    const bool written = traced.withPicture ? traced.withPicture(picture, target, options)
                                            : traced.withoutPicture(target, options);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(written);
}

// The adaptive background takes no options and traces only its source, with
// the path variable not yet expanded.
void TestGenerators::adaptiveBackgroundTracesItsSourceAsPassed()
{
    FileUtility::setPathVariable(str("LWTEST_GENERATORS"), m_dir.path());
    QLoggingCategory::setFilterRules(str("Varnex.Loomwright.Core.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, logLine("AndroidIcon::createAdaptiveIconBackgroundMipMapAsset",
                                             quoted(str("$LWTEST_GENERATORS/source.png"))));
    const bool written = AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(str("$LWTEST_GENERATORS/source.png"),
                                                                             m_dir.filePath(str("trace/background")));
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(written);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
#ifdef Q_OS_UNIX
    if (argc == 5 && qstrcmp(argv[1], FullDiskOption) == 0)
        return generateOnFullDisk(QByteArray(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]),
                                  QString::fromLocal8Bit(argv[4]));
#endif
    TestGenerators test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_generators.moc"
