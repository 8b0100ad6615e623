#include "imaging/launchimage.h"
#include "imaging/winrtlaunchimage.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

#include <QtTest>
#include <QImageReader>
#include <QProcess>

#include <memory>

namespace {

struct Splash
{
    const char *name;
    QSize size;
    QPoint icon; // where an icon alone goes, a third of the height square
};

// The set in the order written.
const Splash Splashes[] = {
    { "SplashScreen620x300.png", { 620, 300 }, { 260, 100 } },
    { "SplashScreen620x300.scale-125.png", { 775, 375 }, { 325, 125 } },
    { "SplashScreen620x300.scale-150.png", { 930, 450 }, { 390, 150 } },
    { "SplashScreen620x300.scale-200.png", { 1240, 600 }, { 520, 200 } },
    { "SplashScreen620x300.scale-400.png", { 2480, 1200 }, { 1040, 400 } },
};

QStringList splashNames()
{
    QStringList names;
    for (const Splash &splash : Splashes)
        names.append(str(splash.name));
    names.sort();
    return names;
}

// The two lines of a splash screen that could not be written, in order.
QStringList failedSplash(const QString &path)
{
    return { str("critical LaunchImage::Composer::createLaunchImage: Error saving image ") + quoted(path),
             str("critical WinRTLaunchImage::createWinRTLaunchImage: Error creating launch image ") + quoted(path) };
}

}

class TestWinRTLaunchImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // The set
    void splashSet_data();
    void splashSet();
    void readBackByImageMagick();
    void setMatchesSingleCompositions();
    void throughTheDispatcher();
    void relativeTargetFollowsWorkingFolder();

    // One splash screen
    void perScaleOverload_data();
    void perScaleOverload();

    // Failures: a set that wrote nothing fails, a set that wrote a file does not
    void missingFolder_data();
    void missingFolder();
    void oneSplashFailing();

private:
    QString picture(const char *name) const { return m_pictures.filePath(str(name)); }
    QString target(const QString &name) const { return m_out->filePath(name); }

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestWinRTLaunchImage::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    QVERIFY(!writePicture(picture("icon.png"), noise(QSize(256, 256), 7)).isEmpty());
    QVERIFY(!writePicture(picture("background.png"), noise(QSize(400, 400), 11)).isEmpty());
    // Unreadable pictures: text under a picture's name, and a PNG cut short.
    QVERIFY(writeFile(picture("text.png"), "not a picture"));
    QVERIFY(writeFile(picture("truncated.png"), fileContents(picture("background.png")).left(2000)));
}

void TestWinRTLaunchImage::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestWinRTLaunchImage::splashSet_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<bool>("iconDrawn");
    QTest::addColumn<QStringList>("lines");

    const QVariant icon = picture("icon.png");
    const QString background = str("backgroundImage");
    QTest::newRow("empty options: plain white") << QVariantMap() << false << QStringList();
    QTest::newRow("icon alone: a third of the height")
            << QVariantMap{ { str("iconImage"), icon } } << true << QStringList();
    QTest::newRow("text as background counts as absent")
            << QVariantMap{ { background, picture("text.png") }, { str("iconImage"), icon } } << true
            << QStringList{ unreadablePictureLine(background, picture("text.png")) };
    QTest::newRow("truncated overlay counts as absent")
            << QVariantMap{ { str("overlayImage"), picture("truncated.png") }, { str("iconImage"), icon } } << true
            << QStringList{ unreadablePictureLine(str("overlayImage"), picture("truncated.png")) };
    QTest::newRow("missing background counts as absent")
            << QVariantMap{ { background, picture("none.png") }, { str("iconImage"), icon } } << true
            << QStringList{ unreadablePictureLine(background, picture("none.png")) };
    QTest::newRow("unreadable icon: plain white")
            << QVariantMap{ { str("iconImage"), picture("truncated.png") } } << false
            << QStringList{ unreadablePictureLine(str("iconImage"), picture("truncated.png")) };
}

void TestWinRTLaunchImage::splashSet()
{
    QFETCH(QVariantMap, options);
    QFETCH(bool, iconDrawn);
    QFETCH(QStringList, lines);

    MessageRecorder recorder;
    QVERIFY(WinRTLaunchImage::createWinRTLaunchImage(m_out->path(), options));
    QCOMPARE(recorder.lines(), lines);
    QCOMPARE(entries(m_out->path()), splashNames());

    for (const Splash &splash : Splashes) {
        const QString file = target(str(splash.name));
        QCOMPARE(QImageReader(file).size(), splash.size);
        const QImage written(file);
        QVERIFY2(!written.hasAlphaChannel(), splash.name);
        const int side = splash.size.height() / 3;
        const QImage expected = iconDrawn
                ? drawn(white(splash.size), picture("icon.png"), QSize(side, side), splash.icon)
                : white(splash.size);
        QVERIFY2(written.convertToFormat(QImage::Format_RGB32) == expected, splash.name);
    }
}

