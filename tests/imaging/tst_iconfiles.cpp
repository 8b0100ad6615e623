#include "imaging/appicon.h"
#include "imaging/macosicon.h"
#include "imaging/platformsizes_p.h"
#include "imaging/windowsicon.h"
#include "tests/helpers/containers.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

#include <QtTest>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <iterator>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The icons that are one file each: the Windows .ico and the macOS .icns.
// What they share (where the file goes, what stops it, what a failed write
// leaves) is one table over both containers; what their pictures hold is
// each container's own.

namespace {

// The product's entries, square, in file order.
QList<QSize> iconSizes()
{
    QList<QSize> sizes;
    for (const int side : PlatformSizes::WindowsIconSides)
        sizes.append(QSize(side, side));
    return sizes;
}

const QList<QSize> IconSizes = iconSizes();

// The entries' colour rows read straight from the file, bottom row first,
// blue, green, red, alpha.
QList<QImage> storedEntries(const QByteArray &file)
{
    QList<QImage> images;
    for (const containers::IcoEntry &entry : containers::readIco(file).entries) {
        const int width = entry.width;
        const int height = entry.height;
        if (file.size() < qint64(entry.offset) + 40 + 4 * width * height)
            break;
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qFromLittleEndian<quint32>(file.constData() + entry.offset + 40 + 4 * ((height - 1 - y) * width + x)));
        }
        images.append(image);
    }
    return images;
}

QList<QSize> sizesReadByQt(const QString &path)
{
    QList<QSize> sizes;
    QImageReader reader(path, QByteArrayLiteral("ico"));
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        sizes.append(reader.read().size());
    return sizes;
}

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

enum Container { IcoFile, IcnsFile };

// A single-file icon generator as the tests call it.
struct IconFile
{
    Container container;
    const char *suffix;
    const char *function; // the name in its log lines
    bool (*create)(const QImage &, const QString &, const QVariantMap &);
    const char *os; // its name for the dispatcher
};

const IconFile IconFiles[] = {
    { IcoFile, "ico", "WindowsIcon::createWindowsIcon", &WindowsIcon::createWindowsIcon, "windows" },
    { IcnsFile, "icns", "MacOSIcon::createMacOSIcon", &MacOSIcon::createMacOSIcon, "macos" },
};

// The sides of the pictures that Qt's reader finds in the icon; an .ico's in
// file order, an .icns's sorted, as Qt's reader has an order of its own.
QList<QSize> sidesReadByQt(const IconFile &icon, const QString &path)
{
    if (icon.container == IcoFile)
        return sizesReadByQt(path);
    QList<QSize> sizes;
    for (const QImage &image : readByQt(path))
        sizes.append(image.size());
    std::sort(sizes.begin(), sizes.end(), [](const QSize &a, const QSize &b) { return a.width() < b.width(); });
    return sizes;
}

// What sidesReadByQt finds in a whole icon.
QList<QSize> everySide(const IconFile &icon)
{
    if (icon.container == IcoFile)
        return IconSizes;
    QVector<int> sides = ElementSides;
    std::sort(sides.begin(), sides.end());
    QList<QSize> sizes;
    for (const int side : sides)
        sizes.append(QSize(side, side));
    return sizes;
}

// One row for each container, named by its suffix.
void addIconRows()
{
    QTest::addColumn<int>("icon");
    for (int i = 0; i < int(std::size(IconFiles)); ++i)
        QTest::newRow(IconFiles[i].suffix) << i;
}

}

class TestIconFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    // The .ico's four entries
    void icoEntries_data();
    void icoEntries();
    void icoReadBackByOthers_data();
    void icoReadBackByOthers();
    void createWindowsImage_data();
    void createWindowsImage();

    // The .icns's elements
    void icnsElements_data();
    void icnsElements();
    void icnsNonSquareSourceArrivesSquared();

    // Both containers
    void optionsHaveNoEffect_data();
    void optionsHaveNoEffect();

    // Where the file goes
    void replacesExistingIcon_data();
    void replacesExistingIcon();
    void makesMissingFolders_data();
    void makesMissingFolders();
    void relativePathFromWorkingFolder_data();
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
void TestIconFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_log.reset(new MessageRecorder(MessageRecorder::PassOn));
}

