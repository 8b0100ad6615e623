#include "imaging/launchimage.h"
#include "imaging/launchimage_p.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QtTest>

#include <memory>

namespace {

// Opaque, with every pixel different, so that a picture drawn at the wrong
// place or scale changes the result.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 200));
    }
    return image;
}

QImage canvas(const QSize &size, const QColor &colour)
{
    QImage image(size, colour.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A log line of the overload with this whole signature, then the items (a
// pattern).
QRegularExpression callLine(const char *signature, const QString &items)
{
    return logLinePattern(QRegularExpression::escape(str(signature)), items);
}

const char *const SingleCall =
        "static bool LaunchImage::createLaunchImage(const QString&, const QVariantMap&, int, int)";
const char *const ComposerCall = "bool LaunchImage::Composer::createLaunchImage(const QString&, int, int)";

// Portrait and landscape sizes share scaled pictures; the installer's two
// files share the whole image.
const QList<QSize> SetSizes = { { 320, 480 }, { 480, 800 },  { 720, 1280 }, { 480, 320 },
                                { 800, 480 }, { 1280, 720 }, { 164, 314 },  { 164, 314 } };

}

class TestLaunchImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // Choosing the platform
    void dispatch_data();
    void dispatch();

    // One composed picture
    void composition_data();
    void composition();
    void unknownColourNameGivesWhite();
    void pngWhateverTheSuffix_data();
    void pngWhateverTheSuffix();
    void relativeTargetFollowsWorkingFolder();
    void failures_data();
    void failures();

    // Many pictures from one composer
    void composerMatchesSingleCalls_data();
    void composerMatchesSingleCalls();
    void composerReportsEachFailedWrite();
    void onePictureInSeveralRoles_data();
    void onePictureInSeveralRoles();

private:
    QString picture(const char *name) const { return m_pictures.filePath(str(name)); }
    QString target(const char *name) const { return m_out->filePath(str(name)); }

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestLaunchImage::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    QVERIFY(pattern(256, 256).save(picture("icon.png")));
    QVERIFY(pattern(300, 150).save(picture("wide-icon.png")));
    QVERIFY(pattern(400, 400).save(picture("background.png")));
    QVERIFY(pattern(800, 200).save(picture("overlay.png")));
    QVERIFY(pattern(333, 517).save(picture("tall.png")));

    QImage translucent(120, 120, QImage::Format_ARGB32);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x)
            translucent.setPixel(x, y, qRgba(200, x * 2, y * 2, (x + y) % 256));
    }
    QVERIFY(translucent.save(picture("translucent.png")));
    FileUtility::setPathVariable(QStringLiteral("LWTEST_PICTURES"), m_pictures.path());
}

void TestLaunchImage::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
    FileUtility::setPathVariable(QStringLiteral("LWTEST_OUT"), m_out->path());
}

void TestLaunchImage::dispatch_data()
{
    QTest::addColumn<QString>("os");
    QTest::addColumn<QString>("targetPath");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("files");

    const QString out = str("$LWTEST_OUT");
    const QStringList none;
    const QStringList installer = { str("background.png"), str("watermark.png") };
    const QString dispatcher = str("LaunchImage::createLaunchImage: ");
    const auto refused = [&](const char *os) {
        return QStringList{ str("warning ") + dispatcher + str("Error creating for \"%1\"").arg(str(os)) };
    };
    const QString unknownLinux = str("critical ") + dispatcher + str("Unknown OS \"linux\"");

    QTest::newRow("windows has no launch images") << str("windows") << out << false << refused("windows") << none;
    QTest::newRow("MacOS in other letter case") << str("MacOS") << out << false << refused("MacOS") << none;
    QTest::newRow("linux is unknown") << str("linux") << out << false << QStringList{ unknownLinux } << none;
    QTest::newRow("target expanded before the name is looked at")
            << str("linux") << str("$LWTEST_UNSET/x") << false
            << QStringList{ str("warning FileUtility::resolvedPath: Nonexistent Path variable \"LWTEST_UNSET\""),
                            unknownLinux }
            << none;
    QTest::newRow("installer") << str("installer") << out << true << none << installer;
    QTest::newRow("INSTALLER in other letter case") << str("INSTALLER") << out << true << none << installer;
}

