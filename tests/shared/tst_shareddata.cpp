#include "shared/shareddata.h"
#include "shared/systemvipc_p.h"
#include "tests/helpers/logassert.h"
#include "utility/jsonutility.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QSystemSemaphore>
#include <QtTest>

#include <climits>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const int waitMs = 30000;
const int interval = 50;
const uint nobody = 65534;

// One loomwright-sharedpeer run; its output is read line by line, in order.
class Peer
{
public:
    Peer(const QString &key, int size, const QStringList &operations, const QStringList &options)
    {
        m_process.setProgram(QStringLiteral(LOOMWRIGHT_SHAREDPEER));
        m_process.setArguments(QStringList{ QStringLiteral("--key"), key, QStringLiteral("--size"),
                                            QString::number(size), QStringLiteral("--interval"),
                                            QString::number(interval) }
                               + options + operations);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }

    ~Peer() { kill(); }

    // The next line, or a null string when none arrives in time.
    QString nextLine(int timeout = waitMs)
    {
        QDeadlineTimer deadline(timeout);
        for (;;) {
            collect();
            if (!m_lines.isEmpty())
                return m_lines.takeFirst();
            if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
                return QString();
            m_process.waitForReadyRead(int(deadline.remainingTime()));
        }
    }

    // True when the peer ended by itself with exit code 0.
    bool finish(int timeout = waitMs)
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeout)) {
            kill();
            return false;
        }
        collect();
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

    bool finishesWithin(int timeout) { return m_process.waitForFinished(timeout); }

    void endInput()
    {
        m_process.write("\n");
        m_process.closeWriteChannel();
    }

    void kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(waitMs);
        }
    }

    QByteArray describe() const
    {
        return (m_process.arguments().join(QLatin1Char(' ')) + QStringLiteral(": exit code %1, status %2, unread: ")
                        .arg(m_process.exitCode())
                        .arg(int(m_process.exitStatus()))
                + m_lines.join(QStringLiteral(" | ")))
                .toUtf8();
    }

private:
    void collect()
    {
        while (m_process.canReadLine()) {
            QByteArray line = m_process.readLine();
            line.chop(1);
            m_lines << QString::fromUtf8(line);
        }
    }

    QProcess m_process;
    QStringList m_lines;
};

QVariantMap json(const QString &text)
{
    return JsonUtility::toVariantMap(text);
}

// An object nested depth levels deep, the innermost one empty.
QVariantMap nestedObject(int depth)
{
    QVariantMap object;
    for (int level = 1; level < depth; ++level)
        object = { { QStringLiteral("n"), object } };
    return object;
}

// One past the largest segment the system allows, or -1 when every int size is allowed.
int beyondSystemLimit()
{
    QFile file(QStringLiteral("/proc/sys/kernel/shmmax"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const qulonglong limit = file.readAll().trimmed().toULongLong(&ok);
    return ok && limit < qulonglong(INT_MAX) ? int(limit + 1) : -1;
}

}

class TestSharedData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    // Between processes
    void writesReachOtherProcesses_data();
    void writesReachOtherProcesses();
    void writesAtTheLimits_data();
    void writesAtTheLimits();
    void lateAttacherReportsOnce();
    void foreignLength_data();
    void foreignLength();
    void withoutSegment_data();
    void withoutSegment();

    // Processes that die, processes that compete
    void killedLockHolderBlocksNobody();
    void newProcessAfterAllWereKilled();
    void concurrentWritersAndReaders_data();
    void concurrentWritersAndReaders();

    // Access
    void segmentAndLockOwnerOnly_data();
    void segmentAndLockOwnerOnly();
    void debugTraceHidesPayload();

private:
    QString newKey();
    Peer *startPeer(const QString &key, int size, const QStringList &operations,
                    const QStringList &options = QStringList());

    QStringList m_keys;
    std::vector<std::unique_ptr<Peer>> m_peers;
};

