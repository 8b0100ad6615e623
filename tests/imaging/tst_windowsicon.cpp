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

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

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

}

class TestWindowsIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // The four entries
    void entries_data();
    void entries();
    void readBackByOthers_data();
    void readBackByOthers();
    void optionsHaveNoEffect();
    void tracesItsArguments();

    // Where the file goes
    void replacesExistingIcon();
    void makesMissingFolders();
    void relativePathFromWorkingFolder();
    void refusedTargets_data();
    void refusedTargets();
    void failedWriteKeepsPreviousIcon_data();
    void failedWriteKeepsPreviousIcon();

    // One entry
    void createWindowsImage_data();
    void createWindowsImage();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestWindowsIcon::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestWindowsIcon::entries_data()
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

void TestWindowsIcon::entries()
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

void TestWindowsIcon::readBackByOthers_data()
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

void TestWindowsIcon::readBackByOthers()
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

void TestWindowsIcon::optionsHaveNoEffect()
{
    const QString plain = path(str("options/plain.ico"));
    const QString optioned = path(str("options/optioned.ico"));
    const QVariantMap options = { { str("backgroundColor"), str("red") },
                                  { str("iconImage"), path(str("nowhere.png")) },
                                  { str("overlayImage"), path(str("nowhere.png")) } };

    QVERIFY(WindowsIcon::createWindowsIcon(picture(100), plain, QVariantMap()));
    QVERIFY(WindowsIcon::createWindowsIcon(picture(100), optioned, options));
    QCOMPARE(fileContents(optioned), fileContents(plain));
}

void TestWindowsIcon::tracesItsArguments()
{
    QLoggingCategory::setFilterRules(str("Varnex.Loomwright.Core.debug=true"));
    const QImage source = picture(32);
    const QString target = path(str("trace/icon.ico"));
    const QVariantMap options = { { str("backgroundColor"), str("#ff0000") } };

    QTest::ignoreMessage(QtDebugMsg,
                         logLine("WindowsIcon::createWindowsIcon",
                                 debugForm(source) + QLatin1Char(' ') + quoted(target)
                                         + str(" QMap((\"backgroundColor\", QVariant(QString, \"#ff0000\")))")));
    const bool written = WindowsIcon::createWindowsIcon(source, target, options);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(written);
}

void TestWindowsIcon::replacesExistingIcon()
{
    const QString target = path(str("replace/icon.ico"));
    QVERIFY(WindowsIcon::createWindowsIcon(picture(48), target, QVariantMap()));
    QVERIFY(writeFile(target, fileContents(target) + QByteArray(100000, 'x')));

    QVERIFY(WindowsIcon::createWindowsIcon(picture(512), target, QVariantMap()));
    QCOMPARE(fileContents(target).size(), 60454);
    QCOMPARE(sizesReadByQt(target), IconSizes);
    QCOMPARE(QDir(path(str("replace"))).entryList(QDir::Files), QStringList{ str("icon.ico") });
}

void TestWindowsIcon::makesMissingFolders()
{
    const QString target = path(str("missing/a/b/c/icon.ico"));
    QVERIFY(!QFileInfo::exists(path(str("missing"))));
    QVERIFY(WindowsIcon::createWindowsIcon(picture(64), target, QVariantMap()));
    QCOMPARE(sizesReadByQt(target), IconSizes);
}

void TestWindowsIcon::relativePathFromWorkingFolder()
{
    const QString working = path(str("relative/working"));
    const QString home = path(str("relative/home"));
    QVERIFY(QDir().mkpath(working) && QDir().mkpath(home));

    const QString previousWorking = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(working));
    qputenv("HOME", QFile::encodeName(home));
    const bool written = WindowsIcon::createWindowsIcon(picture(64), str("sub/dir/icon.ico"), QVariantMap());
    qputenv("HOME", previousHome);
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(written);
    QCOMPARE(sizesReadByQt(working + str("/sub/dir/icon.ico")), IconSizes);
    QVERIFY(QDir(home).isEmpty());
}

