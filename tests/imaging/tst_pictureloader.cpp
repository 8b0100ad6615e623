#include "imaging/pictureloader.h"
#include "tests/helpers/testsupport.h"

#include <QBuffer>
#include <QFileDevice>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QImage pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x + seed) % 256, (y * 3) % 256, seed % 256, (x + y) % 256));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}

// Loading again what was just loaded: the last decoded picture is kept with
// its bytes, and only bytes equal to them may give it back.
class TestPictureLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void sameBytesSamePicture();
    void changedFileIsDecodedAgain_data();
    void changedFileIsDecodedAgain();
    void keptPictureIsNotChangedByCallers();

private:
    QString path(const char *name) const { return m_folder->filePath(str(name)); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestPictureLoader::init()
{
    m_folder.reset(new QTemporaryDir);
    QVERIFY(m_folder->isValid());
}

void TestPictureLoader::sameBytesSamePicture()
{
    const QImage first = pattern(64, 48, 1);
    QVERIFY(writeFile(path("a.png"), encoded(first, "png")));
    QVERIFY(writeFile(path("copy.png"), encoded(first, "png")));

    QCOMPARE(PictureLoader::load(path("a.png")), first);
    QCOMPARE(PictureLoader::load(path("a.png")), first);
    // Another file with the same bytes is the same picture.
    QCOMPARE(PictureLoader::load(path("copy.png")), first);
}

void TestPictureLoader::changedFileIsDecodedAgain_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QImage>("expected");

    const QImage first = pattern(64, 48, 1);
    const QImage other = pattern(64, 48, 2);
    const QByteArray png = encoded(first, "png");
    const QByteArray otherPng = encoded(other, "png");
    QTest::newRow("other pixels") << png << otherPng << other;
    // Uncompressed: a file of the same length, only the pixels differ.
    const QByteArray bmp = encoded(first.convertToFormat(QImage::Format_RGB32), "bmp");
    const QByteArray otherBmp = encoded(other.convertToFormat(QImage::Format_RGB32), "bmp");
    QCOMPARE(otherBmp.size(), bmp.size());
    QTest::newRow("other pixels, same length") << bmp << otherBmp << other.convertToFormat(QImage::Format_RGB32);
    QTest::newRow("cut short") << png << png.left(png.size() - 6) << QImage();
    QTest::newRow("not a picture") << png << QByteArray("not a picture") << QImage();
    QTest::newRow("empty") << png << QByteArray() << QImage();
    QTest::newRow("missing") << png << QByteArray("-") << QImage();
}

// Nothing but the bytes counts: a file rewritten within the same second
// keeps its time stamp, and one cut short still fails the whole-file check.
void TestPictureLoader::changedFileIsDecodedAgain()
{
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, replacement);
    QFETCH(QImage, expected);

    const QString file = path("picture");
    QVERIFY(writeFile(file, original));
    QVERIFY(!PictureLoader::load(file).isNull());
    const QDateTime modified = QFileInfo(file).lastModified();

    if (replacement == "-") {
        QVERIFY(QFile::remove(file));
    } else {
        QVERIFY(writeFile(file, replacement));
        QFile stamped(file);
        QVERIFY(stamped.open(QIODevice::ReadWrite));
        QVERIFY(stamped.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    const QImage loaded = PictureLoader::load(file);
    QCOMPARE(loaded.isNull(), expected.isNull());
    if (!expected.isNull())
        QCOMPARE(loaded.convertToFormat(expected.format()), expected);
}

void TestPictureLoader::keptPictureIsNotChangedByCallers()
{
    const QImage first = pattern(32, 32, 3);
    QVERIFY(writeFile(path("a.png"), encoded(first, "png")));

    QImage loaded = PictureLoader::load(path("a.png"));
    loaded.fill(Qt::red);
    QCOMPARE(PictureLoader::load(path("a.png")), first);
}

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
