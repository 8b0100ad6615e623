#include "imaging/ioslaunchimage.h"
#include "imaging/ioslaunchimage_p.h"
#include "imaging/setwriter_p.h"
#include "imaging/launchimage.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QImageReader>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

const char *const Background = "BackgroundImage.png";
const char *const Overlay = "OverlayImage.png";
const char *const Icon = "AppIconOverlay.png";

// Opaque, every pixel different.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 3) % 251));
    }
    return image;
}

// Translucent, with colour under the faint pixels.
QImage translucent(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(200, x % 256, y % 256, (x + y) % 256));
    }
    return image;
}

QImage fittedReference(const QImage &picture)
{
    return smoothScaled(picture, QSize(512, 512), Qt::KeepAspectRatio).convertToFormat(QImage::Format_ARGB32);
}

QString copyingLine(const QImage &picture, const QString &path)
{
    return str("critical IOSLaunchImage::createiOSLaunchImage: Error copying  ") + debugForm(picture) + str("  to  ")
           + quoted(path);
}

QString deletingLine(const QString &path)
{
    return str("critical IOSLaunchImage::createiOSLaunchImage: Error deleting the default image  ") + quoted(path);
}

}

class TestIOSLaunchImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // What is replaced
    void onlyGivenPicturesAreReplaced_data();
    void onlyGivenPicturesAreReplaced();
    void onePictureInSeveralRoles_data();
    void onePictureInSeveralRoles();
    void overlaySizes_data();
    void overlaySizes();
    void backgroundAtItsOwnSize();
    void translucentPicturesKeepTheirAlpha();
    void missingDefaultIsWrittenQuietly();
    void pathVariablesAreExpanded();
    void readBackByImageMagick();

    // Where the folder goes
    void emptyOptionsMakeTheFolderOnly();
    void relativePathFromWorkingFolder();
    void throughTheDispatcher();
    void folderThatCannotBeMade();

    // Failures
    void failedWriteStopsTheOperation();
    void encodingFailureKeepsTheDefault();
    void fitted_data();
    void fitted();

private:
    QString picture(const char *name) const { return m_pictures.filePath(str(name)); }
    QString launchFolder() const { return m_out->filePath(str("LaunchImages")); }
    QString inFolder(const char *name) const { return launchFolder() + QLatin1Char('/') + str(name); }
    // The app project's three defaults, each a small picture of its own colour.
    void writeDefaults();
    QByteArray defaultOf(const char *name) const;

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestIOSLaunchImage::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    QVERIFY(!writePicture(picture("background.png"), pattern(640, 960)).isEmpty());
    QVERIFY(!writePicture(picture("overlay.png"), pattern(1000, 500)).isEmpty());
    QVERIFY(!writePicture(picture("small-overlay.png"), pattern(100, 100)).isEmpty());
    QVERIFY(!writePicture(picture("icon.png"), pattern(300, 200)).isEmpty());
    QVERIFY(!writePicture(picture("translucent.png"), translucent(300, 300)).isEmpty());
    QVERIFY(writeFile(picture("text.png"), "not a picture"));
    FileUtility::setPathVariable(str("LWTEST_IOS_PICTURES"), m_pictures.path());
}

void TestIOSLaunchImage::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestIOSLaunchImage::writeDefaults()
{
    QVERIFY(QDir().mkpath(launchFolder()));
    const std::pair<const char *, QColor> defaults[] = { { Background, Qt::darkBlue },
                                                         { Overlay, Qt::darkGreen },
                                                         { Icon, Qt::darkRed } };
    for (const auto &entry : defaults) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(entry.second);
        QVERIFY(!writePicture(inFolder(entry.first), image).isEmpty());
    }
}

