// Every file that the benchmark scenario and the main job write, compared
// with tests/imaging/data/outputmanifest.txt: its name, its pixel size and a
// checksum of its decoded pixels, so that the generators may change how they
// work, and the encoder how it compresses, but not a single pixel. The log
// lines of the generators in both runs are part of the manifest too.
//
// After an intended change of output, run this test's program with
// LOOMWRIGHT_UPDATE_MANIFEST=1 in its environment: it then writes the manifest
// of what the code now makes (into the source tree) instead of comparing, and
// the change shows in the manifest's diff.
#include "bench/benchsupport.h"
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
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4);
    return hash.result().toHex();
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// One line per picture, "name size checksum"; every picture of an icon
// container gets its own, its index in brackets after the name. A file that
// holds no picture is summed as bytes, with "-" for its size.
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
        if (count < 1)
            lines.append(name + QStringLiteral(" unreadable"));
        for (int i = 0; i < count; ++i) {
            QImage image;
            const QString label = container ? name + QStringLiteral("[%1]").arg(i) : name;
            if ((container && !reader.jumpToImage(i)) || !reader.read(&image)) {
                lines.append(label + QStringLiteral(" unreadable"));
                continue;
            }
            lines.append(label + QLatin1Char(' ') + sizeText(image.size()) + QLatin1Char(' ')
                         + QString::fromLatin1(pixelsChecksum(image)));
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
    // in a process of its own
    void outputs_data();
    void outputs();

private:
    QStringList benchmarkScenario(const QString &root);
    QStringList mainJob(const QString &root);

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
    QTest::newRow("benchmark scenario") << QStringLiteral("bench/");
    QTest::newRow("main job") << QStringLiteral("main/");
}

void TestOutputManifest::outputs()
{
    QFETCH(QString, prefix);
    const QString root = m_folder.filePath(prefix.chopped(1));
    const QStringList actual = prefix == QLatin1String("bench/") ? benchmarkScenario(root) : mainJob(root);
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
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
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

QTEST_MAIN(TestOutputManifest)
#include "tst_outputmanifest.moc"