void TestIconFiles::cleanupTestCase()
{
    m_log.reset();
}

void TestIconFiles::init()
{
    m_log->clear();
}

void TestIconFiles::icoEntries_data()
{
    QTest::addColumn<QImage>("source");

    QTest::newRow("512, straight alpha") << picture(512);
    QTest::newRow("512, premultiplied") << picture(512, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("20, enlarged") << picture(20);
    QTest::newRow("64, opaque") << picture(64, QImage::Format_RGB32);

    // The 16 entry must be the picture itself, its faint pixel's colour intact.
    QImage faint = picture(16);
    faint.setPixel(3, 4, qRgba(200, 100, 50, 1));
    QTest::newRow("16 with a faint pixel") << faint;
}

void TestIconFiles::icoEntries()
{
    QFETCH(QImage, source);
    const QString target = path(str("entries/%1.ico").arg(str(QTest::currentDataTag())));

    QVERIFY(WindowsIcon::createWindowsIcon(source, target, QVariantMap()));
    const QByteArray file = fileContents(target);
    QCOMPARE(file.size(), 60454);
    QCOMPARE(sizesReadByQt(target), IconSizes);

    const QList<QImage> stored = storedEntries(file);
    QCOMPARE(stored.size(), IconSizes.size());
    for (int i = 0; i < IconSizes.size(); ++i) {
        const QImage expected =
                smoothScaled(source, IconSizes.at(i), Qt::KeepAspectRatio).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(stored.at(i), expected);
    }
}

void TestIconFiles::icoReadBackByOthers_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("ImageMagick") << str("identify") << QStringList{ str("-format"), str("%wx%h\n") };
    // Pillow lists the entries largest first, whatever their order in the
    // file; reversed, that is the order to expect here.
    QTest::newRow("Pillow") << str("/usr/bin/python3")
                            << QStringList{ str("-c"), str("import sys\n"
                                                           "try:\n"
                                                           "    from PIL import Image\n"
                                                           "except ImportError:\n"
                                                           "    sys.exit(77)\n"
                                                           "for e in reversed(Image.open(sys.argv[1]).ico.entry):\n"
                                                           "    print('%dx%d' % e['dim'])\n") };
}

void TestIconFiles::icoReadBackByOthers()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        QSKIP("The reader is not installed");

    for (const int side : { 512, 20 }) {
        const QString target = path(str("others/%1-%2.ico").arg(str(QTest::currentDataTag())).arg(side));
        QVERIFY(WindowsIcon::createWindowsIcon(picture(side), target, QVariantMap()));

        QProcess process;
        process.start(executable, arguments + QStringList{ target });
        QVERIFY(process.waitForFinished(30000));
        if (process.exitCode() == 77)
            QSKIP("Pillow is not installed for /usr/bin/python3");
        QCOMPARE(process.exitCode(), 0);
        const QStringList sizes = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(sizes, QStringList({ str("16x16"), str("32x32"), str("64x64"), str("96x96") }));
    }
}

void TestIconFiles::createWindowsImage_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<int>("size");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("square") << picture(512) << 32 << QSize(32, 32);
    QTest::newRow("wide picture fits the width") << picture(40).copy(0, 0, 40, 20) << 16 << QSize(16, 8);
    QTest::newRow("small picture is enlarged") << picture(2).copy(0, 0, 2, 1) << 96 << QSize(96, 48);
    QTest::newRow("null picture") << QImage() << 16 << QSize();
    QTest::newRow("size 0") << picture(8) << 0 << QSize();
    QTest::newRow("negative size") << picture(8) << -16 << QSize();
}

