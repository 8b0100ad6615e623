#include "imaging/androidicon.h"
#include "imaging/androidlaunchimage.h"
#include "imaging/launchimage.h"
#include "imaging/platformsizes_p.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QDirIterator>
#include <QImageReader>
#include <QtTest>

#include <memory>

namespace {

struct Splash
{
    QString file; // under the target folder
    QSize size;
};

// The product's table, in the order the set writes it.
QVector<Splash> splashes()
{
    QVector<Splash> rows;
    for (const PlatformSizes::AndroidSplash &row : PlatformSizes::AndroidSplashes) {
        rows.append({ QStringLiteral("mipmap-%1/%2").arg(QLatin1String(row.density), QLatin1String(row.fileName)),
                      QSize(row.width, row.height) });
    }
    return rows;
}

const QVector<Splash> Splashes = splashes();

QStringList densities()
{
    QStringList names;
    for (const PlatformSizes::AndroidDensity &density : PlatformSizes::AndroidDensities)
        names.append(QLatin1String(density.name));
    return names;
}

const QStringList Densities = densities();

enum Layout { Plain, CentredIcon, CoveringBackground };

// The ten files of the set, each with under in front, sorted as filesUnder
// sorts.
QStringList setFiles(const QString &under = QString())
{
    QStringList files;
    for (const Splash &splash : Splashes)
        files.append(under + splash.file);
    files.sort();
    return files;
}

// Opaque, every pixel different, so that a picture at the wrong place or
// scale shows.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 3 + y) % 256));
    }
    return image;
}

QString creatingLine(const QString &folder)
{
    return str("critical AndroidLaunchImage::createAndroidLaunchImage: Error creating ") + quoted(folder);
}

QString savingLine(const QString &file)
{
    return str("critical LaunchImage::Composer::createLaunchImage: Error saving image ") + quoted(file);
}

}

Q_DECLARE_METATYPE(Layout)

class TestAndroidLaunchImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // The set
    void set_data();
    void set();
    void iconWorkedExamples_data();
    void iconWorkedExamples();
    void besideLauncherIcons();
    void relativeTargetFollowsWorkingFolder();
    void perImageOverload();

    // Failures: a set that wrote nothing fails, a set that wrote a file does not
    void nothingWritten_data();
    void nothingWritten();
    void somePicturesFailing_data();
    void somePicturesFailing();

private:
    QString picture(const char *name) const { return m_pictures.filePath(str(name)); }
    QString target(const QString &name) const { return m_out->filePath(name); }

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
    QString m_workingFolder;
};

void TestAndroidLaunchImage::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    m_workingFolder = QDir::currentPath();
    QVERIFY(pattern(512, 512).save(picture("icon.png")));
    QVERIFY(pattern(600, 600).save(picture("background.png")));
    QVERIFY(writeFile(picture("text.png"), "not a picture\n"));
    FileUtility::setPathVariable(str("LWTEST_SPLASH"), m_pictures.path());
}

void TestAndroidLaunchImage::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestAndroidLaunchImage::cleanup()
{
    QDir::setCurrent(m_workingFolder);
    QLoggingCategory::setFilterRules(QString());
}

void TestAndroidLaunchImage::set_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QStringList>("lines");

    const QString icon = str("$LWTEST_SPLASH/icon.png");
    QTest::newRow("empty options: white") << QVariantMap() << Plain << QStringList();
    QTest::newRow("icon: a third of the shorter side, centred")
            << QVariantMap{ { str("iconImage"), icon } } << CentredIcon << QStringList();
    QTest::newRow("background and icon: the background covers, no icon")
            << QVariantMap{ { str("backgroundImage"), str("$LWTEST_SPLASH/background.png") },
                            { str("iconImage"), icon } }
            << CoveringBackground << QStringList();
    QTest::newRow("unreadable background counts as absent: icon drawn")
            << QVariantMap{ { str("backgroundImage"), str("$LWTEST_SPLASH/text.png") }, { str("iconImage"), icon } }
            << CentredIcon << QStringList{ unreadablePictureLine(str("backgroundImage"), picture("text.png")) };
}