QString TestSharedData::newKey()
{
    static int counter = 0;
    m_keys << QStringLiteral("loomwright-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    return m_keys.last();
}

Peer *TestSharedData::startPeer(const QString &key, int size, const QStringList &operations,
                                const QStringList &options)
{
    m_peers.push_back(std::make_unique<Peer>(key, size, operations, options));
    return m_peers.back().get();
}

void TestSharedData::cleanup()
{
    m_peers.clear();
    // What killed processes leave behind: a segment nobody is attached to goes
    // with the last detach, a lock with the destruction of its creator.
    for (const QString &key : qAsConst(m_keys)) {
        QSharedMemory memory(key);
        if (memory.attach())
            memory.detach();
        QSystemSemaphore lock(key, 1, QSystemSemaphore::Create);
    }
    m_keys.clear();
}

void TestSharedData::writesReachOtherProcesses_data()
{
    QTest::addColumn<QStringList>("writes");

    const QString longer = QStringLiteral("{\"long\":\"%1\"}").arg(QString(200, QLatin1Char('x')));
    QTest::newRow("one object") << QStringList{ QStringLiteral("{\"greeting\":\"hello\"}") };
    QTest::newRow("nested, non-ASCII") << QStringList{ QStringLiteral(
            "{\"inner\":{\"on\":true},\"list\":[1,2],\"name\":\"Gr\u00fc\u00dfe \u6f22\u5b57\"}") };
    QTest::newRow("shorter after longer") << QStringList{ longer, QStringLiteral("{\"a\":1}") };
    QTest::newRow("same object twice") << QStringList{ QStringLiteral("{\"a\":1}"), QStringLiteral("{\"a\":1}") };
}

void TestSharedData::writesReachOtherProcesses()
{
    QFETCH(QStringList, writes);

    const QString key = newKey();
    SharedData data(key, 1024, interval);
    QSignalSpy changed(&data, &SharedData::dataChanged);
    QVERIFY(data.object().isEmpty());

    QStringList operations{ QStringLiteral("read") };
    for (int i = 0; i < writes.size(); ++i)
        operations << QStringLiteral("wait-change:%1").arg(waitMs);
    operations << QStringLiteral("read") << QStringLiteral("counter");
    Peer *peer = startPeer(key, 1024, operations);
    QCOMPARE(peer->nextLine(), QStringLiteral("read "));

    for (int i = 0; i < writes.size(); ++i) {
        data.setObject(json(writes.at(i)));
        QCOMPARE(changed.count(), i + 1);
        QCOMPARE(peer->nextLine(), QStringLiteral("changed ") + writes.at(i));
    }
    QVERIFY2(peer->finish(), peer->describe());
    QCOMPARE(peer->nextLine(), QStringLiteral("read ") + writes.last());
    QCOMPARE(peer->nextLine(), QStringLiteral("counter %1").arg(writes.size()));

    // The writer's own ticks must not report its writes a second time.
    QTest::qWait(6 * interval);
    QCOMPARE(changed.count(), writes.size());
}

void TestSharedData::writesAtTheLimits_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QVariant>("write"); // a map for setObject(), a string for setStringData()
    QTest::addColumn<QString>("refusal");  // the items of the critical line; empty when accepted

    // The segment has 256 bytes, so 248 for the payload; {"p":"..."} puts 8
    // bytes around the pad.
    const auto padded = [](const QString &pad) { return QVariantMap{ { QStringLiteral("p"), pad } }; };
    const auto tooLarge = [](const QString &pad) {
        return QStringLiteral("Object data too large %1 > 248").arg(pad.toUtf8().size() + 8);
    };
    const QString twoBytes = QStringLiteral("\u00e9");
    QTest::newRow("ASCII, at capacity") << 256 << QVariant(padded(QString(240, QLatin1Char('x')))) << QString();
    QTest::newRow("ASCII, one byte over") << 256 << QVariant(padded(QString(241, QLatin1Char('x'))))
                                          << tooLarge(QString(241, QLatin1Char('x')));
    QTest::newRow("UTF-8, at capacity") << 256 << QVariant(padded(twoBytes.repeated(120))) << QString();
    QTest::newRow("UTF-8, over in bytes, not in characters") << 256 << QVariant(padded(twoBytes.repeated(121)))
                                                             << tooLarge(twoBytes.repeated(121));

    // Readers parse no deeper than 1024 levels; a deeper object would reach
    // every process as an empty one.
    QTest::newRow("objects as deep as readers take") << 8192 << QVariant(nestedObject(1024)) << QString();
    QTest::newRow("objects one level deeper")
            << 8192 << QVariant(nestedObject(1025))
            << QStringLiteral("Object data unreadable \"too deeply nested document at offset 5121\"");
    QVariant lists = QVariantList();
    for (int level = 3; level <= 1024; ++level) // the object and the innermost list are two
        lists = QVariantList{ lists };
    QTest::newRow("lists as deep as readers take") << 8192 << QVariant(QVariantMap{ { QStringLiteral("l"), lists } })
                                                   << QString();
    QTest::newRow("lists one level deeper")
            << 8192 << QVariant(QVariantMap{ { QStringLiteral("l"), QVariantList{ lists } } })
            << QStringLiteral("Object data unreadable \"too deeply nested document at offset 1029\"");
    QTest::newRow("text that is no JSON")
            << 256 << QVariant(QStringLiteral("{\"a\":1"))
            << QStringLiteral("Object data unreadable \"invalid termination by number at offset 6\"");
    QTest::newRow("JSON that is no object") << 256 << QVariant(QStringLiteral("[1,2]"))
                                            << QStringLiteral("Object data unreadable \"not an object\"");
    QTest::newRow("empty text, read as an empty object") << 256 << QVariant(QString()) << QString();
}