void TestWinRTLaunchImage::readBackByImageMagick()
{
    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");

    QVERIFY(WinRTLaunchImage::createWinRTLaunchImage(m_out->path(), { { str("iconImage"), picture("icon.png") } }));
    QStringList files;
    QStringList expected;
    for (const Splash &splash : Splashes) {
        files.append(target(str(splash.name)));
        expected.append(
                str("%1 PNG %2x%3 False").arg(str(splash.name)).arg(splash.size.width()).arg(splash.size.height()));
    }

    QProcess process;
    process.start(identify, QStringList{ str("-format"), str("%f %m %wx%h %A\n") } + files);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             expected);
}

// The set shares one composer between its files; each comes out as a
// composition of its own would.
void TestWinRTLaunchImage::setMatchesSingleCompositions()
{
    const QVariantMap options{ { str("backgroundImage"), picture("background.png") },
                               { str("overlayImage"), picture("icon.png") },
                               { str("backgroundColor"), str("#80204060") } };
    QVERIFY(WinRTLaunchImage::createWinRTLaunchImage(m_out->path(), options));
    for (const Splash &splash : Splashes) {
        const QString single = target(str("single.png"));
        QVERIFY(LaunchImage::createLaunchImage(single, options, splash.size.width(), splash.size.height()));
        QVERIFY2(fileContents(target(str(splash.name))) == fileContents(single), splash.name);
    }
}

void TestWinRTLaunchImage::throughTheDispatcher()
{
    MessageRecorder recorder;
    QVERIFY(LaunchImage::createLaunchImage(str("WinRT"), m_out->path(), { { str("backgroundColor"), str("red") } }));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(entries(m_out->path()), splashNames());
    QImage red(620, 300, QImage::Format_RGB32);
    red.fill(Qt::red);
    QCOMPARE(QImage(target(str("SplashScreen620x300.png"))).convertToFormat(QImage::Format_RGB32), red);
}

void TestWinRTLaunchImage::relativeTargetFollowsWorkingFolder()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir(m_out->path()).mkdir(str("splash")));
    QVERIFY(QDir::setCurrent(m_out->path()));
    const bool written = WinRTLaunchImage::createWinRTLaunchImage(str("splash"), QVariantMap());
    QDir::setCurrent(previous);
    QVERIFY(written);
    QCOMPARE(entries(target(str("splash"))), splashNames());
}

void TestWinRTLaunchImage::perScaleOverload_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("scale 100 has no qualifier") << 620 << 300 << 100 << str("SplashScreen620x300.png")
                                                << QSize(620, 300);
    QTest::newRow("62.5 rounds up to 63") << 100 << 50 << 125 << str("SplashScreen100x50.scale-125.png")
                                          << QSize(125, 63);
    QTest::newRow("a scale outside the set") << 10 << 10 << 250 << str("SplashScreen10x10.scale-250.png")
                                             << QSize(25, 25);
}

void TestWinRTLaunchImage::perScaleOverload()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scale);
    QFETCH(QString, name);
    QFETCH(QSize, size);

    QVERIFY(WinRTLaunchImage::createWinRTLaunchImage(QDir(m_out->path()), QVariantMap(), width, height, scale));
    QCOMPARE(entries(m_out->path()), QStringList{ name });
    QCOMPARE(QImage(target(name)), white(size));
}

void TestWinRTLaunchImage::missingFolder_data()
{
    QTest::addColumn<QString>("os"); // empty: the set called directly

    QTest::newRow("set") << QString();
    QTest::newRow("through the dispatcher") << str("WinRT");
}

void TestWinRTLaunchImage::missingFolder()
{
    QFETCH(QString, os);

    const QString missing = target(str("missing"));
    QStringList lines;
    for (const Splash &splash : Splashes)
        lines += failedSplash(missing + QLatin1Char('/') + str(splash.name));
    if (!os.isEmpty())
        lines.append(str("warning LaunchImage::createLaunchImage: Error creating for ") + quoted(os));

    MessageRecorder recorder;
    QVERIFY(!(os.isEmpty() ? WinRTLaunchImage::createWinRTLaunchImage(missing, QVariantMap())
                           : LaunchImage::createLaunchImage(os, missing, QVariantMap())));
    QCOMPARE(recorder.lines(), lines);
    QVERIFY(QDir(m_out->path()).isEmpty());

    // A folder under a regular file cannot be there for anyone, root included.
    const QString underFile = picture("text.png") + str("/splash");
    recorder.clear();
    QVERIFY(!WinRTLaunchImage::createWinRTLaunchImage(underFile, QVariantMap()));
    QCOMPARE(recorder.lines().size(), 10);
}

void TestWinRTLaunchImage::oneSplashFailing()
{
    const QString taken = target(str("SplashScreen620x300.scale-200.png"));
    QVERIFY(QDir().mkdir(taken));
    MessageRecorder recorder;
    QVERIFY(WinRTLaunchImage::createWinRTLaunchImage(m_out->path(), QVariantMap()));
    QCOMPARE(recorder.lines(), failedSplash(taken));
    QCOMPARE(QImage(target(str("SplashScreen620x300.scale-400.png"))), white(QSize(2480, 1200)));
}

QTEST_MAIN(TestWinRTLaunchImage)
#include "tst_winrtlaunchimage.moc"
