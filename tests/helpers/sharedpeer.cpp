// Another process on a SharedData segment, for the shared data tests:
//
//   loomwright-sharedpeer --key KEY --size BYTES --interval MS [--user UID] OPERATION...
//
// constructs SharedData(KEY, BYTES, MS), as user UID when given (which needs
// root), and performs its operations in order. Each prints one line:
//
//   ready                  "ready"
//   write:JSON             setObject() with JSON; "written", or "refused" when
//                          no dataChanged() followed
//   read                   "read TEXT", TEXT being stringData()
//   wait-change:MS         "changed TEXT" at the next dataChanged(), TEXT being
//                          stringData() then; ends with exit code 2 when none
//                          arrives within MS
//   count-changes:MS       "changes N", the dataChanged() emissions within MS
//   sleep:MS               "slept", after running the event loop for MS
//   wait-input             "input", once a line or the end of standard input arrived
//   counter                "counter N", the change counter in the segment header
//   raw-length:N           "raw-length", after storing N as the payload length
//   share:MODE             "shared", after setting the permission bits of the
//                          segment and its lock to MODE (octal)
//   hold-lock:MS           "locked" once it holds the segment's lock, which it
//                          keeps for MS (to be killed meanwhile)
//   random-stress:S:ID     writes and reads at random for S seconds as writer
//                          ID (1 and up), then "stress WRITES READS"; ends with
//                          exit code 3 at the first read that is not one whole
//                          object written by a stress writer
//
// counter, raw-length, share and hold-lock go around SharedData through a
// QSharedMemory of their own, as a foreign program would. Failures end the
// program with a message on standard error and exit code 1.
//
// Stress objects are {"pad":P,"seq":S,"writer":W}, P being stressPad(W, S);
// {"pad":"","seq":0,"writer":0} counts as one, so a test can start from it.
#include "shared/segmentlock.h"
#include "shared/shareddata.h"
#include "utility/jsonutility.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include <grp.h>
#include <pwd.h>
#include <sys/ipc.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "sharedpeer: %s\n", qPrintable(message));
    std::exit(1);
}

void say(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        fail(QStringLiteral("not a number: ") + text);
    return value;
}

// Lengths vary widely from write to write, so that longer and shorter
// payloads follow each other; the characters take one to three UTF-8 bytes.
QString stressPad(int writer, int seq)
{
    static const QString fills = QStringLiteral("abcxyz\u00e9\u00df\u6f22\u5b57");
    const int length = (writer * 131 + seq * 977) % 1000;
    return QString(length, fills.at((writer * 7 + seq) % fills.size()));
}

bool isStressObject(const QString &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const int writer = object.value(QStringLiteral("writer")).toInt(-1);
    const int seq = object.value(QStringLiteral("seq")).toInt(-1);
    return object.size() == 3 && writer >= 0 && seq >= 0
            && object.value(QStringLiteral("pad")).toString() == stressPad(writer, seq);
}

// The segment as a foreign program sees it: a QSharedMemory of its own,
// taking the same lock as every user of the segment.
class RawSegment
{
public:
    explicit RawSegment(const QString &key)
        : m_memory(key)
        , m_lock(m_memory.nativeKey() + QStringLiteral(".lock"))
    {
        if (!m_memory.attach())
            fail(QStringLiteral("cannot attach: ") + m_memory.errorString());
    }

    void lock()
    {
        if (!m_lock.lock())
            fail(QStringLiteral("cannot lock: ") + m_lock.errorString());
    }

    void unlock() { m_lock.unlock(); }

    qint32 header(int offset) const
    {
        qint32 value;
        std::memcpy(&value, static_cast<const char *>(m_memory.constData()) + offset, sizeof value);
        return value;
    }

    void setHeader(int offset, qint32 value)
    {
        std::memcpy(static_cast<char *>(m_memory.data()) + offset, &value, sizeof value);
    }

    // Qt keys the segment and its lock with key files that differ in their
    // prefix only.
    void share(uint mode)
    {
        const QByteArray segmentFile = QFile::encodeName(m_memory.nativeKey());
        QByteArray lockFile = segmentFile;
        lockFile.replace("qipc_sharedmemory_", "qipc_systemsem_");

        const int segment = shmget(ftok(segmentFile.constData(), 'Q'), 0, 0);
        shmid_ds segmentStatus;
        if (segment == -1 || shmctl(segment, IPC_STAT, &segmentStatus) != 0)
            fail(QStringLiteral("no segment to share"));
        segmentStatus.shm_perm.mode = mode;
        if (shmctl(segment, IPC_SET, &segmentStatus) != 0)
            fail(QStringLiteral("cannot share the segment"));

        const int lock = semget(ftok(lockFile.constData(), 'Q'), 1, 0);
        semid_ds lockStatus;
        union {
            int value;
            semid_ds *status;
            unsigned short *array;
        } argument;
        argument.status = &lockStatus;
        if (lock == -1 || semctl(lock, 0, IPC_STAT, argument) != 0)
            fail(QStringLiteral("no lock to share"));
        lockStatus.sem_perm.mode = mode;
        if (semctl(lock, 0, IPC_SET, argument) != 0)
            fail(QStringLiteral("cannot share the lock"));
    }

private:
    QSharedMemory m_memory;
    SegmentLock m_lock;
};