void TestAndroidLaunchImage::set()
{
    QFETCH(QVariantMap, options);
    QFETCH(Layout, layout);
    QFETCH(QStringList, lines);

    // Neither the target folder nor its parent exists yet.
    const QString res = target(str("app/res"));
    MessageRecorder recorder;
    QVERIFY(AndroidLaunchImage::createAndroidLaunchImage(res, options));
    QCOMPARE(recorder.lines(), lines);
    QCOMPARE(filesUnder(res), setFiles());

    QStringList paths;
    QStringList expectedByImageMagick;
    for (const Splash &splash : Splashes) {
        const QString path = res + QLatin1Char('/') + splash.file;
        const QSize size = splash.size;
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), size);

        QImage expected = white(size);
        if (layout == CentredIcon) {
            const int side = qMin(size.width(), size.height()) / 3;
            expected = drawn(expected, picture("icon.png"), QSize(side, side),
                             QPoint((size.width() - side) / 2, (size.height() - side) / 2));
        } else if (layout == CoveringBackground) {
            const int side = qMax(size.width(), size.height());
            expected = drawn(expected, picture("background.png"), QSize(side, side),
                             QPoint((size.width() - side) / 2, (size.height() - side) / 2));
        }
        QVERIFY2(reader.read() == expected, qPrintable(splash.file));

        paths.append(path);
        expectedByImageMagick.append(str("%1x%2 False").arg(size.width()).arg(size.height()));
    }

    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");
    QCOMPARE(identified(identify, paths), expectedByImageMagick);
}

void TestAndroidLaunchImage::iconWorkedExamples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("mdpi portrait: 106 at (107, 187)")
            << str("mipmap-mdpi/splash.png") << QSize(320, 480) << 106 << QPoint(107, 187);
    QTest::newRow("xxxhdpi portrait: 426 at (427, 747)")
            << str("mipmap-xxxhdpi/splash.png") << QSize(1280, 1920) << 426 << QPoint(427, 747);
    QTest::newRow("xxxhdpi landscape: 426 at (747, 427)")
            << str("mipmap-xxxhdpi/splash_land.png") << QSize(1920, 1280) << 426 << QPoint(747, 427);
}

void TestAndroidLaunchImage::iconWorkedExamples()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, side);
    QFETCH(QPoint, position);

    QVERIFY(AndroidLaunchImage::createAndroidLaunchImage(m_out->path(), { { str("iconImage"), picture("icon.png") } }));
    QCOMPARE(QImage(target(file)), drawn(white(size), picture("icon.png"), QSize(side, side), position));
}

void TestAndroidLaunchImage::besideLauncherIcons()
{
    FileUtility::setPathVariable(str("LWTEST_SPLASH_OUT"), m_out->path());
    const QString res = target(str("res"));
    QVERIFY(AndroidIcon::createAndroidIcon(pattern(96, 96), res, QVariantMap()));
    const QByteArray icon = fileContents(res + str("/mipmap-mdpi/ic_launcher.png"));

    QVERIFY(LaunchImage::createLaunchImage(str("Android"), str("$LWTEST_SPLASH_OUT/res"), QVariantMap()));
    QStringList files = setFiles();
    for (const QString &density : Densities)
        files.append(str("mipmap-%1/ic_launcher.png").arg(density));
    files.sort();
    QCOMPARE(filesUnder(res), files);
    QCOMPARE(fileContents(res + str("/mipmap-mdpi/ic_launcher.png")), icon);
}

void TestAndroidLaunchImage::relativeTargetFollowsWorkingFolder()
{
    QVERIFY(QDir::setCurrent(m_out->path()));
    QVERIFY(AndroidLaunchImage::createAndroidLaunchImage(str("app/res"), QVariantMap()));
    // Folders and files in one place, not the folders once more under the target.
    QCOMPARE(filesUnder(m_out->path()), setFiles(str("app/res/")));
}