void TestSharedData::writesAtTheLimits()
{
    QFETCH(int, size);
    QFETCH(QVariant, write);
    QFETCH(QString, refusal);

    const bool asObject = write.type() == QVariant::Map;
    const QString payload = asObject ? JsonUtility::toCompactJson(write.toMap()) : write.toString();
    const QString key = newKey();
    SharedData data(key, size, interval);
    const QString before = QStringLiteral("{\"before\":1}");
    data.setObject(json(before));
    QSignalSpy changed(&data, &SharedData::dataChanged);

    if (!refusal.isEmpty())
        QTest::ignoreMessage(QtCriticalMsg, logLine("SharedData::setStringData", refusal));
    if (asObject)
        data.setObject(write.toMap());
    else
        data.setStringData(write.toString());
    QCOMPARE(changed.count(), refusal.isEmpty() ? 1 : 0);

    Peer *peer = startPeer(key, size, { QStringLiteral("read"), QStringLiteral("counter") });
    QVERIFY2(peer->finish(), peer->describe());
    const QString stored = refusal.isEmpty() ? payload : before;
    QCOMPARE(peer->nextLine(), QStringLiteral("read ") + stored);
    QCOMPARE(peer->nextLine(), QStringLiteral("counter %1").arg(refusal.isEmpty() ? 2 : 1));
    // What the writer reads back is what it wrote, or what was there before.
    if (asObject)
        QCOMPARE(data.object(), refusal.isEmpty() ? write.toMap() : json(before));
}

void TestSharedData::lateAttacherReportsOnce()
{
    const QString key = newKey();
    SharedData data(key, 256, interval);
    data.setObject({ { QStringLiteral("a"), 1 } });

    Peer *peer = startPeer(key, 256, { QStringLiteral("wait-change:%1").arg(waitMs),
                                       QStringLiteral("count-changes:%1").arg(10 * interval) });
    QVERIFY2(peer->finish(), peer->describe());
    QCOMPARE(peer->nextLine(), QStringLiteral("changed {\"a\":1}"));
    QCOMPARE(peer->nextLine(), QStringLiteral("changes 0"));
}

void TestSharedData::foreignLength_data()
{
    QTest::addColumn<int>("length");

    // A page-sized segment: reading past its end would fault.
    QTest::newRow("negative") << -1;
    QTest::newRow("one past capacity") << 4089;
    QTest::newRow("far past the segment") << INT_MAX;
}

void TestSharedData::foreignLength()
{
    QFETCH(int, length);

    const QString key = newKey();
    SharedData data(key, 4096, interval);
    data.setObject({ { QStringLiteral("a"), 1 } });

    Peer *foreign = startPeer(key, 4096, { QStringLiteral("raw-length:%1").arg(length) });
    QVERIFY2(foreign->finish(), foreign->describe());

    QTest::ignoreMessage(QtCriticalMsg, logLine("SharedData::stringData",
                                                QStringLiteral("Invalid data size %1 capacity 4088").arg(length)));
    QVERIFY(data.object().isEmpty());

    // The next write repairs the header.
    data.setObject({ { QStringLiteral("b"), 2 } });
    QCOMPARE(data.object(), json(QStringLiteral("{\"b\":2}")));
}

void TestSharedData::withoutSegment_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("foreignOwner");
    QTest::addColumn<QString>("logFunction");
    QTest::addColumn<QString>("constructorLog"); // how the items of a critical line begin, if there is one

    const QString attachOrCreate = QStringLiteral("attachOrCreate");
    const QString unableToCreate = QStringLiteral("Unable to create: ");
    QTest::newRow("zero size") << 0 << false << attachOrCreate << unableToCreate;
    QTest::newRow("smaller than the header") << 4 << false << QString() << QString();
    QTest::newRow("larger than the system allows") << beyondSystemLimit() << false << attachOrCreate
                                                   << unableToCreate;
    // The other user's lock file turns this process away before it reaches the segment.
    QTest::newRow("owned by another user") << 256 << true << QStringLiteral("SharedData")
                                           << QStringLiteral("Unable to lock: \"Lock file belongs to another user\" ");
}