QByteArray TestIOSLaunchImage::defaultOf(const char *name) const
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(name == Background ? Qt::darkBlue : name == Overlay ? Qt::darkGreen : Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void TestIOSLaunchImage::onlyGivenPicturesAreReplaced_data()
{
    QTest::addColumn<QStringList>("given"); // keys: background, overlay, icon
    QTest::addColumn<QStringList>("replaced");

    const QString background = str("background");
    const QString overlay = str("overlay");
    const QString icon = str("icon");
    QTest::newRow("nothing") << QStringList() << QStringList();
    QTest::newRow("icon only") << QStringList{ icon } << QStringList{ str(Icon) };
    QTest::newRow("background only") << QStringList{ background } << QStringList{ str(Background) };
    QTest::newRow("overlay only") << QStringList{ overlay } << QStringList{ str(Overlay) };
    QTest::newRow("background and icon: icon ignored") << QStringList{ background, icon } << QStringList{ str(Background) };
    QTest::newRow("overlay and icon: icon ignored") << QStringList{ overlay, icon } << QStringList{ str(Overlay) };
    QTest::newRow("background and overlay") << QStringList{ background, overlay }
                                            << QStringList{ str(Background), str(Overlay) };
    QTest::newRow("all three") << QStringList{ background, overlay, icon } << QStringList{ str(Background), str(Overlay) };
}

void TestIOSLaunchImage::onlyGivenPicturesAreReplaced()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, replaced);

    writeDefaults();
    QVariantMap options{ { str("backgroundColor"), str("red") } }; // not read here
    if (given.contains(str("background")))
        options.insert(str("backgroundImage"), picture("background.png"));
    if (given.contains(str("overlay")))
        options.insert(str("overlayImage"), picture("overlay.png"));
    if (given.contains(str("icon")))
        options.insert(str("iconImage"), picture("icon.png"));

    MessageRecorder recorder;
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), options));
    QCOMPARE(recorder.messages(), QStringList());

    const QImage expected[] = { pattern(640, 960).convertToFormat(QImage::Format_ARGB32),
                                fittedReference(pattern(1000, 500)),
                                fittedReference(pattern(300, 200)) };
    const char *const names[] = { Background, Overlay, Icon };
    for (int i = 0; i < 3; ++i) {
        if (replaced.contains(str(names[i]))) {
            QCOMPARE(QImageReader(inFolder(names[i])).format(), QByteArray("png"));
            QVERIFY2(readPicture(inFolder(names[i])) == expected[i], names[i]);
        } else {
            QVERIFY2(fileContents(inFolder(names[i])) == defaultOf(names[i]), names[i]);
        }
    }
    QCOMPARE(QDir(launchFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3);
}

void TestIOSLaunchImage::onePictureInSeveralRoles_data()
{
    QTest::addColumn<QStringList>("roles"); // option keys naming background.png
    QTest::addColumn<QStringList>("replaced");

    const QString background = str("backgroundImage");
    const QString overlay = str("overlayImage");
    const QString icon = str("iconImage");
    QTest::newRow("background and overlay") << QStringList{ background, overlay }
                                            << QStringList{ str(Background), str(Overlay) };
    QTest::newRow("all three") << QStringList{ background, overlay, icon }
                               << QStringList{ str(Background), str(Overlay) };
    QTest::newRow("overlay and icon") << QStringList{ overlay, icon } << QStringList{ str(Overlay) };
}

// The file is read once and serves every role that names it, each as if it
// had been named alone.
void TestIOSLaunchImage::onePictureInSeveralRoles()
{
    QFETCH(QStringList, roles);
    QFETCH(QStringList, replaced);

    writeDefaults();
    QVariantMap options;
    for (const QString &role : qAsConst(roles))
        options.insert(role, picture("background.png"));
    MessageRecorder recorder;
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), options));
    QCOMPARE(recorder.messages(), QStringList());

    const QImage source = pattern(640, 960).convertToFormat(QImage::Format_ARGB32);
    const QImage expected[] = { source, fittedReference(source), fittedReference(source) };
    const char *const names[] = { Background, Overlay, Icon };
    for (int i = 0; i < 3; ++i) {
        if (replaced.contains(str(names[i])))
            QVERIFY2(readPicture(inFolder(names[i])) == expected[i], names[i]);
        else
            QVERIFY2(fileContents(inFolder(names[i])) == defaultOf(names[i]), names[i]);
    }
}