void TestAndroidLaunchImage::perImageOverload()
{
    QVERIFY(AndroidLaunchImage::createAndroidLaunchImage(QDir(target(str("res"))),
                                                         { { str("backgroundColor"), str("#ff0000") } }, 90, 60,
                                                         str("tvdpi"), str("custom.png")));
    QCOMPARE(filesUnder(m_out->path()), QStringList{ str("res/mipmap-tvdpi/custom.png") });
    QImage red(90, 60, QImage::Format_RGB32);
    red.fill(Qt::red);
    QCOMPARE(QImage(target(str("res/mipmap-tvdpi/custom.png"))), red);
}

void TestAndroidLaunchImage::nothingWritten_data()
{
    QTest::addColumn<bool>("folderUnderFile");
    QTest::addColumn<bool>("throughDispatcher");

    QTest::newRow("folders under a file") << true << false;
    QTest::newRow("folders under a file, through the dispatcher") << true << true;
    QTest::newRow("every picture's name taken by a folder") << false << false;
}

void TestAndroidLaunchImage::nothingWritten()
{
    QFETCH(bool, folderUnderFile);
    QFETCH(bool, throughDispatcher);

    QString res;
    QStringList lines;
    if (folderUnderFile) {
        QVERIFY(writeFile(target(str("file")), "x"));
        res = target(str("file/res"));
        for (const Splash &splash : Splashes)
            lines.append(creatingLine(res + QLatin1Char('/') + QFileInfo(splash.file).path()));
    } else {
        res = m_out->path();
        for (const Splash &splash : Splashes) {
            QVERIFY(QDir().mkpath(target(splash.file)));
            lines.append(savingLine(target(splash.file)));
        }
    }
    if (throughDispatcher)
        lines.append(str("warning LaunchImage::createLaunchImage: Error creating for \"android\""));

    const QStringList before = filesUnder(m_out->path());
    MessageRecorder recorder;
    QVERIFY(!(throughDispatcher ? LaunchImage::createLaunchImage(str("android"), res, QVariantMap())
                                : AndroidLaunchImage::createAndroidLaunchImage(res, QVariantMap())));
    QCOMPARE(recorder.lines(), lines);
    QCOMPARE(filesUnder(m_out->path()), before);
}

void TestAndroidLaunchImage::somePicturesFailing_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("blockWithFolder");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("hdpi folder is a file: both of its pictures fail")
            << str("mipmap-hdpi") << false
            << QStringList{ str("mipmap-hdpi/splash.png"), str("mipmap-hdpi/splash_land.png") };
    QTest::newRow("mdpi landscape picture is a folder")
            << str("mipmap-mdpi/splash_land.png") << true << QStringList{ str("mipmap-mdpi/splash_land.png") };
}

void TestAndroidLaunchImage::somePicturesFailing()
{
    QFETCH(QString, blocked);
    QFETCH(bool, blockWithFolder);
    QFETCH(QStringList, missing);

    const QString blockedPath = target(blocked);
    if (blockWithFolder)
        QVERIFY(QDir().mkpath(blockedPath));
    else
        QVERIFY(writeFile(blockedPath, "x"));

    // One line for each picture that the blocked path stops.
    const QString line = blockWithFolder ? savingLine(blockedPath) : creatingLine(blockedPath);
    QStringList lines;
    for (int i = 0; i < missing.size(); ++i)
        lines.append(line);

    MessageRecorder recorder;
    QVERIFY(AndroidLaunchImage::createAndroidLaunchImage(m_out->path(), QVariantMap()));
    QCOMPARE(recorder.lines(), lines);

    QStringList written = setFiles();
    for (const QString &file : qAsConst(missing))
        written.removeOne(file);
    for (const QString &file : qAsConst(written))
        QVERIFY2(!QImage(target(file)).isNull(), qPrintable(file));
}

QTEST_MAIN(TestAndroidLaunchImage)
#include "tst_androidlaunchimage.moc"