void TestSharedData::withoutSegment()
{
    QFETCH(int, size);
    QFETCH(bool, foreignOwner);
    QFETCH(QString, logFunction);
    QFETCH(QString, constructorLog);

    if (size < 0)
        QSKIP("The system allows segments of every int size (kernel.shmmax)");
    if (foreignOwner && geteuid() != 0)
        QSKIP("Only root can start a process as another user");

    const QString key = newKey();
    Peer *owner = nullptr;
    if (foreignOwner) {
        // Another user's segment, open to everyone, holding that user's data.
        owner = startPeer(key, 256,
                          { QStringLiteral("write:{\"token\":\"theirs\"}"), QStringLiteral("share:666"),
                            QStringLiteral("wait-input"), QStringLiteral("read"), QStringLiteral("counter") },
                          { QStringLiteral("--user"), QString::number(nobody) });
        QCOMPARE(owner->nextLine(), QStringLiteral("written"));
        QCOMPARE(owner->nextLine(), QStringLiteral("shared"));
    }

    if (!constructorLog.isEmpty())
        QTest::ignoreMessage(QtCriticalMsg,
                             logLinePattern(signatureOf(QStringLiteral("SharedData::") + logFunction),
                                            QRegularExpression::escape(constructorLog) + QStringLiteral(".*")));
    {
        SharedData data(key, size, interval);
        QSignalSpy changed(&data, &SharedData::dataChanged);

        QVERIFY(data.stringData().isEmpty());
        QVERIFY(data.object().isEmpty());
        QVERIFY(QMetaObject::invokeMethod(&data, "onUpdateTimer"));
        QTest::qWait(4 * interval);
        QCOMPARE(changed.count(), 0);

        QTest::ignoreMessage(QtCriticalMsg,
                             logLine("SharedData::setStringData", QStringLiteral("Object data too large 7 > -8")));
        data.setObject({ { QStringLiteral("a"), 1 } });
        QCOMPARE(changed.count(), 0);
    }

    if (owner) {
        owner->endInput();
        QVERIFY2(owner->finish(), owner->describe());
        QCOMPARE(owner->nextLine(), QStringLiteral("input"));
        QCOMPARE(owner->nextLine(), QStringLiteral("read {\"token\":\"theirs\"}"));
        QCOMPARE(owner->nextLine(), QStringLiteral("counter 1"));
    }
}

void TestSharedData::killedLockHolderBlocksNobody()
{
    const QString key = newKey();
    SharedData data(key, 256, interval);
    data.setObject({ { QStringLiteral("before"), 1 } });
    QSignalSpy changed(&data, &SharedData::dataChanged);

    Peer *holder = startPeer(key, 256, { QStringLiteral("hold-lock:600000") });
    QCOMPARE(holder->nextLine(), QStringLiteral("locked"));

    // The writer waits for the lock, which shows that the holder has it.
    Peer *writer = startPeer(key, 256, { QStringLiteral("write:{\"after\":2}"), QStringLiteral("counter") });
    QVERIFY2(!writer->finishesWithin(10 * interval), writer->describe());

    holder->kill();
    QVERIFY2(writer->finish(), writer->describe());
    QCOMPARE(writer->nextLine(), QStringLiteral("written"));
    QCOMPARE(writer->nextLine(), QStringLiteral("counter 2"));
    QCOMPARE(data.object(), json(QStringLiteral("{\"after\":2}")));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, waitMs);
}

void TestSharedData::newProcessAfterAllWereKilled()
{
    const QString key = newKey();
    const QString survivor = QStringLiteral("{\"survivor\":true}");

    Peer *creator = startPeer(key, 256, { QStringLiteral("write:") + survivor, QStringLiteral("sleep:600000") });
    QCOMPARE(creator->nextLine(), QStringLiteral("written"));
    Peer *idle = startPeer(key, 256, { QStringLiteral("ready"), QStringLiteral("sleep:600000") });
    QCOMPARE(idle->nextLine(), QStringLiteral("ready"));
    Peer *holder = startPeer(key, 256, { QStringLiteral("hold-lock:600000") });
    QCOMPARE(holder->nextLine(), QStringLiteral("locked"));

    creator->kill();
    idle->kill();
    holder->kill();

    Peer *next = startPeer(key, 256,
                           { QStringLiteral("read"), QStringLiteral("write:{\"next\":1}"), QStringLiteral("read") });
    QVERIFY2(next->finish(), next->describe());
    const QString first = next->nextLine();
    QVERIFY2(first == QStringLiteral("read ") + survivor || first == QStringLiteral("read "), qPrintable(first));
    QCOMPARE(next->nextLine(), QStringLiteral("written"));
    QCOMPARE(next->nextLine(), QStringLiteral("read {\"next\":1}"));
}