void TestIconFiles::createWindowsImage()
{
    QFETCH(QImage, source);
    QFETCH(int, size);
    QFETCH(QSize, expected);

    QList<QImage> images = { QImage(1, 1, QImage::Format_ARGB32) };
    if (!expected.isValid())
        QTest::ignoreMessage(QtCriticalMsg, logLine("WindowsIcon::createWindowsImage",
                                                    str("Error scaling image ") + debugForm(source)));
    QCOMPARE(WindowsIcon::createWindowsImage(source, &images, size), expected.isValid());
    QCOMPARE(images.size(), expected.isValid() ? 2 : 1);
    if (expected.isValid()) {
        QCOMPARE(images.last().size(), expected);
        QCOMPARE(images.last().format(), QImage::Format_ARGB32);
    }
    QVERIFY(!WindowsIcon::createWindowsImage(source, nullptr, size));
}

void TestIconFiles::icnsElements_data()
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

void TestIconFiles::icnsElements()
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
        QCOMPARE(containers::readPng(element.data).colourType(), colourType == QLatin1String("rgba") ? 6 : 2);
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

// Through the dispatcher, a 256 × 128 source becomes 256 × 256 with bands of
// 64 rows, which the 256-pixel elements show as they are.
void TestIconFiles::icnsNonSquareSourceArrivesSquared()
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

void TestIconFiles::optionsHaveNoEffect_data()
{
    addIconRows();
}

void TestIconFiles::optionsHaveNoEffect()
{
    QFETCH(int, icon);
    const IconFile &file = IconFiles[icon];
    const QString plain = path(str("options/plain.") + str(file.suffix));
    const QString optioned = path(str("options/optioned.") + str(file.suffix));
    const QVariantMap options = { { str("backgroundColor"), str("red") },
                                  { str("iconImage"), path(str("nowhere.png")) },
                                  { str("overlayImage"), path(str("nowhere.png")) } };

    QVERIFY(file.create(picture(100), plain, QVariantMap()));
    QVERIFY(file.create(picture(100), optioned, options));
    QCOMPARE(fileContents(optioned), fileContents(plain));
}

void TestIconFiles::replacesExistingIcon_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("firstSide");
    QTest::addColumn<int>("secondSide");

    QTest::newRow("ico, larger file before") << int(IcoFile) << 48 << 512;
    QTest::newRow("icns, larger picture before") << int(IcnsFile) << 1024 << 16;
}

// The new icon takes the old one's place whole: nothing of the old file's
// tail stays behind, and no other file is left beside it.
void TestIconFiles::replacesExistingIcon()
{
    QFETCH(int, icon);
    QFETCH(int, firstSide);
    QFETCH(int, secondSide);
    const IconFile &file = IconFiles[icon];
    const QString folder = path(str("replace/") + str(file.suffix));
    const QString target = folder + str("/icon.") + str(file.suffix);
    QVERIFY(file.create(picture(firstSide), target, QVariantMap()));
    QVERIFY(writeFile(target, fileContents(target) + QByteArray(100000, 'x')));

    QVERIFY(file.create(picture(secondSide), target, QVariantMap()));
    QCOMPARE(sidesReadByQt(file, target), everySide(file));
    if (file.container == IcoFile)
        QCOMPARE(fileContents(target).size(), 60454);
    else
        QCOMPARE(elementPictures(target).value(str("icp4")), picture(16));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{ str("icon.") + str(file.suffix) });
}

void TestIconFiles::makesMissingFolders_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("name");

    QTest::newRow("ico") << int(IcoFile) << str("icon.ico");
    // No suffix: the container is .icns whatever the name says.
    QTest::newRow("icns, no suffix") << int(IcnsFile) << str("AppIcon");
}

void TestIconFiles::makesMissingFolders()
{
    QFETCH(int, icon);
    QFETCH(QString, name);
    const IconFile &file = IconFiles[icon];
    const QString missing = path(str("missing/") + str(file.suffix));
    const QString target = missing + str("/a/b/c/") + name;
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(file.create(picture(64), target, QVariantMap()));
    QCOMPARE(sidesReadByQt(file, target), everySide(file));
}

