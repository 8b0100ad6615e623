#include "imaging/androidicon.h"
#include "imaging/platformsizes_p.h"
#include "imaging/appicon.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QDirIterator>
#include <QImageReader>
#include <QtTest>

#include <memory>

namespace {

// The product's density table, in the order the sets write it.
QStringList densityColumn()
{
    QStringList names;
    for (const PlatformSizes::AndroidDensity &density : PlatformSizes::AndroidDensities)
        names.append(QLatin1String(density.name));
    return names;
}

QList<int> sideColumn(int PlatformSizes::AndroidDensity::*side)
{
    QList<int> sides;
    for (const PlatformSizes::AndroidDensity &density : PlatformSizes::AndroidDensities)
        sides.append(density.*side);
    return sides;
}

const QStringList Densities = densityColumn();
const QList<int> LauncherSides = sideColumn(&PlatformSizes::AndroidDensity::launcherSide);
const QList<int> BackgroundSides = sideColumn(&PlatformSizes::AndroidDensity::backgroundSide);

const QString Launcher = str("ic_launcher.png");
const QString Background = str("ic_launcher_background.png");

enum Operation { LauncherIcons, AdaptiveBackground, ThroughDispatcher };

// "<under>mipmap-<density>/<fileName>" for every density, sorted as
// filesUnder sorts.
QStringList setFiles(const QString &fileName, const QString &under = QString())
{
    QStringList files;
    for (const QString &density : Densities)
        files.append(under + str("mipmap-") + density + QLatin1Char('/') + fileName);
    files.sort();
    return files;
}

// Opaque noise with an alpha channel of every value, so that both the
// colours and their transparency show any fault.
QImage translucentNoise(const QSize &size)
{
    QImage picture = noise(size, 4242).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, (picture.pixel(x, y) & 0x00ffffffu) | (quint32((x + 3 * y) % 256) << 24));
    }
    return picture;
}

// A picture as it comes back from a PNG file, for comparing pixels.
QImage straight(const QImage &image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QString creatingLine(const QString &folder)
{
    return str("critical AndroidIcon::createAndroidImage: Error creating ") + quoted(folder);
}

}

Q_DECLARE_METATYPE(Operation)

class TestAndroidIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // The files of both sets
    void sets_data();
    void sets();
    void unscaledDensityKeepsEveryPixel();
    void squaredByTheDispatcher();

    // Adaptive icon background: its source and target
    void adaptiveBadSource_data();
    void adaptiveBadSource();
    void adaptiveTargetTakenLiterally();

    // Target folders and failures
    void relativeTargetFollowsWorkingFolder_data();
    void relativeTargetFollowsWorkingFolder();
    void unusableTarget_data();
    void unusableTarget();
    void oneDensityFailing_data();
    void oneDensityFailing();
    void nullPicture();

private:
    QString picture(const QString &name) const { return m_pictures.filePath(name); }
    QString target(const QString &name) const { return m_out->filePath(name); }
    bool run(Operation operation, const QString &source, const QString &targetPath) const;

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
    QString m_workingFolder;
};

void TestAndroidIcon::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    m_workingFolder = QDir::currentPath();
    QVERIFY(!writePicture(picture(str("square.png")), noise(QSize(1024, 1024), 7)).isEmpty());
    QVERIFY(!writePicture(picture(str("wide.png")), noise(QSize(200, 100), 8)).isEmpty());
    FileUtility::setPathVariable(str("LWTEST_ANDROID"), m_pictures.path());
}

void TestAndroidIcon::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestAndroidIcon::cleanup()
{
    QDir::setCurrent(m_workingFolder);
    QLoggingCategory::setFilterRules(QString());
}

bool TestAndroidIcon::run(Operation operation, const QString &source, const QString &targetPath) const
{
    switch (operation) {
    case LauncherIcons:
        return AndroidIcon::createAndroidIcon(QImage(source), targetPath, QVariantMap());
    case AdaptiveBackground:
        return AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(source, targetPath);
    case ThroughDispatcher:
        return AppIcon::createAppIcon(str("android"), source, targetPath, QVariantMap());
    }
    return false;
}

