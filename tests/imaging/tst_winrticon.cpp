#include "imaging/appicon.h"
#include "imaging/winrticon.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

#include <QtTest>
#include <QImageReader>
#include <QProcess>

#include <memory>

namespace {

struct Logo
{
    const char *name;
    QSize size;
    QSize inner; // the picture's box on a "backgroundColor" canvas
};

// The whole set in the order written, sizes as the product's table gives
// them (halves rounded up).
const Logo Logos[] = {
    { "Logo_71x71.png", { 71, 71 }, { 71, 71 } },
    { "Logo_71x71.scale-125.png", { 89, 89 }, { 89, 89 } },
    { "Logo_71x71.scale-150.png", { 107, 107 }, { 107, 107 } },
    { "Logo_71x71.scale-200.png", { 142, 142 }, { 142, 142 } },
    { "Logo_71x71.scale-400.png", { 284, 284 }, { 284, 284 } },
    { "Logo_150x150.png", { 150, 150 }, { 83, 83 } },
    { "Logo_150x150.scale-125.png", { 188, 188 }, { 103, 103 } },
    { "Logo_150x150.scale-150.png", { 225, 225 }, { 124, 124 } },
    { "Logo_150x150.scale-200.png", { 300, 300 }, { 165, 165 } },
    { "Logo_150x150.scale-400.png", { 600, 600 }, { 330, 330 } },
    // The wide logo's inner box (260 × 83 at 100) holds the square picture
    // in its own shape.
    { "Logo_310x150.png", { 310, 150 }, { 83, 83 } },
    { "Logo_310x150.scale-125.png", { 388, 188 }, { 103, 103 } },
    { "Logo_310x150.scale-150.png", { 465, 225 }, { 124, 124 } },
    { "Logo_310x150.scale-200.png", { 620, 300 }, { 165, 165 } },
    { "Logo_310x150.scale-400.png", { 1240, 600 }, { 330, 330 } },
    { "Logo_310x310.png", { 310, 310 }, { 208, 208 } },
    { "Logo_310x310.scale-125.png", { 388, 388 }, { 260, 260 } },
    { "Logo_310x310.scale-150.png", { 465, 465 }, { 312, 312 } },
    { "Logo_310x310.scale-200.png", { 620, 620 }, { 415, 415 } },
    { "Logo_310x310.scale-400.png", { 1240, 1240 }, { 831, 831 } },
    { "Logo_44x44.png", { 44, 44 }, { 44, 44 } },
    { "Logo_44x44.scale-125.png", { 55, 55 }, { 55, 55 } },
    { "Logo_44x44.scale-150.png", { 66, 66 }, { 66, 66 } },
    { "Logo_44x44.scale-200.png", { 88, 88 }, { 88, 88 } },
    { "Logo_44x44.scale-400.png", { 176, 176 }, { 176, 176 } },
    { "Logo_50x50.png", { 50, 50 }, { 50, 50 } },
    { "Logo_50x50.scale-125.png", { 63, 63 }, { 63, 63 } },
    { "Logo_50x50.scale-150.png", { 75, 75 }, { 75, 75 } },
    { "Logo_50x50.scale-200.png", { 100, 100 }, { 100, 100 } },
    { "Logo_50x50.scale-400.png", { 200, 200 }, { 200, 200 } },
    { "Logo_44x44.targetsize-16.png", { 16, 16 }, { 16, 16 } },
    { "Logo_44x44.targetsize-24.png", { 24, 24 }, { 24, 24 } },
    { "Logo_44x44.targetsize-32.png", { 32, 32 }, { 32, 32 } },
    { "Logo_44x44.targetsize-48.png", { 48, 48 }, { 48, 48 } },
    { "Logo_44x44.targetsize-256.png", { 256, 256 }, { 256, 256 } },
};

QStringList logoNames()
{
    QStringList names;
    for (const Logo &logo : Logos)
        names.append(str(logo.name));
    names.sort();
    return names;
}

// Colour everywhere and an alpha that runs from opaque to nearly clear, so
// that a lost alpha channel or a shifted picture shows.
QImage translucentPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 255 / width, y * 255 / height, (x * 7 + y) & 0xff, 255 - (x + y) % 250));
    }
    return image;
}

// A canvas of colour with the picture in the file scaled to inner and drawn at
// position.
QImage onCanvas(const QSize &size, const QColor &colour, const QString &picture, const QSize &inner, const QPoint &position)
{
    return drawn(PictureCanvas::filled(size, colour), picture, inner, position).convertToFormat(QImage::Format_ARGB32);
}

}

class TestWinRTIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // The set
    void logoSet_data();
    void logoSet();
    void readBackByImageMagick_data();
    void readBackByImageMagick();
    void workedExamples_data();
    void workedExamples();
    void emptyColourStillMeansCanvas();
    void pictureOfLogoSizeKeptExactly();
    void throughTheDispatcher();
    void relativeTargetFollowsWorkingFolder();

    // One logo
    void singleLogo_data();
    void singleLogo();
    void singleLogoFailures_data();
    void singleLogoFailures();

    // Failures of the set: a folder that cannot be made, a set that wrote nothing
    void folderCannotBeMade_data();
    void folderCannotBeMade();
    void noLogoWrittenFailsTheSet();
    void oneLogoFailing();

private:
    QString target(const QString &name) const { return m_out->filePath(name); }

    QTemporaryDir m_pictures;
    QString m_sourceFile; // a translucent square picture
    QImage m_source;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestWinRTIcon::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    m_source = translucentPicture(400, 400);
    m_sourceFile = writePicture(m_pictures.filePath(str("source.png")), m_source);
    QVERIFY(!m_sourceFile.isEmpty());
}

void TestWinRTIcon::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestWinRTIcon::logoSet_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QColor>("fill"); // invalid: no canvas, the picture scaled alone

    QTest::newRow("no backgroundColor: picture scaled") << QVariantMap() << QColor();
    QTest::newRow("black: inner boxes on the colour")
            << QVariantMap{ { str("backgroundColor"), str("black") } } << QColor(Qt::black);
    QTest::newRow("half-transparent colour keeps its alpha")
            << QVariantMap{ { str("backgroundColor"), str("#80ff0000") } } << QColor(255, 0, 0, 128);
    QTest::newRow("other keys change nothing")
            << QVariantMap{ { str("iconImage"), str("nowhere.png") }, { str("overlayImage"), str("nowhere.png") } }
            << QColor();
}

void TestWinRTIcon::logoSet()
{
    QFETCH(QVariantMap, options);
    QFETCH(QColor, fill);

    MessageRecorder recorder;
    QVERIFY(WinRTIcon::createWinRTIcon(m_source, m_out->path(), options));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(entries(m_out->path()), logoNames());

    for (const Logo &logo : Logos) {
        const QString file = target(str(logo.name));
        QCOMPARE(QImageReader(file).size(), logo.size);
        const QImage written(file);
        QVERIFY2(!written.isNull(), logo.name);
        QCOMPARE(written.hasAlphaChannel(), !fill.isValid() || fill.alpha() < 255);

        // Alone, the picture fills a square logo, and sits in the inner box
        // of the wide one on transparency.
        const bool square = logo.size.width() == logo.size.height();
        const QImage expected = fill.isValid() || !square
                ? onCanvas(logo.size, fill.isValid() ? fill : QColor(Qt::transparent), m_sourceFile, logo.inner,
                        QPoint((logo.size.width() - logo.inner.width()) / 2,
                               (logo.size.height() - logo.inner.height()) / 2))
                : smoothScaled(m_source, logo.size)
                          .convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(written.convertToFormat(QImage::Format_ARGB32) == expected, logo.name);
    }
}

void TestWinRTIcon::readBackByImageMagick_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QString>("alpha");

    QTest::newRow("translucent picture alone") << QVariantMap() << str("True");
    QTest::newRow("on white") << QVariantMap{ { str("backgroundColor"), str("white") } } << str("False");
}

void TestWinRTIcon::readBackByImageMagick()
{
    QFETCH(QVariantMap, options);
    QFETCH(QString, alpha);

    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");

    QVERIFY(WinRTIcon::createWinRTIcon(m_source, m_out->path(), options));
    QStringList files;
    QStringList expected;
    for (const Logo &logo : Logos) {
        files.append(target(str(logo.name)));
        expected.append(str("%1 PNG %2x%3 %4")
                                .arg(str(logo.name))
                                .arg(logo.size.width())
                                .arg(logo.size.height())
                                .arg(alpha));
    }

    QProcess process;
    process.start(identify, QStringList{ str("-format"), str("%f %m %wx%h %A\n") } + files);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             expected);
}