void TestIconFiles::relativePathFromWorkingFolder_data()
{
    addIconRows();
}

// The folders and the file both follow the working folder, never the home
// folder.
void TestIconFiles::relativePathFromWorkingFolder()
{
    QFETCH(int, icon);
    const IconFile &file = IconFiles[icon];
    const QString working = path(str("relative/%1/working").arg(str(file.suffix)));
    const QString home = path(str("relative/%1/home").arg(str(file.suffix)));
    const QString relative = str("sub/dir/icon.") + str(file.suffix);
    QVERIFY(QDir().mkpath(working) && QDir().mkpath(home));

    const QString previousWorking = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(working));
    qputenv("HOME", QFile::encodeName(home));
    const bool written = file.create(picture(64), relative, QVariantMap());
    qputenv("HOME", previousHome);
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(written);
    QCOMPARE(sidesReadByQt(file, working + QLatin1Char('/') + relative), everySide(file));
    QVERIFY(QDir(home).isEmpty());
}

void TestIconFiles::refusedTargets_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expectedLine");
    QTest::addColumn<QString>("lockedPath");

    for (const IconFile &file : IconFiles) {
        const QString suffix = str(file.suffix);
        const int icon = int(file.container);
        const QString folder = path(str("refused/") + suffix);
        const QString text = folder + str("/file.txt");
        const QString existingFolder = folder + str("/folder.") + suffix;
        QVERIFY(QDir().mkpath(existingFolder));
        QVERIFY(writeFile(text, "plain text"));
        // A regular file in the way stops even root, where permission bits do not.
        QTest::addRow("%s, folder under a file", file.suffix)
                << icon << text + str("/sub/icon.") + suffix << str("Error creating path ") + quoted(text + str("/sub"))
                << QString();
        if (file.container == IcnsFile) {
            QTest::addRow("%s, file under a file", file.suffix)
                    << icon << text + str("/icon.") + suffix << str("Error creating path ") + quoted(text) << QString();
        }
        QTest::addRow("%s, existing folder", file.suffix)
                << icon << existingFolder << str("Error opening ") + quoted(existingFolder) << QString();
        QTest::addRow("%s, empty path", file.suffix) << icon << QString() << str("Error opening \"\"") << QString();
        const QString proc = str("/proc/loomwright.") + suffix;
        QTest::addRow("%s, folder that takes no files", file.suffix)
                << icon << proc << str("Error opening ") + quoted(proc) << QString();
        if (file.container != IcoFile)
            continue;
        QTest::addRow("%s, file nobody may write", file.suffix)
                << icon << str("/proc/version") << str("Error opening \"/proc/version\"") << QString();

        // Permission bits stop ordinary users only; as root these rows are skipped.
        const QString lockedFolder = folder + str("/locked");
        const QString lockedFile = folder + str("/locked.") + suffix;
        QVERIFY(QDir().mkpath(lockedFolder));
        QVERIFY(writeFile(lockedFile, "previous icon"));
        QVERIFY(QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(lockedFile, QFile::ReadOwner));
        QTest::addRow("%s, read-only folder", file.suffix)
                << icon << lockedFolder + str("/icon.") + suffix
                << str("Error opening ") + quoted(lockedFolder + str("/icon.") + suffix) << lockedFolder;
        QTest::addRow("%s, read-only file", file.suffix)
                << icon << lockedFile << str("Error opening ") + quoted(lockedFile) << lockedFile;
    }
}