void TestIOSLaunchImage::overlaySizes_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("1000 x 500 overlay") << str("overlay.png") << str("overlayImage") << QSize(512, 256);
    QTest::newRow("100 x 100 overlay is enlarged") << str("small-overlay.png") << str("overlayImage") << QSize(512, 512);
    QTest::newRow("300 x 200 icon") << str("icon.png") << str("iconImage") << QSize(512, 341);
    QTest::newRow("100 x 100 icon is enlarged") << str("small-overlay.png") << str("iconImage") << QSize(512, 512);
}

void TestIOSLaunchImage::overlaySizes()
{
    QFETCH(QString, source);
    QFETCH(QString, key);
    QFETCH(QSize, expected);

    writeDefaults();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { key, m_pictures.filePath(source) } }));
    const char *name = key == str("overlayImage") ? Overlay : Icon;
    QCOMPARE(QImageReader(inFolder(name)).size(), expected);
    QVERIFY(readPicture(inFolder(name)) == fittedReference(QImage(m_pictures.filePath(source))));
}

void TestIOSLaunchImage::backgroundAtItsOwnSize()
{
    const QString large = writePicture(m_pictures.filePath(str("large.png")), pattern(2732, 2732));
    QVERIFY(!large.isEmpty());
    writeDefaults();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("backgroundImage"), large } }));
    QCOMPARE(QImageReader(inFolder(Background)).size(), QSize(2732, 2732));
    QVERIFY(readPicture(inFolder(Background)) == pattern(2732, 2732).convertToFormat(QImage::Format_ARGB32));

    // Any readable format is written as PNG under the same name.
    QVERIFY(pattern(200, 100).save(m_pictures.filePath(str("background.jpg")), "JPEG", 90));
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(),
                                                 { { str("backgroundImage"), m_pictures.filePath(str("background.jpg")) } }));
    QCOMPARE(QImageReader(inFolder(Background)).format(), QByteArray("png"));
    QVERIFY(readPicture(inFolder(Background))
            == QImage(m_pictures.filePath(str("background.jpg"))).convertToFormat(QImage::Format_ARGB32));
}

void TestIOSLaunchImage::translucentPicturesKeepTheirAlpha()
{
    writeDefaults();
    const QString source = picture("translucent.png");
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(),
                                                 { { str("backgroundImage"), source }, { str("overlayImage"), source } }));
    QCOMPARE(readPicture(inFolder(Background)), translucent(300, 300));
    QVERIFY(readPicture(inFolder(Overlay)) == fittedReference(translucent(300, 300)));
    QVERIFY(readPicture(inFolder(Overlay)).hasAlphaChannel());
}

void TestIOSLaunchImage::missingDefaultIsWrittenQuietly()
{
    // No defaults at all, and a folder that does not exist yet: nothing to
    // delete is no error.
    MessageRecorder recorder;
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("backgroundImage"), picture("background.png") },
                                                                   { str("overlayImage"), picture("overlay.png") },
                                                                   { str("iconImage"), picture("icon.png") } }));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(QImageReader(inFolder(Background)).size(), QSize(640, 960));
    QCOMPARE(QImageReader(inFolder(Overlay)).size(), QSize(512, 256));
    QVERIFY(!QFileInfo::exists(inFolder(Icon)));

    // The icon alone, without its default: quiet too.
    init();
    recorder.clear();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("iconImage"), picture("icon.png") } }));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(QDir(launchFolder()).entryList(QDir::Files), QStringList{ str(Icon) });
}

void TestIOSLaunchImage::pathVariablesAreExpanded()
{
    writeDefaults();
    MessageRecorder recorder;
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(),
                                                 { { str("backgroundImage"), str("$LWTEST_IOS_PICTURES/background.png") },
                                                   { str("overlayImage"), str("$LWTEST_IOS_PICTURES/overlay.png") } }));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QImageReader(inFolder(Background)).size(), QSize(640, 960));
    QCOMPARE(QImageReader(inFolder(Overlay)).size(), QSize(512, 256));

    recorder.clear();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(),
                                                 { { str("iconImage"), str("$LWTEST_IOS_PICTURES/icon.png") } }));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QImageReader(inFolder(Icon)).size(), QSize(512, 341));
}