void TestWinRTIcon::workedExamples_data()
{
    QTest::addColumn<QString>("set"); // rows of one set share its files
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QImage>("expected");

    const QVariantMap none;
    const QVariantMap black{ { str("backgroundColor"), str("black") } };
    const QImage wide = translucentPicture(200, 100);
    const QString wideFile = writePicture(m_pictures.filePath(str("wide.png")), wide);

    QTest::newRow("Logo_310x150 alone: 83×83 at (113, 33) on transparency")
            << str("square") << m_source << none << str("Logo_310x150.png")
            << onCanvas(QSize(310, 150), Qt::transparent, m_sourceFile, QSize(83, 83), QPoint(113, 33));
    QTest::newRow("Logo_310x150 on black: 83×83 at (113, 33)")
            << str("square on black") << m_source << black << str("Logo_310x150.png")
            << onCanvas(QSize(310, 150), Qt::black, m_sourceFile, QSize(83, 83), QPoint(113, 33));
    QTest::newRow("Logo_150x150 on black: 83×83 at (33, 33)")
            << str("square on black") << m_source << black << str("Logo_150x150.png")
            << onCanvas(QSize(150, 150), Qt::black, m_sourceFile, QSize(83, 83), QPoint(33, 33));
    QTest::newRow("Logo_310x310.scale-400 on black: 831×831 at (204, 204)")
            << str("square on black") << m_source << black << str("Logo_310x310.scale-400.png")
            << onCanvas(QSize(1240, 1240), Qt::black, m_sourceFile, QSize(831, 831), QPoint(204, 204));
    QTest::newRow("wide picture alone keeps its shape: 71×35")
            << str("wide") << wide << none << str("Logo_71x71.png")
            << smoothScaled(wide, QSize(71, 35)).convertToFormat(QImage::Format_ARGB32);
    QTest::newRow("wide picture on black: 71×35 at (0, 18)")
            << str("wide on black") << wide << black << str("Logo_71x71.png")
            << onCanvas(QSize(71, 71), Qt::black, wideFile, QSize(71, 35), QPoint(0, 18));
    QTest::newRow("wide picture keeps its shape in the wide logo: 330×165 at (145, 67)")
            << str("wide on black") << wide << black << str("Logo_310x150.scale-200.png")
            << onCanvas(QSize(620, 300), Qt::black, wideFile, QSize(330, 165), QPoint(145, 67));
}

void TestWinRTIcon::workedExamples()
{
    QFETCH(QString, set);
    QFETCH(QImage, picture);
    QFETCH(QVariantMap, options);
    QFETCH(QString, fileName);
    QFETCH(QImage, expected);

    const QString folder = m_pictures.filePath(str("sets/") + set);
    if (!QFileInfo::exists(folder))
        QVERIFY(WinRTIcon::createWinRTIcon(picture, folder, options));
    QCOMPARE(QImage(folder + QLatin1Char('/') + fileName).convertToFormat(QImage::Format_ARGB32), expected);
}

// A colour that is there but names nothing still asks for the canvas layout;
// it is reported once for the whole set, and the canvas is black.
void TestWinRTIcon::emptyColourStillMeansCanvas()
{
    MessageRecorder recorder;
    QVERIFY(WinRTIcon::createWinRTIcon(m_source, m_out->path(), { { str("backgroundColor"), QString() } }));
    QCOMPARE(recorder.lines(),
             QStringList{ str("warning ImageOptions::colour: Invalid colour \"backgroundColor\" \"\" using \"black\"") });
    QCOMPARE(entries(m_out->path()), logoNames());
    QCOMPARE(QImage(target(str("Logo_150x150.png"))).convertToFormat(QImage::Format_ARGB32),
             onCanvas(QSize(150, 150), Qt::black, m_sourceFile, QSize(83, 83), QPoint(33, 33)));
}

void TestWinRTIcon::pictureOfLogoSizeKeptExactly()
{
    // Premultiplying would turn this pixel's colour to black.
    QImage picture = translucentPicture(256, 256);
    picture.setPixel(10, 20, qRgba(200, 100, 50, 1));

    QVERIFY(WinRTIcon::createWinRTIcon(picture, m_out->path(), QVariantMap()));
    QCOMPARE(QImage(target(str("Logo_44x44.targetsize-256.png"))), picture);
}