// Nothing is written, nothing in the way is changed, one line says why; the
// dispatcher adds its warning after the generator's line.
void TestIconFiles::refusedTargets()
{
    QFETCH(int, icon);
    QFETCH(QString, target);
    QFETCH(QString, expectedLine);
    QFETCH(QString, lockedPath);
    const IconFile &file = IconFiles[icon];
    const QString folder = path(str("refused/") + str(file.suffix));

    if (!lockedPath.isEmpty() && QFileInfo(lockedPath).isWritable())
        QSKIP("Permission bits do not stop this user");
    if (target.startsWith(str("/proc/")) && !QFileInfo(str("/proc/version")).exists())
        QSKIP("No /proc on this system");

    const QFileInfo before(target);
    const QByteArray content = before.isFile() ? fileContents(target) : QByteArray();
    const QStringList entriesBefore = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QTest::ignoreMessage(QtCriticalMsg, logLine(file.function, expectedLine));
    QVERIFY(!file.create(picture(64), target, QVariantMap()));
    QCOMPARE(lines(), 1);
    QCOMPARE(QFileInfo(target).isDir(), before.isDir());
    if (before.isFile())
        QCOMPARE(fileContents(target), content);
    QCOMPARE(fileContents(folder + str("/file.txt")), QByteArray("plain text"));
    QVERIFY(QFileInfo(folder + str("/folder.") + str(file.suffix)).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
    QCOMPARE(entriesBefore.size(), file.container == IcoFile ? 4 : 2);

    const QString source = writePicture(path(str("source.png")), picture(64));
    QVERIFY(!source.isEmpty());
    QTest::ignoreMessage(QtCriticalMsg, logLine(file.function, expectedLine));
    QTest::ignoreMessage(QtWarningMsg, logLine("AppIcon::createAppIcon",
                                               str("Error converting to format ") + quoted(str(file.os))));
    QVERIFY(!AppIcon::createAppIcon(str(file.os), source, target, QVariantMap()));
}

void TestIconFiles::failedWriteKeepsPreviousIcon_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QImage>("source");
    QTest::addColumn<qint64>("fileSizeLimit");
    // Lines that the failure logs: the .ico's scaler says why for each entry.
    QTest::addColumn<int>("scalingLines");

    QTest::newRow("ico, no size can be scaled") << int(IcoFile) << QImage() << qint64(0) << IconSizes.size();
    QTest::newRow("icns, null picture") << int(IcnsFile) << QImage() << qint64(0) << 0;
#ifdef Q_OS_UNIX
    QTest::newRow("ico, disk full") << int(IcoFile) << picture(512) << qint64(8192) << 0;
    QTest::newRow("icns, disk full") << int(IcnsFile)
                                     << noise(QSize(1024, 1024), 13579).convertToFormat(QImage::Format_ARGB32)
                                     << qint64(8192) << 0;
#endif
}

// A write the generator rejects, or that the disk does not take, leaves the
// icon that was there, and no temporary file.
void TestIconFiles::failedWriteKeepsPreviousIcon()
{
    QFETCH(int, icon);
    QFETCH(QImage, source);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(int, scalingLines);
    const IconFile &file = IconFiles[icon];

    const QString folder = path(str("kept/%1").arg(str(QTest::currentDataTag())));
    const QString name = str("icon.") + str(file.suffix);
    const QString target = folder + QLatin1Char('/') + name;
    QVERIFY(file.create(picture(file.container == IcoFile ? 20 : 64), target, QVariantMap()));
    const QByteArray previous = fileContents(target);
    QVERIFY(!previous.isEmpty());
    if (file.container == IcoFile)
        QCOMPARE(previous.size(), 60454);

    for (int i = 0; i < scalingLines; ++i)
        QTest::ignoreMessage(QtCriticalMsg, logLine("WindowsIcon::createWindowsImage",
                                                    str("Error scaling image QImage(null)")));

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
    written = file.create(source, target, QVariantMap());
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);
#else
    written = file.create(source, target, QVariantMap());
#endif

    QVERIFY(!written);
    QCOMPARE(lines(), scalingLines);
    QCOMPARE(fileContents(target), previous);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{ name });
}

QTEST_MAIN(TestIconFiles)
#include "tst_iconfiles.moc"
