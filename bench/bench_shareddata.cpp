// What SharedData costs while it waits, and how long a write takes to reach
// the other processes.
//
//   tick     one onUpdateTimer() on an idle segment: lock, read the change
//            counter, unlock. Every process of the suite does this once per
//            interval for as long as it runs, so it must stay cheap; the aim
//            is well under 50 microseconds. For comparison, the same lock,
//            read and unlock through a QSharedMemory of its own.
//   latency  this program writes an object, then notes when each of the
//            watchers (copies of this program, started with --watch) reports
//            dataChanged(). All poll at the interval of the suite's facade.
//            A change is seen at the next tick, so the delay lies between 0
//            and one interval; the aim is that no watcher is later than one
//            interval plus 50 ms.
//
// Both sides take their time from the system clock, which all processes of
// one machine share. A watcher that misses a write, or reports one that was
// not made, fails the run.
#include "shared/shareddata.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

#include <unistd.h>

namespace {

// The facade's segment size and polling interval.
constexpr int SegmentSize = 65536;
constexpr int FacadeInterval = 1000;

qint64 nowMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
}

struct Figures
{
    double mean = 0;
    double median = 0;
    double high = 0; // 99th percentile, or the maximum for few samples
    double maximum = 0;
};

Figures figures(std::vector<double> samples)
{
    Figures result;
    if (samples.empty())
        return result;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    result.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / double(n);
    result.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    result.high = samples[std::min(n - 1, size_t(double(n) * 0.99))];
    result.maximum = samples.back();
    return result;
}

QString uniqueKey()
{
    return QStringLiteral("loomwright-bench-shareddata-%1").arg(QCoreApplication::applicationPid());
}

// --watch: report every change as "seen SEQ MICROSECONDS" until standard
// input ends.
int watch(const QString &key, int interval)
{
    SharedData data(key, SegmentSize, interval);
    QObject::connect(&data, &SharedData::dataChanged, [&data] {
        const qint64 seen = nowMicroseconds();
        const int seq = data.object().value(QStringLiteral("seq"), -1).toInt();
        std::printf("seen %d %lld\n", seq, static_cast<long long>(seen));
        std::fflush(stdout);
    });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });

    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

bool measureTick(int calls)
{
    const QString key = uniqueKey() + QStringLiteral("-tick");
    SharedData data(key, SegmentSize, 0); // no timer: only the calls below tick
    data.setObject({ { QStringLiteral("seq"), 0 } });

    std::vector<double> samples(size_t(calls), 0.0);
    QElapsedTimer clock;
    for (int i = 0; i < calls / 10; ++i)
        QMetaObject::invokeMethod(&data, "onUpdateTimer", Qt::DirectConnection);
    clock.start();
    for (double &sample : samples) {
        const qint64 start = clock.nsecsElapsed();
        QMetaObject::invokeMethod(&data, "onUpdateTimer", Qt::DirectConnection);
        sample = double(clock.nsecsElapsed() - start) / 1000.0;
    }
    const Figures tick = figures(samples);

    QSharedMemory memory(key);
    if (!memory.attach()) {
        std::printf("tick: FAILED: cannot attach to the segment: %s\n", qPrintable(memory.errorString()));
        return false;
    }
    qint32 counter = 0;
    for (double &sample : samples) {
        const qint64 start = clock.nsecsElapsed();
        memory.lock();
        std::memcpy(&counter, memory.constData(), sizeof counter);
        memory.unlock();
        sample = double(clock.nsecsElapsed() - start) / 1000.0;
    }
    const Figures bare = figures(samples);
    if (counter != 1) {
        std::printf("tick: FAILED: the change counter reads %d, not 1\n", counter);
        return false;
    }

    std::printf("tick: %d calls of onUpdateTimer() on an idle segment\n", calls);
    std::printf("  onUpdateTimer()          mean %6.2f us  median %6.2f us  99th percentile %6.2f us  maximum %7.1f us\n",
                tick.mean, tick.median, tick.high, tick.maximum);
    std::printf("  QSharedMemory directly   mean %6.2f us  median %6.2f us  99th percentile %6.2f us  maximum %7.1f us\n",
                bare.mean, bare.median, bare.high, bare.maximum);
    std::printf("  aim: well under 50 us: %s\n", tick.median < 50 && tick.mean < 50 ? "met" : "NOT MET");
    std::fflush(stdout);
    return true;
}

struct Watcher
{
    std::unique_ptr<QProcess> process;
    QByteArray pending;
    bool ready = false;
    std::vector<qint64> seenAt; // by seq; 0 until seen
    QString failure;
};