void TestIOSLaunchImage::readBackByImageMagick()
{
    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");

    writeDefaults();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("backgroundImage"), picture("translucent.png") },
                                                                   { str("overlayImage"), picture("overlay.png") } }));
    QProcess process;
    process.start(identify, { str("-format"), str("%f %m %wx%h %A\n"), inFolder(Background), inFolder(Overlay), inFolder(Icon) });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // ImageMagick names an opaque picture's missing alpha "Undefined" or "False" by version.
    lines.replaceInStrings(str(" Undefined"), str(" False"));
    QCOMPARE(lines, (QStringList{ str("BackgroundImage.png PNG 300x300 True"), str("OverlayImage.png PNG 512x256 False"),
                                  str("AppIconOverlay.png PNG 16x16 False") }));
}

void TestIOSLaunchImage::emptyOptionsMakeTheFolderOnly()
{
    MessageRecorder recorder;
    const QString target = m_out->filePath(str("a/b"));
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(target, QVariantMap()));
    QVERIFY(QFileInfo(target + str("/LaunchImages")).isDir());
    QVERIFY(QDir(target + str("/LaunchImages")).isEmpty());

    // Unreadable and missing pictures, and the colour, count as not given;
    // the pictures that were named but cannot be read are reported.
    writeDefaults();
    QVERIFY(IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("backgroundImage"), picture("text.png") },
                                                                   { str("overlayImage"), picture("missing.png") },
                                                                   { str("iconImage"), QString() },
                                                                   { str("backgroundColor"), str("#00ff00") } }));
    QCOMPARE(recorder.lines(), (QStringList{ unreadablePictureLine(str("backgroundImage"), picture("text.png")),
                                             unreadablePictureLine(str("overlayImage"), picture("missing.png")) }));
    for (const char *name : { Background, Overlay, Icon })
        QCOMPARE(fileContents(inFolder(name)), defaultOf(name));
}

void TestIOSLaunchImage::relativePathFromWorkingFolder()
{
    const QString working = m_out->filePath(str("working"));
    QVERIFY(QDir().mkpath(working));
    const QString previousWorking = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working));
    MessageRecorder recorder;
    const bool created = IOSLaunchImage::createiOSLaunchImage(str("ios/project"),
                                                              { { str("iconImage"), picture("icon.png") } });
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(created);
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(QImageReader(working + str("/ios/project/LaunchImages/AppIconOverlay.png")).size(), QSize(512, 341));
    QCOMPARE(QDir(working).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{ str("ios") });
}

void TestIOSLaunchImage::throughTheDispatcher()
{
    FileUtility::setPathVariable(str("LWTEST_IOS_OUT"), m_out->path());
    writeDefaults();
    MessageRecorder recorder;
    QVERIFY(LaunchImage::createLaunchImage(str("IOS"), str("$LWTEST_IOS_OUT"),
                                           { { str("overlayImage"), str("$LWTEST_IOS_PICTURES/small-overlay.png") } }));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QImageReader(inFolder(Overlay)).size(), QSize(512, 512));
    QCOMPARE(fileContents(inFolder(Background)), defaultOf(Background));
}

void TestIOSLaunchImage::folderThatCannotBeMade()
{
    // A file where the target folder should be stops everyone, root included.
    const QString target = m_out->filePath(str("file"));
    QVERIFY(writeFile(target, "plain text"));

    MessageRecorder recorder;
    QVERIFY(!IOSLaunchImage::createiOSLaunchImage(target, { { str("iconImage"), picture("icon.png") } }));
    QCOMPARE(recorder.lines(), QStringList{ str("critical IOSLaunchImage::createiOSLaunchImage: Error creating ")
                                            + quoted(target + str("/LaunchImages")) });

    recorder.clear();
    QVERIFY(!LaunchImage::createLaunchImage(str("ios"), target, QVariantMap()));
    QCOMPARE(recorder.lines(), (QStringList{ str("critical IOSLaunchImage::createiOSLaunchImage: Error creating ")
                                                 + quoted(target + str("/LaunchImages")),
                                             str("warning LaunchImage::createLaunchImage: Error creating for \"ios\"") }));
    QCOMPARE(fileContents(target), QByteArray("plain text"));
}