void TestWinRTIcon::throughTheDispatcher()
{
    // A 300 × 200 source is squared on black before the logos are made.
    const QString source = writePicture(m_pictures.filePath(str("300x200.png")), translucentPicture(300, 200));
    QVERIFY(!source.isEmpty());

    MessageRecorder recorder;
    QVERIFY(AppIcon::createAppIcon(str("WinRT"), source, target(str("logos")), QVariantMap()));
    QCOMPARE(recorder.lines(), QStringList());
    QCOMPARE(entries(target(str("logos"))), logoNames());

    const QImage square = onCanvas(QSize(300, 300), Qt::black, source, QSize(300, 200), QPoint(0, 50));
    const QString squareFile = writePicture(m_pictures.filePath(str("300x300.png")), square);
    QCOMPARE(QImage(target(str("logos/Logo_310x150.png"))).convertToFormat(QImage::Format_ARGB32),
             onCanvas(QSize(310, 150), Qt::transparent, squareFile, QSize(83, 83), QPoint(113, 33)));
}

void TestWinRTIcon::relativeTargetFollowsWorkingFolder()
{
    const QString working = target(str("working"));
    const QString home = target(str("home"));
    QVERIFY(QDir().mkpath(working) && QDir().mkpath(home));

    const QString previousWorking = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(working));
    qputenv("HOME", QFile::encodeName(home));
    const bool written = WinRTIcon::createWinRTIcon(m_source, str("sub/logos"), QVariantMap());
    qputenv("HOME", previousHome);
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(written);
    QCOMPARE(entries(working + str("/sub/logos")), logoNames());
    QVERIFY(QDir(home).isEmpty());
}

void TestWinRTIcon::singleLogo_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QSize>("expectedSize");

    QTest::newRow("88.75 rounds to 89") << 71 << 71 << 125 << QString() << str("Logo_71x71.scale-125.png")
                                        << QSize(89, 89);
    QTest::newRow("187.5 rounds up to 188") << 150 << 150 << 125 << QString() << str("Logo_150x150.scale-125.png")
                                            << QSize(188, 188);
    QTest::newRow("scale 100 has no qualifier") << 44 << 44 << 100 << QString() << str("Logo_44x44.png")
                                                << QSize(44, 44);
    QTest::newRow("a scale outside the set") << 10 << 20 << 250 << QString() << str("Logo_10x20.scale-250.png")
                                             << QSize(25, 50);
    QTest::newRow("given name, used as it is") << 10 << 20 << 200 << str("custom.jpg") << str("custom.jpg")
                                               << QSize(20, 40);
}

void TestWinRTIcon::singleLogo()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scale);
    QFETCH(QString, fileName);
    QFETCH(QString, expectedName);
    QFETCH(QSize, expectedSize);

    QVERIFY(WinRTIcon::createWinRTImage(m_source, QDir(m_out->path()), width, height, scale, QVariantMap(), 100, 100,
                                        Qt::IgnoreAspectRatio, fileName));
    QCOMPARE(entries(m_out->path()), QStringList{ expectedName });
    QImageReader reader(target(expectedName));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.size(), expectedSize);

    // The target-size logo is the same logo under its own name.
    QVERIFY(WinRTIcon::createWinRTTargetSizeImage(m_source, QDir(m_out->path()), QVariantMap(), 24));
    QCOMPARE(QImageReader(target(str("Logo_44x44.targetsize-24.png"))).size(), QSize(24, 24));
}

void TestWinRTIcon::singleLogoFailures_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("innerPercent");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");

    const QVariantMap none;
    const QVariantMap black{ { str("backgroundColor"), str("black") } };
    const QString scaling = str("Error scaling image ") + debugForm(m_source);
    QTest::newRow("scale 0") << m_source << none << 71 << 0 << 100 << str("a.png") << scaling;
    QTest::newRow("scale 0 on a canvas")
            << m_source << black << 71 << 0 << 100 << str("a.png")
            << str("Error scaling draw image ") + debugForm(m_source) + str(" W 0 H 0");
    QTest::newRow("negative size") << m_source << none << -10 << 100 << 100 << str("a.png") << scaling;
    QTest::newRow("canvas too large to hold")
            << m_source << black << 100000 << 100 << 1 << str("a.png") << scaling;
    QTest::newRow("inner box too large to hold")
            << m_source << black << 100000 << 100 << 100 << str("a.png")
            << str("Error scaling draw image ") + debugForm(m_source) + str(" W 100000 H 100000");
    QTest::newRow("null picture") << QImage() << none << 71 << 100 << 100 << str("a.png")
                                  << str("Error scaling image QImage(null)");
    QTest::newRow("target is a folder") << m_source << black << 71 << 100 << 100 << str("folder")
                                        << str("Error saving image \"%1/folder\"");
}