void TestSharedData::concurrentWritersAndReaders_data()
{
    QTest::addColumn<bool>("createdHere");

    QTest::newRow("segment made before they start") << true;
    // They race to create it: exactly one may, the others must attach.
    QTest::newRow("all starting at once on a new key") << false;
}

void TestSharedData::concurrentWritersAndReaders()
{
    QFETCH(bool, createdHere);
    const int writers = 8;
    const int seconds = 3;
    const int size = 4096;

    const QString key = newKey();
    std::unique_ptr<SharedData> data;
    if (createdHere) {
        data = std::make_unique<SharedData>(key, size, interval);
        // What the stress writers accept as the object before theirs.
        data->setObject(json(QStringLiteral("{\"pad\":\"\",\"seq\":0,\"writer\":0}")));
    }

    std::vector<Peer *> peers;
    for (int id = 1; id <= writers; ++id)
        peers.push_back(startPeer(key, size, { QStringLiteral("random-stress:%1:%2").arg(seconds).arg(id) }));

    // Joining the race keeps the segment alive after the writers end.
    if (!createdHere)
        data = std::make_unique<SharedData>(key, size, interval);

    int writes = createdHere ? 1 : 0;
    for (Peer *peer : peers) {
        QVERIFY2(peer->finish(), peer->describe());
        const QStringList fields = peer->nextLine().split(QLatin1Char(' '));
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields.first(), QStringLiteral("stress"));
        writes += fields.at(1).toInt();
    }

    Peer *counter = startPeer(key, size, { QStringLiteral("counter") });
    QVERIFY2(counter->finish(), counter->describe());
    QCOMPARE(counter->nextLine(), QStringLiteral("counter %1").arg(writes));
}

void TestSharedData::segmentAndLockOwnerOnly_data()
{
    QTest::addColumn<bool>("openedFirst");

    QTest::newRow("created here") << false;
    QTest::newRow("attached after its owner opened it to everyone") << true;
}

void TestSharedData::segmentAndLockOwnerOnly()
{
    QFETCH(bool, openedFirst);

    const QString key = newKey();
    const QSharedMemory probe(key);
    Peer *opener = nullptr;
    if (openedFirst) {
        opener = startPeer(key, 256, { QStringLiteral("share:666"), QStringLiteral("wait-input") });
        QCOMPARE(opener->nextLine(), QStringLiteral("shared"));
        QCOMPARE(SystemVIpc::segmentAccess(probe).mode, 0666u);
    }

    SharedData data(key, 256, interval);
    const SystemVIpc::Access accesses[] = { SystemVIpc::segmentAccess(probe), SystemVIpc::lockAccess(probe) };
    for (const SystemVIpc::Access &access : accesses) {
        QVERIFY(access.found);
        QCOMPARE(access.ownerId, uint(geteuid()));
        QCOMPARE(access.mode, 0600u);
    }
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(probe.nativeKey()) & others, QFile::Permissions());

    if (opener) {
        opener->endInput();
        QVERIFY2(opener->finish(), opener->describe());
    }
}

void TestSharedData::debugTraceHidesPayload()
{
    // Non-ASCII, so that bytes and characters differ; a leak might show
    // escaped, hence the check for the ASCII part too.
    const QString secret = QStringLiteral("7f3a91c2e8d4");
    const QString token = QStringLiteral("tok-\u00e9\u6f22-") + secret;
    const QVariantMap object{ { QStringLiteral("refreshToken"), token } };
    const QString payload = JsonUtility::toCompactJson(object);

    const QString key = newKey();
    MessageRecorder recorder;
    {
        QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Loomwright.Core.debug=true"));
        const auto tracingOff = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        SharedData data(key, 1024, interval);
        data.setObject(object);
        QCOMPARE(data.object(), object);

        // A change from elsewhere, reported by a tick.
        Peer *peer = startPeer(key, 1024, { QStringLiteral("write:") + payload });
        QVERIFY2(peer->finish(), peer->describe());
        QSignalSpy changed(&data, &SharedData::dataChanged);
        QVERIFY(QMetaObject::invokeMethod(&data, "onUpdateTimer"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(data.stringData(), payload);
    }

    const QStringList messages = recorder.messages();
    for (const QString &message : messages) {
        QVERIFY2(!message.contains(token) && !message.contains(secret), "the payload reached a log line");
    }
    const QRegularExpression sizeLine(QStringLiteral("setStringData.* size: %1 string %2$")
                                              .arg(payload.toUtf8().size())
                                              .arg(payload.size()));
    QVERIFY2(!messages.filter(sizeLine).isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestSharedData)
#include "tst_shareddata.moc"