void TestAndroidIcon::sets_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QList<QSize>>("sizes");

    const QList<QSize> launcher = { { 48, 48 }, { 72, 72 }, { 96, 96 }, { 144, 144 }, { 192, 192 } };
    const QList<QSize> background = { { 108, 108 }, { 162, 162 }, { 216, 216 }, { 324, 324 }, { 432, 432 } };

    QTest::newRow("launcher, opaque 1024×1024") << LauncherIcons << noise(QSize(1024, 1024), 1) << launcher;
    QTest::newRow("launcher, translucent 1024×1024")
            << LauncherIcons << translucentNoise(QSize(1024, 1024)) << launcher;
    QTest::newRow("launcher, 40×40 enlarged") << LauncherIcons << noise(QSize(40, 40), 2) << launcher;
    QTest::newRow("launcher, 200×100 given directly: fitted, 48×24 …")
            << LauncherIcons << noise(QSize(200, 100), 3)
            << QList<QSize>{ { 48, 24 }, { 72, 36 }, { 96, 48 }, { 144, 72 }, { 192, 96 } };
    QTest::newRow("background, 1000×500: fitted, not padded, 108×54 …")
            << AdaptiveBackground << noise(QSize(1000, 500), 4)
            << QList<QSize>{ { 108, 54 }, { 162, 81 }, { 216, 108 }, { 324, 162 }, { 432, 216 } };
    QTest::newRow("background, 500×1000: fitted, not padded, 54×108 …")
            << AdaptiveBackground << noise(QSize(500, 1000), 5)
            << QList<QSize>{ { 54, 108 }, { 81, 162 }, { 108, 216 }, { 162, 324 }, { 216, 432 } };
    QTest::newRow("background, translucent 1024×1024")
            << AdaptiveBackground << translucentNoise(QSize(1024, 1024)) << background;
    QTest::newRow("background, 64×64 enlarged") << AdaptiveBackground << noise(QSize(64, 64), 6) << background;
}

void TestAndroidIcon::sets()
{
    QFETCH(Operation, operation);
    QFETCH(QImage, source);
    QFETCH(QList<QSize>, sizes);

    const QString sourcePath = writePicture(picture(str("source.png")), source);
    QVERIFY(!sourcePath.isEmpty());
    const QString fileName = operation == LauncherIcons ? Launcher : Background;
    const QList<int> &sides = operation == LauncherIcons ? LauncherSides : BackgroundSides;

    // The target folder does not exist yet, nor its parent.
    const QString res = target(str("app/res"));
    MessageRecorder recorder;
    QVERIFY(run(operation, sourcePath, res));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(filesUnder(res), setFiles(fileName));

    QStringList paths;
    QStringList expected;
    for (int i = 0; i < Densities.size(); ++i) {
        const QString path = res + str("/mipmap-") + Densities.at(i) + QLatin1Char('/') + fileName;
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), sizes.at(i));
        const QImage written = reader.read();
        QCOMPARE(written.hasAlphaChannel(), source.hasAlphaChannel());
        const int side = sides.at(i);
        QCOMPARE(straight(written),
                 straight(smoothScaled(source, QSize(side, side), Qt::KeepAspectRatio)));

        paths.append(path);
        expected.append(str("%1x%2 %3")
                                .arg(sizes.at(i).width())
                                .arg(sizes.at(i).height())
                                .arg(source.hasAlphaChannel() ? str("True") : str("False")));
    }

    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");
    QCOMPARE(identified(identify, paths), expected);
}