void TestWinRTIcon::singleLogoFailures()
{
    QFETCH(QImage, picture);
    QFETCH(QVariantMap, options);
    QFETCH(int, size);
    QFETCH(int, scale);
    QFETCH(int, innerPercent);
    QFETCH(QString, fileName);
    QFETCH(QString, message);

    QVERIFY(QDir(m_out->path()).mkdir(str("folder")));
    if (message.contains(QLatin1String("%1")))
        message = message.arg(m_out->path());
    MessageRecorder recorder;
    QVERIFY(!WinRTIcon::createWinRTImage(picture, QDir(m_out->path()), size, size, scale, options, innerPercent,
                                         innerPercent, Qt::KeepAspectRatio, fileName));
    QCOMPARE(recorder.lines(), QStringList{ str("critical WinRTIcon::createWinRTImage: ") + message });
    QCOMPARE(entries(m_out->path()), QStringList{ str("folder") });
    QVERIFY(QDir(target(str("folder"))).isEmpty());
}

void TestWinRTIcon::folderCannotBeMade_data()
{
    QTest::addColumn<QString>("targetPath");
    QTest::addColumn<bool>("throughDispatcher");

    // Permission bits stop nothing for root: a path under a regular file
    // cannot be made by anyone.
    const QString file = m_pictures.filePath(str("plain.txt"));
    QVERIFY(writeFile(file, "plain text"));
    QTest::newRow("folder under a file") << file + str("/logos") << false;
    QTest::newRow("the path is a file") << file << false;
    QTest::newRow("empty path") << QString() << false;
    QTest::newRow("through the dispatcher") << file + str("/logos") << true;
}

void TestWinRTIcon::folderCannotBeMade()
{
    QFETCH(QString, targetPath);
    QFETCH(bool, throughDispatcher);

    MessageRecorder recorder;
    const QString previousWorking = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_out->path()));
    const bool written = throughDispatcher
            ? AppIcon::createAppIcon(str("winrt"), m_sourceFile, targetPath, QVariantMap())
            : WinRTIcon::createWinRTIcon(m_source, targetPath, QVariantMap());
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(!written);
    QStringList lines{ str("critical WinRTIcon::createWinRTIcon: Error creating path: ") + quoted(targetPath) };
    if (throughDispatcher)
        lines.append(str("warning AppIcon::createAppIcon: Error converting to format \"winrt\""));
    QCOMPARE(recorder.lines(), lines);
    QVERIFY(QDir(m_out->path()).isEmpty());
}

void TestWinRTIcon::noLogoWrittenFailsTheSet()
{
    // Every logo's name taken by a folder: the set folder exists, no file can be written.
    QStringList lines;
    for (const Logo &logo : Logos) {
        QVERIFY(QDir(m_out->path()).mkdir(str(logo.name)));
        lines.append(str("critical WinRTIcon::createWinRTImage: Error saving image ")
                     + quoted(target(str(logo.name))));
    }
    lines.append(str("warning AppIcon::createAppIcon: Error converting to format \"winrt\""));

    MessageRecorder recorder;
    QVERIFY(!AppIcon::createAppIcon(str("winrt"), m_sourceFile, m_out->path(), QVariantMap()));
    QCOMPARE(recorder.lines(), lines);

    // A picture that cannot be scaled fails every logo too, with the canvas
    // layout failing at its inner box.
    recorder.clear();
    QVERIFY(!WinRTIcon::createWinRTIcon(QImage(), target(str("null")), { { str("backgroundColor"), str("red") } }));
    QCOMPARE(recorder.lines().size(), 35);
    QCOMPARE(recorder.lines().first(),
             str("critical WinRTIcon::createWinRTImage: Error scaling draw image QImage(null) W 71 H 71"));
    QVERIFY(QDir(target(str("null"))).isEmpty());
}

void TestWinRTIcon::oneLogoFailing()
{
    QVERIFY(QDir(m_out->path()).mkdir(str("Logo_310x150.scale-200.png")));
    MessageRecorder recorder;
    QVERIFY(WinRTIcon::createWinRTIcon(m_source, m_out->path(), QVariantMap()));
    QCOMPARE(recorder.lines(),
             QStringList{ str("critical WinRTIcon::createWinRTImage: Error saving image ")
                          + quoted(target(str("Logo_310x150.scale-200.png"))) });
    QCOMPARE(entries(m_out->path()), logoNames());
    QVERIFY(QFileInfo(target(str("Logo_310x150.scale-400.png"))).isFile());
}

QTEST_MAIN(TestWinRTIcon)
#include "tst_winrticon.moc"