void TestWindowsIcon::refusedTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expectedLine");
    QTest::addColumn<QString>("lockedPath");

    const QString file = path(str("refused/file.txt"));
    QVERIFY(QDir().mkpath(path(str("refused/folder.ico"))));
    QVERIFY(writeFile(file, "plain text"));
    QTest::newRow("folder under a file") << file + str("/sub/icon.ico")
                                         << str("Error creating path ") + quoted(file + str("/sub")) << QString();
    QTest::newRow("existing folder") << path(str("refused/folder.ico"))
                                     << str("Error opening ") + quoted(path(str("refused/folder.ico"))) << QString();
    QTest::newRow("empty path") << QString() << str("Error opening \"\"") << QString();
    QTest::newRow("folder that takes no files") << str("/proc/loomwright.ico")
                                                << str("Error opening \"/proc/loomwright.ico\"") << QString();
    QTest::newRow("file nobody may write") << str("/proc/version") << str("Error opening \"/proc/version\"") << QString();

    // Permission bits stop ordinary users only; as root these rows are skipped.
    const QString lockedFolder = path(str("refused/locked"));
    const QString lockedFile = path(str("refused/locked.ico"));
    QVERIFY(QDir().mkpath(lockedFolder));
    QVERIFY(writeFile(lockedFile, "previous icon"));
    QVERIFY(QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QFile::setPermissions(lockedFile, QFile::ReadOwner));
    QTest::newRow("read-only folder") << lockedFolder + str("/icon.ico")
                                      << str("Error opening ") + quoted(lockedFolder + str("/icon.ico")) << lockedFolder;
    QTest::newRow("read-only file") << lockedFile << str("Error opening ") + quoted(lockedFile) << lockedFile;
}

void TestWindowsIcon::refusedTargets()
{
    QFETCH(QString, target);
    QFETCH(QString, expectedLine);
    QFETCH(QString, lockedPath);

    if (!lockedPath.isEmpty() && QFileInfo(lockedPath).isWritable())
        QSKIP("Permission bits do not stop this user");
    if (target.startsWith(str("/proc/")) && !QFileInfo(str("/proc/version")).exists())
        QSKIP("No /proc on this system");

    const QFileInfo before(target);
    const QByteArray content = before.isFile() ? fileContents(target) : QByteArray();
    QTest::ignoreMessage(QtCriticalMsg, logLine("WindowsIcon::createWindowsIcon", expectedLine));
    QVERIFY(!WindowsIcon::createWindowsIcon(picture(64), target, QVariantMap()));
    QCOMPARE(QFileInfo(target).isDir(), before.isDir());
    if (before.isFile())
        QCOMPARE(fileContents(target), content);
    QCOMPARE(QDir(path(str("refused"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 4);
}

void TestWindowsIcon::failedWriteKeepsPreviousIcon_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<qint64>("fileSizeLimit");

    QTest::newRow("no size can be scaled") << QImage() << qint64(0);
#ifdef Q_OS_UNIX
    QTest::newRow("disk full") << picture(512) << qint64(8192);
#endif
}

void TestWindowsIcon::failedWriteKeepsPreviousIcon()
{
    QFETCH(QImage, source);
    QFETCH(qint64, fileSizeLimit);

    const QString folder = path(str("kept/%1").arg(str(QTest::currentDataTag())));
    const QString target = folder + str("/icon.ico");
    QVERIFY(WindowsIcon::createWindowsIcon(picture(20), target, QVariantMap()));
    const QByteArray previous = fileContents(target);
    QCOMPARE(previous.size(), 60454);

    if (source.isNull()) {
        for (int i = 0; i < IconSizes.size(); ++i)
            QTest::ignoreMessage(QtCriticalMsg, logLine("WindowsIcon::createWindowsImage",
                                                        str("Error scaling image QImage(null)")));
    }

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
    written = WindowsIcon::createWindowsIcon(source, target, QVariantMap());
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);
#else
    written = WindowsIcon::createWindowsIcon(source, target, QVariantMap());
#endif

    QVERIFY(!written);
    QCOMPARE(fileContents(target), previous);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{ str("icon.ico") });
}

void TestWindowsIcon::createWindowsImage_data()
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

void TestWindowsIcon::createWindowsImage()
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

QTEST_MAIN(TestWindowsIcon)
#include "tst_windowsicon.moc"