void TestIOSLaunchImage::failedWriteStopsTheOperation()
{
    // A folder in the background's place can be neither deleted nor
    // replaced: the operation stops there, and the overlay's default stays.
    writeDefaults();
    QVERIFY(QFile::remove(inFolder(Background)));
    QVERIFY(QDir().mkpath(inFolder(Background) + str("/inside")));

    MessageRecorder recorder;
    QVERIFY(!IOSLaunchImage::createiOSLaunchImage(m_out->path(), { { str("backgroundImage"), picture("background.png") },
                                                                    { str("overlayImage"), picture("overlay.png") } }));
    QCOMPARE(recorder.lines(), (QStringList{ deletingLine(inFolder(Background)),
                                             copyingLine(QImage(picture("background.png")), inFolder(Background)) }));
    QVERIFY(QFileInfo(inFolder(Background) + str("/inside")).isDir());
    QCOMPARE(fileContents(inFolder(Overlay)), defaultOf(Overlay));

    // Through the dispatcher, its warning follows.
    recorder.clear();
    QVERIFY(!LaunchImage::createLaunchImage(str("ios"), m_out->path(), { { str("backgroundImage"), picture("background.png") } }));
    QCOMPARE(recorder.lines().size(), 3);
    QCOMPARE(recorder.lines().last(), str("warning LaunchImage::createLaunchImage: Error creating for \"ios\""));
}

void TestIOSLaunchImage::encodingFailureKeepsTheDefault()
{
    // The replacement is made before the default is deleted: a picture that
    // cannot be encoded leaves the default in place, and nothing is deleted.
    writeDefaults();
    MessageRecorder recorder;
    SetWriter set(SetWriter::EveryFileWritten);
    QVERIFY(!IOSLaunchImagePrivate::replaceDefaultImage(
        "static bool IOSLaunchImage::createiOSLaunchImage(const QString&, const QVariantMap&)", QImage(), inFolder(Icon),
        &set));
    QVERIFY(!set.result());
    QCOMPARE(recorder.lines(), QStringList{ copyingLine(QImage(), inFolder(Icon)) });
    QCOMPARE(fileContents(inFolder(Icon)), defaultOf(Icon));

    // A picture that can be encoded replaces it.
    recorder.clear();
    SetWriter next(SetWriter::EveryFileWritten);
    QVERIFY(IOSLaunchImagePrivate::replaceDefaultImage(
        "static bool IOSLaunchImage::createiOSLaunchImage(const QString&, const QVariantMap&)", pattern(30, 20),
        inFolder(Icon), &next));
    QVERIFY(next.result());
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(readPicture(inFolder(Icon)), pattern(30, 20).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(QDir(launchFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3);
}

void TestIOSLaunchImage::fitted_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("wide") << pattern(1000, 500) << QSize(512, 256);
    QTest::newRow("tall, enlarged") << pattern(50, 100) << QSize(256, 512);
    QTest::newRow("one pixel") << pattern(1, 1) << QSize(512, 512);
    QTest::newRow("a line") << pattern(2000, 1) << QSize(512, 1);
    QTest::newRow("exactly 512") << pattern(512, 512) << QSize(512, 512);
    QTest::newRow("null") << QImage() << QSize(0, 0);
}

void TestIOSLaunchImage::fitted()
{
    QFETCH(QImage, source);
    QFETCH(QSize, expected);

    const QImage result = IOSLaunchImagePrivate::fitted(source);
    QCOMPARE(result.size(), expected);
    // QImage::scaled gives nothing for a side that rounds to 0; fitted keeps one pixel.
    const QImage reference = source.isNull() ? QImage() : fittedReference(source);
    if (!reference.isNull())
        QVERIFY(result.convertToFormat(QImage::Format_ARGB32) == reference);
}

QTEST_MAIN(TestIOSLaunchImage)
#include "tst_ioslaunchimage.moc"