void TestLaunchImage::dispatch()
{
    QFETCH(QString, os);
    QFETCH(QString, targetPath);
    QFETCH(bool, result);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, files);

    MessageRecorder recorder;
    QCOMPARE(LaunchImage::createLaunchImage(os, targetPath, QVariantMap()), result);
    QCOMPARE(recorder.lines(), lines);
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
}

void TestLaunchImage::composition_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage>("expected");

    const QSize splash(620, 300);
    const QImage white = canvas(splash, Qt::white);
    const QVariantMap icon = { { str("iconImage"), picture("icon.png") } };
    const QImage iconDrawn = drawn(white, picture("icon.png"), QSize(100, 100), QPoint(260, 100));
    const QImage backgroundDrawn = drawn(white, picture("background.png"), QSize(620, 620), QPoint(0, -160));
    const QImage overlayDrawn = drawn(white, picture("overlay.png"), QSize(620, 155), QPoint(0, 72));

    QTest::newRow("empty options: white") << QVariantMap() << splash << white;
    QTest::newRow("#ff0000: uniformly red")
            << QVariantMap{ { str("backgroundColor"), str("#ff0000") } } << QSize(90, 40)
            << canvas(QSize(90, 40), Qt::red);
    QTest::newRow("half-transparent colour keeps its alpha")
            << QVariantMap{ { str("backgroundColor"), str("#80ff0000") } } << QSize(30, 20)
            << canvas(QSize(30, 20), QColor(255, 0, 0, 128));
    QTest::newRow("icon: side 100 at (260, 100)") << icon << splash << iconDrawn;
    QTest::newRow("icon through a path variable")
            << QVariantMap{ { str("iconImage"), str("$LWTEST_PICTURES/icon.png") } } << splash << iconDrawn;
    QTest::newRow("wide icon fitted into the square")
            << QVariantMap{ { str("iconImage"), picture("wide-icon.png") } } << splash
            << drawn(white, picture("wide-icon.png"), QSize(100, 50), QPoint(260, 125));
    QTest::newRow("translucent icon on the colour")
            << QVariantMap{ { str("iconImage"), picture("translucent.png") },
                            { str("backgroundColor"), str("#336699") } }
            << QSize(300, 620) << drawn(canvas(QSize(300, 620), QColor(0x33, 0x66, 0x99)), picture("translucent.png"),
                                        QSize(100, 100), QPoint(100, 260));
    QTest::newRow("background 400×400: 620×620 at (0, -160)")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") } } << splash << backgroundDrawn;
    QTest::newRow("odd overflow cut one more at the bottom")
            << QVariantMap{ { str("backgroundImage"), picture("tall.png") } } << QSize(400, 300)
            << drawn(canvas(QSize(400, 300), Qt::white), picture("tall.png"), QSize(400, 621), QPoint(0, -160));
    QTest::newRow("overlay 800×200: 620×155 at (0, 72)")
            << QVariantMap{ { str("overlayImage"), picture("overlay.png") } } << splash << overlayDrawn;
    QTest::newRow("overlay over background")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") },
                            { str("overlayImage"), picture("overlay.png") } }
            << splash << drawn(backgroundDrawn, picture("overlay.png"), QSize(620, 155), QPoint(0, 72));
    QTest::newRow("background hides the icon")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") },
                            { str("iconImage"), picture("icon.png") } }
            << splash << backgroundDrawn;
    QTest::newRow("overlay hides the icon")
            << QVariantMap{ { str("overlayImage"), picture("overlay.png") }, { str("iconImage"), picture("icon.png") } }
            << splash << overlayDrawn;
    QTest::newRow("missing background counts as absent")
            << QVariantMap{ { str("backgroundImage"), picture("none.png") }, { str("iconImage"), picture("icon.png") } }
            << splash << iconDrawn;
}

void TestLaunchImage::composition()
{
    QFETCH(QVariantMap, options);
    QFETCH(QSize, size);
    QFETCH(QImage, expected);

    QVERIFY(LaunchImage::createLaunchImage(target("launch.png"), options, size.width(), size.height()));
    const QImage written(target("launch.png"));
    QCOMPARE(written.size(), size);
    // Opaque canvases are written without an alpha channel.
    QCOMPARE(written.hasAlphaChannel(), expected.hasAlphaChannel());
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
}

