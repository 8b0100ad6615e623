// Every file that the benchmark scenario and the main job write, compared
// with tests/imaging/data/outputmanifest.txt: its name, its pixel size, a
// checksum of its decoded pixels and, for PNG data, the colour type that the
// file declares, so that the generators may change how they work, and the
// encoder how it compresses, but not a single pixel nor the kind of file. The
// log lines of the generators in both runs are part of the manifest too.
//
// After an intended change of output, run this test's program with
// LOOMWRIGHT_UPDATE_MANIFEST=1 in its environment: it then writes the manifest
// of what the code now makes (into the source tree) instead of comparing, and
// the change shows in the manifest's diff.
//
// The record must hold on every machine, so the same comparison runs again
// with Qt's processor features switched off, and scripts/test.sh runs it
// under an emulator as other processors. Such a run names the files of a
// native run in LOOMWRIGHT_MANIFEST_REFERENCE (a native run keeps its files
// where LOOMWRIGHT_MANIFEST_KEEP says) and reports each picture that differs
// from them with its largest channel difference and the number of pixels
// that differ: a rounding drift shows as 1 in a few pixels.
#include "bench/benchsupport.h"
#include "tools/iconsets/samplepicture.h"
#include "imaging/picturecanvas.h"
#include "plugin/loomwright.h"
#include "tests/helpers/containers.h"
#include "tests/helpers/testsupport.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <iterator>

namespace {

const char ManifestPath[] = LOOMWRIGHT_OUTPUT_MANIFEST;

QByteArray pixelsChecksum(const QImage &image)
{
    // Straight RGBA in bytes, rows without padding: the same pixels give the
    // same sum whatever format the decoder chose and whatever the file
    // stored, an opaque RGB picture included.
    const QImage pixels = PictureCanvas::straight(image).convertToFormat(QImage::Format_RGBA8888);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4);
    return hash.result().toHex();
}

// The colour type of PNG data by name, or an empty string for other data.
QString pngColourType(const QByteArray &data)
{
    switch (containers::readPng(data).colourType()) {
    case -1:
        return QString();
    case 0:
        return QStringLiteral("grey");
    case 2:
        return QStringLiteral("rgb");
    case 3:
        return QStringLiteral("palette");
    case 4:
        return QStringLiteral("grey-alpha");
    case 6:
        return QStringLiteral("rgba");
    }
    return QStringLiteral("unknown");
}