// A picture that already has a density's size is written unscaled: not even
// nearly transparent pixels may lose their colour on the way.
void TestAndroidIcon::unscaledDensityKeepsEveryPixel()
{
    const QImage source = translucentNoise(QSize(192, 192));
    QVERIFY(AndroidIcon::createAndroidIcon(source, m_out->path(), QVariantMap()));
    QCOMPARE(QImage(target(str("mipmap-xxxhdpi/ic_launcher.png"))).convertToFormat(QImage::Format_ARGB32), source);
}

void TestAndroidIcon::squaredByTheDispatcher()
{
    // The path variable in the target is expanded by the dispatcher.
    FileUtility::setPathVariable(str("LWTEST_ANDROID_OUT"), m_out->path());
    QVERIFY(AppIcon::createAppIcon(str("Android"), str("$LWTEST_ANDROID/wide.png"), str("$LWTEST_ANDROID_OUT/res"),
                                   QVariantMap()));
    QCOMPARE(filesUnder(target(str("res"))), setFiles(Launcher));

    // 200×100 on a black 200×200 square: a band of a quarter at the top and
    // at the bottom of each icon.
    for (int i = 0; i < Densities.size(); ++i) {
        const int side = LauncherSides.at(i);
        const QImage icon(target(str("res/mipmap-%1/ic_launcher.png").arg(Densities.at(i))));
        QCOMPARE(icon.size(), QSize(side, side));
        QCOMPARE(icon.pixel(side / 2, 1), qRgb(0, 0, 0));
        QCOMPARE(icon.pixel(side / 2, side - 2), qRgb(0, 0, 0));
        QVERIFY(icon.pixel(side / 2, side / 2) != qRgb(0, 0, 0));
    }
}

void TestAndroidIcon::adaptiveBadSource_data()
{
    QTest::addColumn<QString>("sourcePath");
    QTest::addColumn<QByteArray>("content"); // a null array: no such file
    QTest::addColumn<QStringList>("lines");

    const auto loading = [](const QString &path) -> QString {
        return str("critical AndroidIcon::createAdaptiveIconBackgroundMipMapAsset: Error loading image ")
                + quoted(path);
    };
    const QString missing = str("$LWTEST_ANDROID/missing.png");
    const QString unset = str("$LWTEST_ANDROID_UNSET/source.png");
    const QString named = str("$LWTEST_ANDROID/bad.png");

    QTest::newRow("missing file, as passed in the line") << missing << QByteArray() << QStringList{ loading(missing) };
    QTest::newRow("text named .png") << named << QByteArrayLiteral("not a picture\n") << QStringList{ loading(named) };
    QTest::newRow("png cut short") << named << fileContents(picture(str("wide.png"))).left(200)
                                   << QStringList{ loading(named) };
    QTest::newRow("unset path variable")
            << unset << QByteArray()
            << QStringList{ str("warning FileUtility::resolvedPath: "
                                "Nonexistent Path variable \"LWTEST_ANDROID_UNSET\""),
                            loading(unset) };
}

void TestAndroidIcon::adaptiveBadSource()
{
    QFETCH(QString, sourcePath);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);

    if (!content.isNull())
        QVERIFY(writeFile(FileUtility::resolvedPath(sourcePath, true), content));

    const QString res = target(str("res"));
    MessageRecorder recorder;
    QVERIFY(!AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(sourcePath, res));
    QCOMPARE(recorder.lines(), lines);
    QVERIFY(!QFileInfo::exists(res));
}

void TestAndroidIcon::adaptiveTargetTakenLiterally()
{
    QVERIFY(QDir::setCurrent(m_out->path()));
    QVERIFY(AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(str("$LWTEST_ANDROID/wide.png"),
                                                                 str("$LWTEST_ANDROID/res")));
    QCOMPARE(filesUnder(target(str("$LWTEST_ANDROID/res"))), setFiles(Background));
    QVERIFY(!QFileInfo::exists(picture(str("res"))));
}

void TestAndroidIcon::relativeTargetFollowsWorkingFolder_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("launcher icons") << LauncherIcons << Launcher;
    QTest::newRow("adaptive background") << AdaptiveBackground << Background;
}