void TestLaunchImage::unknownColourNameGivesWhite()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Invalid colour .*\"no such colour\"")));
    const QVariantMap options{ { str("backgroundColor"), str("no such colour") } };
    QVERIFY(LaunchImage::createLaunchImage(target("launch.png"), options, 8, 4));
    QCOMPARE(QImage(target("launch.png")).convertToFormat(QImage::Format_RGB32), canvas(QSize(8, 4), Qt::white));
}

void TestLaunchImage::pngWhateverTheSuffix_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow(".jpg") << str("launch.jpg");
    QTest::newRow(".bmp") << str("launch.bmp");
    QTest::newRow("no suffix") << str("launch");
}

void TestLaunchImage::pngWhateverTheSuffix()
{
    QFETCH(QString, fileName);
    const QString path = m_out->filePath(fileName);
    QVERIFY(LaunchImage::createLaunchImage(path, QVariantMap(), 10, 10));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
}

void TestLaunchImage::relativeTargetFollowsWorkingFolder()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir(m_out->path()).mkdir(str("sub")));
    QVERIFY(QDir::setCurrent(m_out->path()));
    const bool written = LaunchImage::createLaunchImage(str("sub/launch.png"), QVariantMap(), 10, 10);
    QDir::setCurrent(previous);
    QVERIFY(written);
    QCOMPARE(QImage(target("sub/launch.png")).size(), QSize(10, 10));
}

void TestLaunchImage::failures_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("message");

    const QVariantMap none;
    const QString saving = str("Error saving image \"%1\"");
    QTest::newRow("missing folder") << none << str("missing/launch.png") << QSize(10, 10) << saving;
    QTest::newRow("target is a folder") << none << str("folder") << QSize(10, 10) << saving;
    QTest::newRow("empty canvas") << none << str("launch.png") << QSize(0, 10) << saving;
    QTest::newRow("canvas too large to hold") << none << str("launch.png") << QSize(100000, 100000) << saving;
    QTest::newRow("background for a canvas too large to hold")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") } } << str("launch.png")
            << QSize(100000, 100000)
            << str("Error transforming background QImage\\(QSize\\(400, 400\\).*\\) 100000 100000");
    QTest::newRow("background on a canvas without width")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") } } << str("launch.png")
            << QSize(0, 300)
            << str("Error transforming background QImage\\(QSize\\(400, 400\\).*\\) 0 300");
    QTest::newRow("overlay on a canvas without height")
            << QVariantMap{ { str("overlayImage"), picture("overlay.png") } } << str("launch.png") << QSize(620, 0)
            << str("Error transforming overlay QImage\\(QSize\\(800, 200\\).*\\) 620 0");
    QTest::newRow("icon on a canvas too small for it")
            << QVariantMap{ { str("iconImage"), picture("icon.png") } } << str("launch.png") << QSize(2, 9)
            << str("Error transforming icon QImage\\(QSize\\(256, 256\\).*\\) 0");
}

void TestLaunchImage::failures()
{
    QFETCH(QVariantMap, options);
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    QFETCH(QString, message);

    QVERIFY(QDir(m_out->path()).mkdir(str("folder")));
    const QString path = m_out->filePath(fileName);
    const QString items =
            message.contains(QLatin1String("%1")) ? message.arg(QRegularExpression::escape(path)) : message;
    QTest::ignoreMessage(QtCriticalMsg, callLine(SingleCall, items));
    QVERIFY(!LaunchImage::createLaunchImage(path, options, size.width(), size.height()));
    // Nothing half-written is left behind, not even a temporary file.
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{ str("folder") });
    QVERIFY(QDir(m_out->filePath(str("folder"))).isEmpty());
}

void TestLaunchImage::composerMatchesSingleCalls_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::newRow("square background") << QVariantMap{ { str("backgroundImage"), picture("background.png") } };
    QTest::newRow("tall background") << QVariantMap{ { str("backgroundImage"), picture("tall.png") } };
    QTest::newRow("overlay on a colour") << QVariantMap{ { str("overlayImage"), picture("overlay.png") },
                                                         { str("backgroundColor"), str("#204060") } };
    QTest::newRow("translucent icon") << QVariantMap{ { str("iconImage"), picture("translucent.png") } };
}