// The colour types of an .icns file's PNG elements in file order, the table
// of contents and version left out; an empty string for other data.
QStringList icnsColourTypes(const QByteArray &data)
{
    QStringList types;
    for (const containers::IcnsElement &element : containers::readIcns(data).pictures())
        types.append(pngColourType(element.data));
    return types;
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// One line per picture, "name size checksum", and the colour type where the
// picture is PNG data; every picture of an icon container gets its own, its
// index in brackets after the name. A file that holds no picture is summed as
// bytes, with "-" for its size.
QStringList describe(const QString &root, const QString &prefix)
{
    QStringList lines;
    for (const QString &relative : filesUnder(root)) {
        const QString name = prefix + relative;
        const QString path = root + QLatin1Char('/') + relative;
        const QString suffix = QFileInfo(relative).suffix().toLower();
        if (suffix == QLatin1String("json")) {
            const QByteArray sum = QCryptographicHash::hash(fileContents(path), QCryptographicHash::Sha1).toHex();
            lines.append(name + QStringLiteral(" - ") + QString::fromLatin1(sum));
            continue;
        }
        QImageReader reader(path);
        const bool container = suffix == QLatin1String("ico") || suffix == QLatin1String("icns");
        const int count = container ? reader.imageCount() : 1;
        const QByteArray bytes = fileContents(path);
        const QStringList colourTypes =
                suffix == QLatin1String("icns") ? icnsColourTypes(bytes) : QStringList{ pngColourType(bytes) };
        if (count < 1)
            lines.append(name + QStringLiteral(" unreadable"));
        for (int i = 0; i < count; ++i) {
            QImage image;
            const QString label = container ? name + QStringLiteral("[%1]").arg(i) : name;
            if ((container && !reader.jumpToImage(i)) || !reader.read(&image)) {
                lines.append(label + QStringLiteral(" unreadable"));
                continue;
            }
            QString line = label + QLatin1Char(' ') + sizeText(image.size()) + QLatin1Char(' ')
                    + QString::fromLatin1(pixelsChecksum(image));
            const QString colourType = colourTypes.value(i);
            if (!colourType.isEmpty())
                line += QLatin1Char(' ') + colourType;
            lines.append(line);
        }
    }
    return lines;
}

// A log line as the manifest keeps it: the folder of the run replaced, so
// that the line is the same in every run.
QString logEntry(const QString &prefix, QString text, const QString &root)
{
    text.replace(root, QStringLiteral("<out>"));
    return prefix + QStringLiteral("log ") + text;
}

// Every picture under root that differs from the one of the same name under
// reference, pixel by pixel: "name: largest channel difference N in M of P
// pixels", or what keeps them from being compared.
QStringList differences(const QString &reference, const QString &root)
{
    QStringList lines;
    for (const QString &relative : filesUnder(root)) {
        const QString suffix = QFileInfo(relative).suffix().toLower();
        if (suffix == QLatin1String("json"))
            continue;
        QImageReader ours(QDir(root).filePath(relative));
        QImageReader theirs(QDir(reference).filePath(relative));
        const int count = qMax(ours.imageCount(), 1);
        for (int i = 0; i < count; ++i) {
            const QString label = count > 1 ? relative + QStringLiteral("[%1]").arg(i) : relative;
            QImage a;
            QImage b;
            if ((count > 1 && (!ours.jumpToImage(i) || !theirs.jumpToImage(i))) || !ours.read(&a) || !theirs.read(&b)) {
                lines.append(label + QStringLiteral(": missing or unreadable in one of the runs"));
                continue;
            }
            if (a.size() != b.size()) {
                lines.append(label + QStringLiteral(": %1x%2 here, %3x%4 in the reference")
                                             .arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height()));
                continue;
            }
            a = PictureCanvas::straight(a).convertToFormat(QImage::Format_RGBA8888);
            b = PictureCanvas::straight(b).convertToFormat(QImage::Format_RGBA8888);
            int largest = 0;
            qint64 differing = 0;
            for (int y = 0; y < a.height(); ++y) {
                const uchar *p = a.constScanLine(y);
                const uchar *q = b.constScanLine(y);
                for (int x = 0; x < a.width(); ++x, p += 4, q += 4) {
                    int pixel = 0;
                    for (int c = 0; c < 4; ++c)
                        pixel = qMax(pixel, qAbs(int(p[c]) - int(q[c])));
                    largest = qMax(largest, pixel);
                    differing += pixel > 0 ? 1 : 0;
                }
            }
            if (differing > 0) {
                lines.append(label + QStringLiteral(": largest channel difference %1 in %2 of %3 pixels")
                                             .arg(largest).arg(differing).arg(qint64(a.width()) * a.height()));
            }
        }
    }
    return lines;
}

QStringList *recorded = nullptr;

void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Warnings and errors only: debug traces are off unless logging rules ask.
    const bool reported = type == QtWarningMsg || type == QtCriticalMsg;
    if (recorded && reported && QByteArray(context.category).startsWith("Varnex."))
        recorded->append(text);
}

}

class TestOutputManifest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // The benchmark scenario in this process; the main job through the plugin
    // in a process of its own, and as the benchmark runs it, in this process
    void outputs_data();
    void outputs();

private:
    QStringList benchmarkScenario(const QString &root);
    QStringList mainJob(const QString &root);
    QStringList mainJobInProcess(const QString &root);

    QTemporaryDir m_folder;
    QStringList m_expected;
};

