#include "imaging/appicon.h"
#include "imaging/macosicon.h"
#include "tests/helpers/containers.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

#include <QtTest>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// The elements that every icon holds, in the order of the file.
const QStringList ElementTypes = { str("icp4"), str("icp5"), str("ic07"), str("ic08"), str("ic09"),
                                   str("ic10"), str("ic11"), str("ic12"), str("ic13"), str("ic14") };
const QVector<int> ElementSides = { 16, 32, 128, 256, 512, 1024, 32, 64, 256, 512 };

// The pictures of an .icns file as Qt's reader sees them.
QList<QImage> readByQt(const QString &path)
{
    QList<QImage> images;
    QImageReader reader(path);
    if (reader.format() != "icns")
        return images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        images.append(reader.read());
    return images;
}

// The pictures of the file's elements by type, the table of contents left
// out; a null picture for data that is no PNG.
QMap<QString, QImage> elementPictures(const QString &path)
{
    QMap<QString, QImage> pictures;
    const containers::Icns icns = containers::readIcns(fileContents(path));
    if (!icns.valid())
        return { { str("broken"), QImage() } };
    for (const containers::IcnsElement &element : icns.elements) {
        if (element.type != QLatin1String("TOC "))
            pictures.insert(element.type, QImage::fromData(element.data, "png"));
    }
    return pictures;
}

// The icon elements that icns2png lists as "type WxH", the table of contents
// left out; this libicns knows the sizes of ic08, ic09 and ic10 only and
// shows the other types, which it still lists, as 0x0.
QStringList elementsByIcns2png(const QString &executable, const QString &path)
{
    QProcess process;
    process.start(executable, { QStringLiteral("-l"), path });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return { QStringLiteral("icns2png failed") };
    static const QRegularExpression element(QStringLiteral("^\\s+'(\\w{4})' (\\d+x\\d+)"),
                                            QRegularExpression::MultilineOption);
    QStringList elements;
    QRegularExpressionMatchIterator matches = element.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        elements.append(match.captured(1) + QLatin1Char(' ') + match.captured(2));
    }
    return elements;
}

// What every element of a picture's icon shows: the picture scaled to the
// element's side, stretched if need be, as straight ARGB.
QImage expectedElement(const QImage &source, int side)
{
    return smoothScaled(source, QSize(side, side)).convertToFormat(QImage::Format_ARGB32);
}

}

class TestMacOSIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    // What the file holds
    void elements_data();
    void elements();
    void optionsHaveNoEffect();
    void tracesItsArguments();
    void nonSquareSourceArrivesSquared();

    // Where the file goes
    void replacesExistingIcon();
    void makesMissingFolders();
    void relativePathFromWorkingFolder();
    void refusedTargets_data();
    void refusedTargets();
    void failedWriteKeepsPreviousIcon_data();
    void failedWriteKeepsPreviousIcon();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    int lines() const { return m_log->countFrom("Varnex."); }

    QTemporaryDir m_dir;
    std::unique_ptr<MessageRecorder> m_log;
};

// Messages are counted and handed on to QtTest, whose ignoreMessage checks
// the text: a test sees both what was logged and that nothing else was.
void TestMacOSIcon::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_log.reset(new MessageRecorder(MessageRecorder::PassOn));
}

void TestMacOSIcon::cleanupTestCase()
{
    m_log.reset();
}

void TestMacOSIcon::init()
{
    m_log->clear();
}

void TestMacOSIcon::elements_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QString>("colourType");

    // Every element is made from the picture, larger or smaller than it.
    QTest::newRow("1024") << picture(1024) << str("rgba");
    QTest::newRow("512, premultiplied") << picture(512, QImage::Format_ARGB32_Premultiplied) << str("rgba");
    QTest::newRow("32, opaque") << picture(32, QImage::Format_RGB32) << str("rgb");
    QTest::newRow("2048") << picture(2048) << str("rgba");
    QTest::newRow("300") << picture(300) << str("rgba");
    QImage onePixel(1, 1, QImage::Format_RGB32);
    onePixel.fill(QColor(12, 34, 56));
    QTest::newRow("one pixel") << onePixel << str("rgb");
    // Only the dispatcher squares a picture; one that comes here directly
    // is stretched to each side.
    QTest::newRow("300 by 200, stretched") << noise(QSize(300, 200), 97531) << str("rgb");
}