// One composer makes every size of the sets exactly as separate calls do,
// whatever it keeps between the images.
void TestLaunchImage::composerMatchesSingleCalls()
{
    QFETCH(QVariantMap, options);

    LaunchImage::Composer composer(options);
    for (int i = 0; i < SetSizes.size(); ++i) {
        const QSize size = SetSizes.at(i);
        const QString single = m_out->filePath(QStringLiteral("single%1.png").arg(i));
        const QString composed = m_out->filePath(QStringLiteral("composed%1.png").arg(i));
        QVERIFY(LaunchImage::createLaunchImage(single, options, size.width(), size.height()));
        QVERIFY(composer.createLaunchImage(composed, size.width(), size.height()));

        QFile singleFile(single);
        QFile composedFile(composed);
        QVERIFY(singleFile.open(QIODevice::ReadOnly) && composedFile.open(QIODevice::ReadOnly));
        QVERIFY2(singleFile.readAll() == composedFile.readAll(), qPrintable(composed));
    }
}

void TestLaunchImage::composerReportsEachFailedWrite()
{
    LaunchImage::Composer composer({ { str("iconImage"), picture("icon.png") } });
    for (const char *name : { "missing/a.png", "missing/b.png" }) {
        const QString items = str("Error saving image \"%1\"").arg(target(name));
        QTest::ignoreMessage(QtCriticalMsg, callLine(ComposerCall, QRegularExpression::escape(items)));
        QVERIFY(!composer.createLaunchImage(target(name), 620, 300));
    }
    QVERIFY(composer.createLaunchImage(target("launch.png"), 620, 300));
    QCOMPARE(QImage(target("launch.png")).convertToFormat(QImage::Format_RGB32),
             drawn(canvas(QSize(620, 300), Qt::white), picture("icon.png"), QSize(100, 100), QPoint(260, 100)));
}

void TestLaunchImage::onePictureInSeveralRoles_data()
{
    QTest::addColumn<QStringList>("roles"); // option keys naming the file
    QTest::addColumn<QString>("file");

    const QString background = str("backgroundImage");
    const QString overlay = str("overlayImage");
    const QString icon = str("iconImage");
    // A square picture fills the cover of one size and the fit of another
    // with the same pixels: 480 × 480 covers 320 × 480 and fits 480 × 800.
    QTest::newRow("square as background and overlay") << QStringList{ background, overlay } << str("background.png");
    QTest::newRow("tall in all three roles") << QStringList{ background, overlay, icon } << str("tall.png");
    QTest::newRow("translucent as overlay and icon") << QStringList{ overlay, icon } << str("translucent.png");
    QTest::newRow("missing file in two roles") << QStringList{ background, overlay } << str("missing.png");
}

// A file named for several roles is read and scaled once; the images are the
// same as from separate copies of it.
void TestLaunchImage::onePictureInSeveralRoles()
{
    QFETCH(QStringList, roles);
    QFETCH(QString, file);

    QVariantMap shared{ { str("backgroundColor"), str("#204060") } };
    QVariantMap copies = shared;
    for (const QString &role : qAsConst(roles)) {
        const QString path = m_pictures.filePath(file);
        shared.insert(role, path);
        const QString copy = m_out->filePath(role + QLatin1Char('-') + file);
        QVERIFY(!QFile::exists(path) || QFile::copy(path, copy));
        copies.insert(role, copy);
    }
    // A role of its own beside them keeps its own picture.
    if (!roles.contains(str("iconImage"))) {
        shared.insert(str("iconImage"), picture("icon.png"));
        copies.insert(str("iconImage"), picture("icon.png"));
    }

    LaunchImage::Composer fromShared(shared);
    LaunchImage::Composer fromCopies(copies);
    for (int i = 0; i < SetSizes.size(); ++i) {
        const QSize size = SetSizes.at(i);
        const QString a = m_out->filePath(QStringLiteral("shared%1.png").arg(i));
        const QString b = m_out->filePath(QStringLiteral("copies%1.png").arg(i));
        QVERIFY(fromShared.createLaunchImage(a, size.width(), size.height()));
        QVERIFY(fromCopies.createLaunchImage(b, size.width(), size.height()));

        QFile aFile(a);
        QFile bFile(b);
        QVERIFY(aFile.open(QIODevice::ReadOnly) && bFile.open(QIODevice::ReadOnly));
        QVERIFY2(aFile.readAll() == bFile.readAll(), qPrintable(a));
    }
}

QTEST_MAIN(TestLaunchImage)
#include "tst_launchimage.moc"