void TestOutputManifest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    const QString text = fileText(QString::fromUtf8(ManifestPath));
    m_expected = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!qEnvironmentVariableIsSet("LOOMWRIGHT_UPDATE_MANIFEST"))
        QVERIFY2(!m_expected.isEmpty(), ManifestPath);
}

void TestOutputManifest::outputs_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("inProcess");
    QTest::newRow("benchmark scenario") << QStringLiteral("bench/") << true;
    QTest::newRow("main job") << QStringLiteral("main/") << false;
    // The benchmark's copy of the main job must make what the tool makes.
    QTest::newRow("main job as the benchmark runs it") << QStringLiteral("main/") << true;
}

void TestOutputManifest::outputs()
{
    QFETCH(QString, prefix);
    QFETCH(bool, inProcess);
    const bool mainJobHere = inProcess && prefix == QLatin1String("main/");
    if (mainJobHere && qEnvironmentVariableIsSet("LOOMWRIGHT_UPDATE_MANIFEST"))
        QSKIP("the manifest follows the tool");
    const QString root = m_folder.filePath(prefix.chopped(1) + QLatin1String(mainJobHere ? "-in-process" : ""));
    const QStringList actual = prefix == QLatin1String("bench/") ? benchmarkScenario(root)
            : mainJobHere                                     ? mainJobInProcess(root)
                                                              : mainJob(root);
    if (QTest::currentTestFailed())
        return;

    QStringList expected;
    QStringList others;
    for (const QString &line : qAsConst(m_expected))
        (line.startsWith(prefix) ? expected : others).append(line);

    if (qEnvironmentVariableIsSet("LOOMWRIGHT_UPDATE_MANIFEST")) {
        // Each run's lines stay together, in the order they came.
        m_expected = others + actual;
        std::stable_sort(m_expected.begin(), m_expected.end(), [](const QString &a, const QString &b) {
            return a.section(QLatin1Char('/'), 0, 0) < b.section(QLatin1Char('/'), 0, 0);
        });
        QVERIFY(writeFile(QString::fromUtf8(ManifestPath),
                          (m_expected.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()));
        QSKIP("manifest written");
    }

    // Files are reported by name: what is missing, what is new, what differs.
    const QString logPrefix = prefix + QStringLiteral("log ");
    const auto isLog = [&logPrefix](const QString &line) { return line.startsWith(logPrefix); };
    const auto name = [](const QString &line) { return line.section(QLatin1Char(' '), 0, 0); };
    QStringList problems;
    QMap<QString, QString> actualFiles;
    for (const QString &line : actual) {
        if (!isLog(line))
            actualFiles.insert(name(line), line);
    }
    for (const QString &line : qAsConst(expected)) {
        if (isLog(line))
            continue;
        const QString now = actualFiles.take(name(line));
        if (now.isEmpty())
            problems.append(QStringLiteral("missing: ") + line);
        else if (now != line)
            problems.append(QStringLiteral("differs: %1 (now %2)").arg(line, now.section(QLatin1Char(' '), 1)));
    }
    for (const QString &line : qAsConst(actualFiles))
        problems.append(QStringLiteral("new: ") + line);

    const auto logOf = [&isLog](const QStringList &lines) {
        QStringList log;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(log), isLog);
        return log;
    };
    const QStringList expectedLog = logOf(expected);
    const QStringList actualLog = logOf(actual);
    if (actualLog != expectedLog) {
        problems.append(QStringLiteral("the log lines differ; expected:"));
        problems += expectedLog;
        problems.append(QStringLiteral("now:"));
        problems += actualLog;
    }
    // A message of its own for each, so that none is cut off.
    for (const QString &problem : qAsConst(problems))
        qWarning().noquote() << problem;

    const QString reference = qEnvironmentVariable("LOOMWRIGHT_MANIFEST_REFERENCE");
    const QStringList pictureDifferences =
            reference.isEmpty() ? QStringList() : differences(QDir(reference).filePath(prefix.chopped(1)), root);
    for (const QString &difference : pictureDifferences)
        qWarning().noquote() << difference;

    const QString keep = qEnvironmentVariable("LOOMWRIGHT_MANIFEST_KEEP");
    if (!keep.isEmpty() && !mainJobHere) {
        const QString kept = QDir(keep).filePath(prefix.chopped(1));
        QDir(kept).removeRecursively();
        QVERIFY2(QDir().mkpath(kept), qPrintable(kept));
        for (const QString &relative : filesUnder(root)) {
            const QString to = QDir(kept).filePath(relative);
            QVERIFY(QDir().mkpath(QFileInfo(to).path()) && QFile::copy(QDir(root).filePath(relative), to));
        }
    }

    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 entries differ from the record").arg(problems.size())));
    QVERIFY2(pictureDifferences.isEmpty(),
             qPrintable(QStringLiteral("%1 pictures differ from the reference run").arg(pictureDifferences.size())));
}