bool measureLatency(int watcherCount, int writes, int interval)
{
    const QString key = uniqueKey() + QStringLiteral("-latency");
    // Created here first, so that the watchers attach to it, and kept until
    // they have gone.
    SharedData writer(key, SegmentSize, interval);

    std::vector<Watcher> watchers(static_cast<size_t>(watcherCount));
    QEventLoop loop;
    int seq = 0;
    const auto allSeen = [&] {
        return std::all_of(watchers.begin(), watchers.end(), [&](const Watcher &w) {
            return !w.failure.isEmpty() || (seq > 0 ? w.seenAt[size_t(seq)] != 0 : w.ready);
        });
    };

    for (Watcher &watcher : watchers) {
        watcher.seenAt.assign(size_t(writes) + 1, 0);
        watcher.process = std::make_unique<QProcess>();
        QProcess *process = watcher.process.get();
        process->setProgram(QCoreApplication::applicationFilePath());
        process->setArguments({ QStringLiteral("--watch"), key, QStringLiteral("--interval"),
                                QString::number(interval) });
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(process, &QProcess::readyReadStandardOutput, &loop, [&, process, w = &watcher] {
            w->pending += process->readAllStandardOutput();
            int end;
            while ((end = w->pending.indexOf('\n')) >= 0) {
                const QList<QByteArray> fields = w->pending.left(end).split(' ');
                w->pending.remove(0, end + 1);
                if (fields.value(0) == "ready") {
                    w->ready = true;
                } else if (fields.size() == 3 && fields.at(0) == "seen") {
                    const int n = fields.at(1).toInt();
                    if (n < 1 || n != seq || w->seenAt[size_t(n)] != 0)
                        w->failure = QStringLiteral("reported write %1 during write %2").arg(n).arg(seq);
                    else
                        w->seenAt[size_t(n)] = fields.at(2).toLongLong();
                }
            }
            if (allSeen())
                loop.quit();
        });
        QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, [&, w = &watcher] {
            if (w->failure.isEmpty())
                w->failure = QStringLiteral("ended early");
            loop.quit();
        });
        process->start();
    }

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto waitForAll = [&](int ms) {
        deadline.start(ms);
        if (!allSeen())
            loop.exec();
        return allSeen();
    };

    QString failure;
    if (!waitForAll(30000))
        failure = QStringLiteral("not all watchers started");

    QRandomGenerator random(20240611u);
    std::vector<qint64> writtenAt(size_t(writes) + 1, 0);
    for (seq = 1; seq <= writes && failure.isEmpty(); ++seq) {
        // The previous write was reported at the watchers' ticks; a pause of
        // anything up to an interval puts this one at a random point between
        // two ticks, so that the delays spread over the whole interval.
        QThread::msleep(random.bounded(interval));
        writtenAt[size_t(seq)] = nowMicroseconds();
        writer.setObject({ { QStringLiteral("seq"), seq } });
        if (!waitForAll(3 * interval + 2000))
            failure = QStringLiteral("write %1 did not reach every watcher").arg(seq);
    }

    for (Watcher &watcher : watchers)
        QObject::disconnect(watcher.process.get(), nullptr, &loop, nullptr);
    for (Watcher &watcher : watchers) {
        watcher.process->closeWriteChannel();
        if (!watcher.process->waitForFinished(10000)) {
            watcher.process->kill();
            watcher.process->waitForFinished();
        }
        if (failure.isEmpty() && !watcher.failure.isEmpty())
            failure = QStringLiteral("a watcher %1").arg(watcher.failure);
    }

    std::printf("latency: %d writes, %d watchers, every process polling every %d ms\n", writes, watcherCount,
                interval);
    if (!failure.isEmpty()) {
        std::printf("  FAILED: %s\n", qPrintable(failure));
        return false;
    }

    std::vector<double> delays;
    std::vector<double> slowest;
    for (int n = 1; n <= writes; ++n) {
        double last = 0;
        for (const Watcher &watcher : watchers) {
            const double delay = double(watcher.seenAt[size_t(n)] - writtenAt[size_t(n)]) / 1000.0;
            delays.push_back(delay);
            last = std::max(last, delay);
        }
        slowest.push_back(last);
    }
    const Figures all = figures(delays);
    const Figures perWrite = figures(slowest);
    const double limit = interval + 50;
    const auto late = std::count_if(delays.begin(), delays.end(), [limit](double d) { return d > limit; });
    std::printf("  write to dataChanged()   median %7.1f ms  mean %7.1f ms  maximum %7.1f ms\n", all.median,
                all.mean, all.maximum);
    std::printf("  slowest watcher a write  median %7.1f ms\n", perWrite.median);
    std::printf("  aim: none later than %.0f ms: %s (%lld of %zu later)\n", limit, late == 0 ? "met" : "NOT MET",
                static_cast<long long>(late), delays.size());
    std::fflush(stdout);
    return true;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Measures the polling tick of SharedData and the delay from a write to dataChanged() elsewhere."));
    parser.addHelpOption();
    const QCommandLineOption callsOption(QStringLiteral("calls"),
                                         QStringLiteral("Ticks to time (default 100000)."), QStringLiteral("N"),
                                         QStringLiteral("100000"));
    const QCommandLineOption writesOption(QStringLiteral("writes"),
                                          QStringLiteral("Writes whose delay to measure (default 50)."),
                                          QStringLiteral("N"), QStringLiteral("50"));
    const QCommandLineOption watchersOption(QStringLiteral("watchers"),
                                            QStringLiteral("Processes watching for changes (default 7)."),
                                            QStringLiteral("N"), QStringLiteral("7"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"),
                                            QStringLiteral("Polling interval in ms (default %1, the facade's).")
                                                    .arg(FacadeInterval),
                                            QStringLiteral("ms"), QString::number(FacadeInterval));
    const QCommandLineOption watchOption(QStringLiteral("watch"),
                                         QStringLiteral("Run as a watcher of the segment KEY (used internally)."),
                                         QStringLiteral("KEY"));
    parser.addOptions({ callsOption, writesOption, watchersOption, intervalOption, watchOption });
    parser.process(app);

    bool callsOk = false;
    bool writesOk = false;
    bool watchersOk = false;
    bool intervalOk = false;
    const int calls = parser.value(callsOption).toInt(&callsOk);
    const int writes = parser.value(writesOption).toInt(&writesOk);
    const int watchers = parser.value(watchersOption).toInt(&watchersOk);
    const int interval = parser.value(intervalOption).toInt(&intervalOk);
    if (!callsOk || calls < 1 || !writesOk || writes < 1 || !watchersOk || watchers < 1 || !intervalOk
        || interval < 1) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    if (parser.isSet(watchOption))
        return watch(parser.value(watchOption), interval);

    bool ok = measureTick(calls);
    ok = measureLatency(watchers, writes, interval) && ok;
    return ok ? 0 : 1;
}
