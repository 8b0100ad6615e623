#ifndef LOOMWRIGHT_TESTS_LOGCAPTURE_H
#define LOOMWRIGHT_TESTS_LOGCAPTURE_H

// The log lines of a Qt Quick Test run, for QML tests to read: a runner
// hands an instance to QML as a context property (e.g. "logCapture"), and a
// test calls start(rules) before and stop() after what it watches. A target
// that uses it lists this header among its sources, for moc.

#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QString>
#include <QStringList>

// Records the process's log lines between start() and stop(). Meanwhile
// debug and info lines are kept only (every category at debug would bury the
// test's own output); warnings and worse still reach the test's handler,
// which checks the expected ones.
class LogCapture : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void start(const QString &rules)
    {
        {
            QMutexLocker locker(&s_mutex);
            s_lines.clear();
            s_capturing = true;
        }
        if (!s_installed) {
            s_previous = qInstallMessageHandler(handle);
            s_installed = true;
        }
        QLoggingCategory::setFilterRules(rules);
    }

    // The lines recorded since start(), one per message, each "category: text".
    Q_INVOKABLE QStringList stop()
    {
        QLoggingCategory::setFilterRules(QString());
        QMutexLocker locker(&s_mutex);
        s_capturing = false;
        return s_lines;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        bool capturing;
        {
            QMutexLocker locker(&s_mutex);
            capturing = s_capturing;
            if (capturing)
                s_lines.append(QString::fromUtf8(context.category ? context.category : "") + QStringLiteral(": ")
                               + text);
        }
        if (capturing && (type == QtDebugMsg || type == QtInfoMsg))
            return;
        if (s_previous)
            s_previous(type, context, text);
    }

    static inline QMutex s_mutex;
    static inline QStringList s_lines;
    static inline bool s_capturing = false;
    static inline bool s_installed = false;
    static inline QtMessageHandler s_previous = nullptr;
};

#endif // LOOMWRIGHT_TESTS_LOGCAPTURE_H