QStringList TestOutputManifest::benchmarkScenario(const QString &root)
{
    const QString source = m_folder.filePath(QStringLiteral("bench-source.png"));
    [&] { QVERIFY(BenchSupport::sourcePicture().save(source, "png")); }();
    [&] { QVERIFY(QDir().mkpath(root + QStringLiteral("/installer"))); }();
    if (QTest::currentTestFailed())
        return {};

    QStringList messages;
    recorded = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(record);
    QStringList failedCalls;
    for (const BenchSupport::SetCall &call : BenchSupport::allSetsCalls(source, root)) {
        if (!call.run())
            failedCalls.append(QString::fromLatin1(call.name));
    }
    qInstallMessageHandler(previous);
    recorded = nullptr;
    [&] { QVERIFY2(failedCalls.isEmpty(), qPrintable(failedCalls.join(QStringLiteral(", ")))); }();

    QStringList lines = describe(root, QStringLiteral("bench/"));
    for (const QString &message : qAsConst(messages))
        lines.append(logEntry(QStringLiteral("bench/"), message, root));
    return lines;
}

QStringList TestOutputManifest::mainJob(const QString &root)
{
    QProcess job;
    job.start(QStringLiteral(LOOMWRIGHT_ICONSETS), {QStringLiteral("--sample"), root});
    const bool finished = job.waitForFinished(300000);
    const QString errors = QString::fromUtf8(job.readAllStandardError());
    [&] {
        QVERIFY2(finished, qPrintable(job.errorString()));
        QVERIFY2(job.exitStatus() == QProcess::NormalExit && job.exitCode() == 0, qPrintable(errors));
    }();
    if (QTest::currentTestFailed())
        return {};

    QStringList lines = describe(root, QStringLiteral("main/"));
    // The host writes each message as "category: text".
    for (const QString &line : errors.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Varnex.")))
            lines.append(logEntry(QStringLiteral("main/"), line.section(QStringLiteral(": "), 1), root));
    }
    return lines;
}

QStringList TestOutputManifest::mainJobInProcess(const QString &root)
{
    // Where the tool paints its sample picture and takes it from.
    const QString source = root + QStringLiteral("/sample.png");
    [&] { QVERIFY(QDir().mkpath(root) && paintSamplePicture().save(source, "png")); }();
    if (QTest::currentTestFailed())
        return {};

    Loomwright facade;
    QStringList messages;
    recorded = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(record);
    QStringList failedCalls;
    for (const BenchSupport::SetCall &call : BenchSupport::mainJobCalls(&facade, source, root)) {
        if (!call.run())
            failedCalls.append(QString::fromUtf8(call.name));
    }
    qInstallMessageHandler(previous);
    recorded = nullptr;
    [&] { QVERIFY2(failedCalls.isEmpty(), qPrintable(failedCalls.join(QStringLiteral(", ")))); }();

    QStringList lines = describe(root, QStringLiteral("main/"));
    for (const QString &message : qAsConst(messages))
        lines.append(logEntry(QStringLiteral("main/"), message, root));
    return lines;
}

QTEST_MAIN(TestOutputManifest)
#include "tst_outputmanifest.moc"
