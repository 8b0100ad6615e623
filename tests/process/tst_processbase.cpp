#include "process/appprocess.h"
#include "process/synchronousprocess.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

// What the two process types have from their common base, checked on both:
// the writable properties that store and notify only on a change, and the
// one set of enumerations that QML reads under either type's name.
class TestProcessBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setters_data();
    void setters();
    void enumerations_data();
    void enumerations();
};

namespace {

std::unique_ptr<ProcessBase> create(const QByteArray &type)
{
    if (type == "Process")
        return std::make_unique<AppProcess>();
    return std::make_unique<SynchronousProcess>();
}

// The names of the signals that an object emits while it is watched, in
// order.
class SignalLog
{
public:
    explicit SignalLog(QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                m_spies.push_back({ meta->method(i).name(), std::make_unique<QSignalSpy>(object, meta->method(i)) });
        }
    }

    QStringList names() const
    {
        QStringList result;
        for (const auto &spy : m_spies) {
            for (int i = 0; i < spy.second->count(); ++i)
                result << QString::fromLatin1(spy.first);
        }
        return result;
    }

private:
    std::vector<std::pair<QByteArray, std::unique_ptr<QSignalSpy>>> m_spies;
};

}

void TestProcessBase::setters_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");
    QTest::addColumn<int>("emissions"); // emissions of any signal when setting second

    const QStringList xy = { QStringLiteral("x"), QStringLiteral("y") };
    for (const QByteArray type : { QByteArray("Process"), QByteArray("SynchronousProcess") }) {
        const auto row = [&type](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(type), QLatin1String(name))))
                    << type;
        };
        row("program, same") << QByteArray("program") << QVariant(QStringLiteral("a"))
                              << QVariant(QStringLiteral("a")) << 0;
        row("program, different") << QByteArray("program") << QVariant(QStringLiteral("a"))
                                   << QVariant(QStringLiteral("b")) << 1;
        row("arguments, same") << QByteArray("arguments") << QVariant(xy) << QVariant(xy) << 0;
        row("arguments, other order") << QByteArray("arguments") << QVariant(xy)
                                       << QVariant(QStringList{ QStringLiteral("y"), QStringLiteral("x") }) << 1;
        row("arguments, one element differs") << QByteArray("arguments") << QVariant(xy)
                                               << QVariant(QStringList{ QStringLiteral("x"), QStringLiteral("z") }) << 1;
        row("arguments, one more") << QByteArray("arguments") << QVariant(xy)
                                    << QVariant(xy + QStringList{ QStringLiteral("x") }) << 1;
        row("workingDirectory, same") << QByteArray("workingDirectory") << QVariant(QStringLiteral("/tmp"))
                                       << QVariant(QStringLiteral("/tmp")) << 0;
        row("workingDirectory, different") << QByteArray("workingDirectory") << QVariant(QStringLiteral("/tmp"))
                                            << QVariant(QStringLiteral("/")) << 1;
    }

    // The synchronous process's own.
    const QByteArray synchronous("SynchronousProcess");
    QTest::newRow("SynchronousProcess: standardInput, same")
            << synchronous << QByteArray("standardInput") << QVariant(QStringLiteral("in"))
            << QVariant(QStringLiteral("in")) << 0;
    QTest::newRow("SynchronousProcess: standardInput, different")
            << synchronous << QByteArray("standardInput") << QVariant(QStringLiteral("in"))
            << QVariant(QStringLiteral("out")) << 1;
    QTest::newRow("SynchronousProcess: standardInput, emptied")
            << synchronous << QByteArray("standardInput") << QVariant(QStringLiteral("in")) << QVariant(QString()) << 1;
    QTest::newRow("SynchronousProcess: timeout, different")
            << synchronous << QByteArray("timeout") << QVariant(qlonglong(1000)) << QVariant(qlonglong(2000)) << 0;
}

void TestProcessBase::setters()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    QFETCH(int, emissions);

    const std::unique_ptr<ProcessBase> process = create(type);
    {
        // A first value that differs from the initial one notifies once, with
        // the property's own signal; the time-out has none.
        SignalLog log(process.get());
        QVERIFY(process->setProperty(property, first));
        QCOMPARE(log.names(), property == "timeout" ? QStringList() : QStringList{ QString::fromLatin1(property + "Changed") });
    }

    SignalLog log(process.get());
    QVERIFY(process->setProperty(property, second));
    QCOMPARE(log.names().size(), emissions);
    QCOMPARE(process->property(property), second);
}

void TestProcessBase::enumerations_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");

    QTest::newRow("NotRunning") << QByteArray("NotRunning") << int(QProcess::NotRunning);
    QTest::newRow("Starting") << QByteArray("Starting") << int(QProcess::Starting);
    QTest::newRow("Running") << QByteArray("Running") << int(QProcess::Running);
    QTest::newRow("FailedToStart") << QByteArray("FailedToStart") << int(QProcess::FailedToStart);
    QTest::newRow("Crashed") << QByteArray("Crashed") << int(QProcess::Crashed);
    QTest::newRow("Timedout") << QByteArray("Timedout") << int(QProcess::Timedout);
    QTest::newRow("ReadError") << QByteArray("ReadError") << int(QProcess::ReadError);
    QTest::newRow("WriteError") << QByteArray("WriteError") << int(QProcess::WriteError);
    QTest::newRow("UnknownError") << QByteArray("UnknownError") << int(QProcess::UnknownError);
    QTest::newRow("NormalExit") << QByteArray("NormalExit") << int(QProcess::NormalExit);
    QTest::newRow("CrashExit") << QByteArray("CrashExit") << int(QProcess::CrashExit);
}

// Both types answer every key with QProcess's value, from the one
// enumeration they share.
void TestProcessBase::enumerations()
{
    QFETCH(QByteArray, key);
    QFETCH(int, value);

    for (const QMetaObject *meta : { &AppProcess::staticMetaObject, &SynchronousProcess::staticMetaObject }) {
        QCOMPARE(meta->superClass(), &ProcessBase::staticMetaObject);
        int found = 0;
        for (int i = 0; i < meta->enumeratorCount(); ++i) {
            bool ok = false;
            const int keyValue = meta->enumerator(i).keyToValue(key.constData(), &ok);
            if (ok) {
                QCOMPARE(keyValue, value);
                ++found;
            }
        }
        QCOMPARE(found, 1);
    }
}

QTEST_GUILESS_MAIN(TestProcessBase)
#include "tst_processbase.moc"