void becomeUser(uint uid)
{
    const passwd *user = getpwuid(uid);
    const gid_t gid = user ? user->pw_gid : gid_t(uid);
    if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
        fail(QStringLiteral("cannot become user %1").arg(uid));
}

// Runs the event loop for ms; ticks go on meanwhile.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitForChange(SharedData &data, int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, [&loop] { loop.exit(1); });
    QObject::connect(&data, &SharedData::dataChanged, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

void randomStress(SharedData &data, int seconds, int writer)
{
    QRandomGenerator random{ quint32(writer) };
    int changes = 0;
    QObject::connect(&data, &SharedData::dataChanged, [&changes] { ++changes; });

    int writes = 0;
    int reads = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        if (random.bounded(2) == 0) {
            const int before = changes;
            const int seq = writes + 1;
            data.setObject({ { QStringLiteral("writer"), writer },
                             { QStringLiteral("seq"), seq },
                             { QStringLiteral("pad"), stressPad(writer, seq) } });
            if (changes == before)
                fail(QStringLiteral("write %1 refused").arg(seq));
            writes = seq;
        } else {
            const QString text = data.stringData();
            ++reads;
            // Empty only before the first write to a new segment.
            if (!text.isEmpty() && !isStressObject(text)) {
                std::fprintf(stderr, "sharedpeer: torn read: %s\n", text.toUtf8().constData());
                std::exit(3);
            }
        }
        // Ticks lock the segment too; let them run now and then.
        QCoreApplication::processEvents();
        if (random.bounded(8) == 0)
            QThread::usleep(random.bounded(500));
    }
    say(QStringLiteral("stress %1 %2").arg(writes).arg(reads));
}

}

int main(int argc, char *argv[])
{
    QString key;
    int size = 0;
    int interval = 0;
    QStringList operations;

    // Whoever the peer runs as, it must be that user from the start.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--user") == 0)
            becomeUser(uint(std::strtoul(argv[i + 1], nullptr, 10)));
    }

    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--key") && hasValue)
            key = arguments.at(++i);
        else if (argument == QLatin1String("--size") && hasValue)
            size = number(arguments.at(++i));
        else if (argument == QLatin1String("--interval") && hasValue)
            interval = number(arguments.at(++i));
        else if (argument == QLatin1String("--user") && hasValue)
            ++i;
        else
            operations << argument;
    }
    if (key.isEmpty())
        fail(QStringLiteral("no --key"));

    SharedData data(key, size, interval);
    int changes = 0;
    QObject::connect(&data, &SharedData::dataChanged, [&changes] { ++changes; });

    for (const QString &operation : qAsConst(operations)) {
        const QStringList parts = operation.split(QLatin1Char(':'));
        const QString &name = parts.first();
        const QString value = operation.mid(name.size() + 1);

        if (name == QLatin1String("ready")) {
            say(QStringLiteral("ready"));
        } else if (name == QLatin1String("write")) {
            const int before = changes;
            data.setObject(JsonUtility::toVariantMap(value));
            say(changes == before ? QStringLiteral("refused") : QStringLiteral("written"));
        } else if (name == QLatin1String("read")) {
            say(QStringLiteral("read ") + data.stringData());
        } else if (name == QLatin1String("wait-change")) {
            if (!waitForChange(data, number(value))) {
                std::fprintf(stderr, "sharedpeer: no change within %s ms\n", qPrintable(value));
                return 2;
            }
            say(QStringLiteral("changed ") + data.stringData());
        } else if (name == QLatin1String("count-changes")) {
            const int before = changes;
            pause(number(value));
            say(QStringLiteral("changes %1").arg(changes - before));
        } else if (name == QLatin1String("sleep")) {
            pause(number(value));
            say(QStringLiteral("slept"));
        } else if (name == QLatin1String("wait-input")) {
            std::string line;
            std::getline(std::cin, line);
            say(QStringLiteral("input"));
        } else if (name == QLatin1String("counter")) {
            RawSegment segment(key);
            segment.lock();
            const qint32 counter = segment.header(0);
            segment.unlock();
            say(QStringLiteral("counter %1").arg(counter));
        } else if (name == QLatin1String("raw-length")) {
            RawSegment segment(key);
            segment.lock();
            segment.setHeader(4, number(value));
            segment.unlock();
            say(QStringLiteral("raw-length"));
        } else if (name == QLatin1String("share")) {
            bool ok = false;
            const uint mode = value.toUInt(&ok, 8);
            if (!ok)
                fail(QStringLiteral("not an octal mode: ") + value);
            RawSegment(key).share(mode);
            say(QStringLiteral("shared"));
        } else if (name == QLatin1String("hold-lock")) {
            RawSegment segment(key);
            segment.lock();
            say(QStringLiteral("locked"));
            QThread::msleep(ulong(number(value)));
            segment.unlock();
        } else if (name == QLatin1String("random-stress") && parts.size() == 3) {
            randomStress(data, number(parts.at(1)), number(parts.at(2)));
        } else {
            fail(QStringLiteral("unknown operation: ") + operation);
        }
    }
    return 0;
}