void TestMacOSIcon::elements()
{
    QFETCH(QImage, source);
    QFETCH(QString, colourType);
    const QString target = path(str("elements/%1.icns").arg(str(QTest::currentDataTag())));

    QVERIFY(MacOSIcon::createMacOSIcon(source, target, QVariantMap()));
    QCOMPARE(lines(), 0);

    // The table of contents, then every element in order; the table lists
    // each element's type and length, header included.
    const containers::Icns icns = containers::readIcns(fileContents(target));
    QVERIFY2(icns.valid(), icns.fault.constData());
    const QVector<containers::IcnsElement> &elements = icns.elements;
    QStringList types;
    for (const containers::IcnsElement &element : elements)
        types.append(element.type);
    QCOMPARE(types, QStringList{ str("TOC ") } + ElementTypes);
    QByteArray contents;
    for (int i = 1; i < elements.size(); ++i) {
        contents += elements.at(i).type.toLatin1();
        const quint32 length = qToBigEndian(quint32(elements.at(i).data.size() + 8));
        contents += QByteArray(reinterpret_cast<const char *>(&length), 4);
    }
    QCOMPARE(elements.first().data, contents);

    // Each element a PNG of its side, showing the picture scaled to it; the
    // @1x and @2x elements of one side share their data.
    QMap<int, QByteArray> bySide;
    for (int i = 0; i < ElementTypes.size(); ++i) {
        const containers::IcnsElement &element = elements.at(i + 1);
        const int side = ElementSides.at(i);
        QVERIFY2(element.data.startsWith("\x89PNG\r\n\x1a\n"), qPrintable(element.type));
        QCOMPARE(element.data.at(25), char(colourType == QLatin1String("rgba") ? 6 : 2));
        const QImage shown = QImage::fromData(element.data, "png").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), QSize(side, side));
        QVERIFY2(shown == expectedElement(source, side), qPrintable(element.type));
        if (bySide.contains(side))
            QCOMPARE(element.data, bySide.value(side));
        bySide.insert(side, element.data);
    }

    // Qt's reader finds all ten pictures, whatever order it gives them in.
    QVector<int> read;
    for (const QImage &image : readByQt(target)) {
        QCOMPARE(image.width(), image.height());
        read.append(image.width());
    }
    QVector<int> sides = ElementSides;
    std::sort(read.begin(), read.end());
    std::sort(sides.begin(), sides.end());
    QCOMPARE(read, sides);

    const QString icns2png = QStandardPaths::findExecutable(str("icns2png"));
    if (icns2png.isEmpty())
        QSKIP("icns2png is not installed");
    QCOMPARE(elementsByIcns2png(icns2png, target),
             QStringList({ str("icp4 0x0"), str("icp5 0x0"), str("ic07 0x0"), str("ic08 256x256"),
                           str("ic09 512x512"), str("ic10 1024x1024"), str("ic11 0x0"), str("ic12 0x0"),
                           str("ic13 0x0"), str("ic14 0x0") }));
}

void TestMacOSIcon::optionsHaveNoEffect()
{
    const QString plain = path(str("options/plain.icns"));
    const QString optioned = path(str("options/optioned.icns"));
    const QVariantMap options = { { str("backgroundColor"), str("red") },
                                  { str("iconImage"), path(str("nowhere.png")) },
                                  { str("overlayImage"), path(str("nowhere.png")) } };

    QVERIFY(MacOSIcon::createMacOSIcon(picture(128), plain, QVariantMap()));
    QVERIFY(MacOSIcon::createMacOSIcon(picture(128), optioned, options));
    QCOMPARE(fileContents(optioned), fileContents(plain));
}

