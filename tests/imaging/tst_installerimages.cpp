#include "imaging/installerimages.h"
#include "imaging/launchimage.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

#include <QtTest>

#include <memory>

namespace {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 7 + y) % 256));
    }
    return image;
}

QImage white()
{
    QImage image(164, 314, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The two lines of a picture that could not be written, in order.
QStringList failedFile(const QString &path)
{
    return { str("critical LaunchImage::Composer::createLaunchImage: Error saving image \"%1\"").arg(path),
             str("critical InstallerImages::createInstallerImage: Error creating installer image \"%1\"")
                     .arg(path) };
}

}

class TestInstallerImages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void pictures_data();
    void pictures();
    void perFileOverload();
    void relativeTargetFollowsWorkingFolder();

    // Failures: a set that wrote nothing fails, a set that wrote a file does not
    void missingFolder();
    void missingFolderThroughDispatcher();
    void oneFileFailing();

private:
    QString picture(const char *name) const { return m_pictures.filePath(str(name)); }
    QString target(const char *name) const { return m_out->filePath(str(name)); }

    QTemporaryDir m_pictures;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestInstallerImages::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    QVERIFY(pattern(1000, 1000).save(picture("background.png")));
    QVERIFY(pattern(200, 200).save(picture("icon.png")));
}

void TestInstallerImages::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestInstallerImages::pictures_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QImage>("expected");

    QTest::newRow("empty options: white") << QVariantMap() << white();
    QTest::newRow("background 1000×1000: 314×314 at (-75, 0)")
            << QVariantMap{ { str("backgroundImage"), picture("background.png") } }
            << drawn(white(), picture("background.png"), QSize(314, 314), QPoint(-75, 0));
    QTest::newRow("square icon: 54×54 at (55, 130)")
            << QVariantMap{ { str("iconImage"), picture("icon.png") } }
            << drawn(white(), picture("icon.png"), QSize(54, 54), QPoint(55, 130));
}

void TestInstallerImages::pictures()
{
    QFETCH(QVariantMap, options);
    QFETCH(QImage, expected);

    QVERIFY(InstallerImages::createInstallerImage(m_out->path(), options));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({ str("background.png"), str("watermark.png") }));
    QCOMPARE(QImage(target("background.png")), expected);
    QCOMPARE(fileContents(target("watermark.png")), fileContents(target("background.png")));
}

void TestInstallerImages::perFileOverload()
{
    const QVariantMap options{ { str("iconImage"), picture("icon.png") } };
    QVERIFY(InstallerImages::createInstallerImage(QDir(m_out->path()), str("custom.png"), options, 90, 60));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{ str("custom.png") });

    QImage expected(90, 60, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QCOMPARE(QImage(target("custom.png")), drawn(expected, picture("icon.png"), QSize(20, 20), QPoint(35, 20)));
}

void TestInstallerImages::relativeTargetFollowsWorkingFolder()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir(m_out->path()).mkdir(str("installer")));
    QVERIFY(QDir::setCurrent(m_out->path()));
    const bool written = InstallerImages::createInstallerImage(str("installer"), QVariantMap());
    QDir::setCurrent(previous);
    QVERIFY(written);
    QCOMPARE(QImage(target("installer/background.png")), white());
    QCOMPARE(QImage(target("installer/watermark.png")), white());
}

void TestInstallerImages::missingFolder()
{
    const QString missing = target("missing");
    MessageRecorder recorder;
    QVERIFY(!InstallerImages::createInstallerImage(missing, QVariantMap()));
    QCOMPARE(recorder.lines(),
             failedFile(missing + str("/background.png")) + failedFile(missing + str("/watermark.png")));
    QVERIFY(!QFileInfo::exists(missing));
}

void TestInstallerImages::missingFolderThroughDispatcher()
{
    const QString missing = target("missing");
    MessageRecorder recorder;
    QVERIFY(!LaunchImage::createLaunchImage(str("installer"), missing, QVariantMap()));
    QCOMPARE(recorder.lines(),
             failedFile(missing + str("/background.png")) + failedFile(missing + str("/watermark.png"))
                     + QStringList{ str("warning LaunchImage::createLaunchImage: Error creating for \"installer\"") });
}

void TestInstallerImages::oneFileFailing()
{
    // A folder where the watermark should go cannot be replaced by a file.
    QVERIFY(QDir(m_out->path()).mkdir(str("watermark.png")));
    MessageRecorder recorder;
    QVERIFY(InstallerImages::createInstallerImage(m_out->path(), QVariantMap()));
    QCOMPARE(recorder.lines(), failedFile(target("watermark.png")));
    QCOMPARE(QImage(target("background.png")), white());
}

QTEST_MAIN(TestInstallerImages)
#include "tst_installerimages.moc"