void TestAndroidIcon::relativeTargetFollowsWorkingFolder()
{
    QFETCH(Operation, operation);
    QFETCH(QString, fileName);

    QVERIFY(QDir::setCurrent(m_out->path()));
    QVERIFY(run(operation, picture(str("square.png")), str("app/res")));
    // Folders and files in one place, not the folders once more under the target.
    QCOMPARE(filesUnder(m_out->path()), setFiles(fileName, str("app/res/")));
}

// A regular file where a folder should be stops every density. A set that
// wrote nothing reports false, so the dispatcher says so as well.
void TestAndroidIcon::unusableTarget_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("extraLines");

    QTest::newRow("launcher icons") << LauncherIcons << QStringList();
    QTest::newRow("adaptive background") << AdaptiveBackground << QStringList();
    QTest::newRow("through the dispatcher")
            << ThroughDispatcher
            << QStringList{ str("warning AppIcon::createAppIcon: Error converting to format \"android\"") };
}

void TestAndroidIcon::unusableTarget()
{
    QFETCH(Operation, operation);
    QFETCH(QStringList, extraLines);

    QVERIFY(writeFile(target(str("file")), "x"));
    const QString res = target(str("file/res"));
    MessageRecorder recorder;
    QVERIFY(!run(operation, picture(str("square.png")), res));

    QStringList lines;
    for (const QString &density : Densities)
        lines.append(creatingLine(res + str("/mipmap-") + density));
    QCOMPARE(recorder.lines(), lines + extraLines);
    QCOMPARE(filesUnder(m_out->path()), QStringList{ str("file") });
}

// One density that fails is reported and the others are written.
void TestAndroidIcon::oneDensityFailing_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("blockWithFolder");
    QTest::addColumn<QString>("line");

    QTest::newRow("launcher: hdpi folder is a file")
            << LauncherIcons << Launcher << str("mipmap-hdpi") << false << str("Error creating %1");
    QTest::newRow("launcher: xxxhdpi icon is a folder")
            << LauncherIcons << Launcher << str("mipmap-xxxhdpi/ic_launcher.png") << true
            << str("Error saving image %1");
    QTest::newRow("adaptive: mdpi background is a folder") << AdaptiveBackground << Background
                                                           << str("mipmap-mdpi/ic_launcher_background.png") << true
                                                           << str("Error saving image %1");
}

void TestAndroidIcon::oneDensityFailing()
{
    QFETCH(Operation, operation);
    QFETCH(QString, fileName);
    QFETCH(QString, blocked);
    QFETCH(bool, blockWithFolder);
    QFETCH(QString, line);

    const QString res = target(str("res"));
    const QString blockedPath = res + QLatin1Char('/') + blocked;
    QVERIFY(QDir().mkpath(blockWithFolder ? blockedPath : res));
    if (!blockWithFolder)
        QVERIFY(writeFile(blockedPath, "x"));

    MessageRecorder recorder;
    QVERIFY(run(operation, picture(str("square.png")), res));
    QCOMPARE(recorder.lines(),
             QStringList{ str("critical AndroidIcon::createAndroidImage: ") + line.arg(quoted(blockedPath)) });

    for (const QString &file : setFiles(fileName)) {
        if (!file.startsWith(blocked))
            QVERIFY2(!QImage(res + QLatin1Char('/') + file).isNull(), qPrintable(file));
    }
}

void TestAndroidIcon::nullPicture()
{
    MessageRecorder recorder;
    QVERIFY(!AndroidIcon::createAndroidIcon(QImage(), m_out->path(), QVariantMap()));
    const QString line = str("critical AndroidIcon::createAndroidImage: Error scaling image QImage(null)");
    QCOMPARE(recorder.lines(), QStringList({ line, line, line, line, line }));
    QCOMPARE(filesUnder(m_out->path()), QStringList());
}

QTEST_MAIN(TestAndroidIcon)
#include "tst_androidicon.moc"