void TestMacOSIcon::tracesItsArguments()
{
    QLoggingCategory::setFilterRules(str("Varnex.Loomwright.Core.debug=true"));
    const QImage source = picture(32);
    const QString target = path(str("trace/icon.icns"));
    const QVariantMap options = { { str("backgroundColor"), str("#ff0000") } };

    QTest::ignoreMessage(QtDebugMsg,
                         logLine("MacOSIcon::createMacOSIcon",
                                 debugForm(source) + QLatin1Char(' ') + quoted(target)
                                         + str(" QMap((\"backgroundColor\", QVariant(QString, \"#ff0000\")))")));
    const bool written = MacOSIcon::createMacOSIcon(source, target, options);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(written);
}

// Through the dispatcher, a 256 × 128 source becomes 256 × 256 with bands of
// 64 rows, which the 256-pixel elements show as they are.
void TestMacOSIcon::nonSquareSourceArrivesSquared()
{
    const QImage source = noise(QSize(256, 128), 24680);
    QVERIFY(QDir().mkpath(path(str("dispatch"))));
    const QString sourceFile = writePicture(path(str("dispatch/wide.png")), source);
    QVERIFY(!sourceFile.isEmpty());
    const QString target = path(str("dispatch/icon.icns"));

    QVERIFY(AppIcon::createAppIcon(str("MacOS"), sourceFile, target, { { str("backgroundColor"), str("red") } }));
    QCOMPARE(readByQt(target).size(), ElementTypes.size());
    QImage expected(256, 256, QImage::Format_ARGB32);
    expected.fill(Qt::red);
    expected = drawn(expected, sourceFile, source.size(), QPoint(0, 64));
    const QMap<QString, QImage> pictures = elementPictures(target);
    QCOMPARE(pictures.value(str("ic08")).convertToFormat(QImage::Format_ARGB32), expected);
    QCOMPARE(pictures.value(str("ic13")).convertToFormat(QImage::Format_ARGB32), expected);
}

void TestMacOSIcon::replacesExistingIcon()
{
    const QString target = path(str("replace/icon.icns"));
    QVERIFY(MacOSIcon::createMacOSIcon(picture(1024), target, QVariantMap()));
    QVERIFY(MacOSIcon::createMacOSIcon(picture(16), target, QVariantMap()));

    QCOMPARE(readByQt(target).size(), ElementTypes.size());
    QCOMPARE(elementPictures(target).value(str("icp4")), picture(16));
    QCOMPARE(QDir(path(str("replace"))).entryList(QDir::Files), QStringList{ str("icon.icns") });
}

// The file name has no suffix: the container is .icns whatever the name says.
void TestMacOSIcon::makesMissingFolders()
{
    const QString target = path(str("missing/a/b/c/AppIcon"));
    QVERIFY(!QFileInfo::exists(path(str("missing"))));
    QVERIFY(MacOSIcon::createMacOSIcon(picture(64), target, QVariantMap()));
    QCOMPARE(readByQt(target).size(), ElementTypes.size());
}

// The folders and the file both follow the working folder, never the home
// folder.
void TestMacOSIcon::relativePathFromWorkingFolder()
{
    const QString working = path(str("relative/working"));
    const QString home = path(str("relative/home"));
    QVERIFY(QDir().mkpath(working) && QDir().mkpath(home));

    const QString previousWorking = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(working));
    qputenv("HOME", QFile::encodeName(home));
    const bool written = MacOSIcon::createMacOSIcon(picture(64), str("sub/dir/icon.icns"), QVariantMap());
    qputenv("HOME", previousHome);
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(written);
    QCOMPARE(readByQt(working + str("/sub/dir/icon.icns")).size(), ElementTypes.size());
    QVERIFY(QDir(home).isEmpty());
}

void TestMacOSIcon::refusedTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expectedLine");

    // A regular file in the way stops even root, where permission bits do not.
    const QString file = path(str("refused/file.txt"));
    QVERIFY(QDir().mkpath(path(str("refused/folder.icns"))));
    QVERIFY(writeFile(file, "plain text"));
    QTest::newRow("folder under a file") << file + str("/sub/icon.icns")
                                         << str("Error creating path ") + quoted(file + str("/sub"));
    QTest::newRow("file under a file") << file + str("/icon.icns") << str("Error creating path ") + quoted(file);
    QTest::newRow("existing folder") << path(str("refused/folder.icns"))
                                     << str("Error opening ") + quoted(path(str("refused/folder.icns")));
    QTest::newRow("empty path") << QString() << str("Error opening \"\"");
    QTest::newRow("folder that takes no files") << str("/proc/loomwright.icns")
                                                << str("Error opening \"/proc/loomwright.icns\"");
}

void TestMacOSIcon::refusedTargets()
{
    QFETCH(QString, target);
    QFETCH(QString, expectedLine);

    if (target.startsWith(str("/proc/")) && !QFileInfo(str("/proc/version")).exists())
        QSKIP("No /proc on this system");

    QTest::ignoreMessage(QtCriticalMsg, logLine("MacOSIcon::createMacOSIcon", expectedLine));
    QVERIFY(!MacOSIcon::createMacOSIcon(picture(64), target, QVariantMap()));
    QCOMPARE(lines(), 1);
    QCOMPARE(fileContents(path(str("refused/file.txt"))), QByteArray("plain text"));
    QVERIFY(QFileInfo(path(str("refused/folder.icns"))).isDir());
    QCOMPARE(QDir(path(str("refused"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);

    // The dispatcher adds its warning after the generator's line.
    const QString source = writePicture(path(str("source.png")), picture(64));
    QVERIFY(!source.isEmpty());
    QTest::ignoreMessage(QtCriticalMsg, logLine("MacOSIcon::createMacOSIcon", expectedLine));
    QTest::ignoreMessage(QtWarningMsg, logLine("AppIcon::createAppIcon", str("Error converting to format \"macos\"")));
    QVERIFY(!AppIcon::createAppIcon(str("macos"), source, target, QVariantMap()));
}

void TestMacOSIcon::failedWriteKeepsPreviousIcon_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<qint64>("fileSizeLimit");

    QTest::newRow("null picture") << QImage() << qint64(0);
#ifdef Q_OS_UNIX
    QTest::newRow("disk full") << noise(QSize(1024, 1024), 13579).convertToFormat(QImage::Format_ARGB32) << qint64(8192);
#endif
}

// A write the handler rejects, or that the disk does not take, logs nothing
// here and leaves the icon that was there, and no temporary file.
void TestMacOSIcon::failedWriteKeepsPreviousIcon()
{
    QFETCH(QImage, source);
    QFETCH(qint64, fileSizeLimit);

    const QString folder = path(str("kept/%1").arg(str(QTest::currentDataTag())));
    const QString target = folder + str("/icon.icns");
    QVERIFY(MacOSIcon::createMacOSIcon(picture(64), target, QVariantMap()));
    const QByteArray previous = fileContents(target);
    QVERIFY(!previous.isEmpty());

    bool written = true;
#ifdef Q_OS_UNIX
    // Writes past the limit fail with EFBIG, as on a full disk; the signal
    // that would otherwise end the process is ignored meanwhile.
    rlimit limit = {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit previousLimit = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (fileSizeLimit > 0) {
        limit.rlim_cur = rlim_t(fileSizeLimit);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }
    written = MacOSIcon::createMacOSIcon(source, target, QVariantMap());
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);
#else
    written = MacOSIcon::createMacOSIcon(source, target, QVariantMap());
#endif

    QVERIFY(!written);
    QCOMPARE(lines(), 0);
    QCOMPARE(fileContents(target), previous);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{ str("icon.icns") });
}

QTEST_MAIN(TestMacOSIcon)
#include "tst_macosicon.moc"
