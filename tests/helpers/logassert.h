#ifndef LOOMWRIGHT_TESTS_LOGASSERT_H
#define LOOMWRIGHT_TESTS_LOGASSERT_H

// What the tests expect of log lines. The code logs Q_FUNC_INFO first and
// then the items, so a line reads "<signature> <items>".

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// The signature Q_FUNC_INFO gives for the function whose qualified name
// matches name (a pattern, such as "FileUtility::resolvedPath" or
// "SynchronousProcess::\\w+"): whatever stands before the name (a return
// type, "static"; nothing for a constructor), the parameters, and "const"
// after them. A name with the return type in front pins that too.
inline QString signatureOf(const QString &name)
{
    return QStringLiteral("(?:[^()]* )?") + name + QStringLiteral("\\([^()]*\\)(?: const)?");
}

// A whole log line: signature, a blank, then items; both are patterns.
inline QRegularExpression logLinePattern(const QString &signature, const QString &items)
{
    return QRegularExpression(QLatin1Char('^') + signature + QLatin1Char(' ') + items + QLatin1Char('$'));
}

// A whole log line of the function named by name (see signatureOf), with the
// items exactly as logged.
inline QRegularExpression logLine(const QString &name, const QString &items)
{
    return logLinePattern(signatureOf(name), QRegularExpression::escape(items));
}

inline QRegularExpression logLine(const char *name, const QString &items)
{
    return logLine(QString::fromUtf8(name), items);
}

// Takes over message handling while it lives and keeps every message, so
// that a test sees the lines that should not be there too. With PassOn each
// message also reaches the handler it replaced: under QtTest that one checks
// QTest::ignoreMessage and prints whatever nobody expected.
class MessageRecorder
{
public:
    enum Forwarding { Keep, PassOn };

    explicit MessageRecorder(Forwarding forwarding = Keep) : m_forwarding(forwarding), m_outer(s_current)
    {
        s_current = this;
        m_previous = qInstallMessageHandler(record);
    }

    ~MessageRecorder()
    {
        qInstallMessageHandler(m_previous);
        s_current = m_outer;
    }

    // The messages as logged.
    QStringList messages() const
    {
        QStringList texts;
        for (const Message &message : m_messages)
            texts.append(message.text);
        return texts;
    }

    // Each message as "level Class::function: items": its signature cut down
    // to the qualified name, its level "critical", "warning" or "other".
    QStringList lines() const
    {
        static const QRegularExpression signature(QStringLiteral("^[^(]*?([\\w:]+)\\([^)]*\\) "));
        QStringList lines;
        for (const Message &message : m_messages) {
            const QRegularExpressionMatch match = signature.match(message.text);
            const QString level = message.type == QtCriticalMsg ? QStringLiteral("critical")
                                  : message.type == QtWarningMsg ? QStringLiteral("warning")
                                                                 : QStringLiteral("other");
            lines.append(level + QLatin1Char(' ') + match.captured(1) + QStringLiteral(": ")
                         + message.text.mid(match.capturedLength()));
        }
        return lines;
    }

    // How many messages came from categories whose names begin with prefix.
    int countFrom(const char *categoryPrefix) const
    {
        int count = 0;
        for (const Message &message : m_messages) {
            if (message.category.startsWith(categoryPrefix))
                ++count;
        }
        return count;
    }

    void clear() { m_messages.clear(); }

private:
    Q_DISABLE_COPY(MessageRecorder)

    struct Message
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        MessageRecorder *recorder = s_current;
        recorder->m_messages.append({ type, QByteArray(context.category), text });
        if (recorder->m_forwarding == PassOn && recorder->m_previous) {
            // A recorder outside this one keeps what it hands on.
            s_current = recorder->m_outer;
            recorder->m_previous(type, context, text);
            s_current = recorder;
        }
    }

    static inline MessageRecorder *s_current = nullptr;

    const Forwarding m_forwarding;
    MessageRecorder *const m_outer;
    QtMessageHandler m_previous = nullptr;
    QVector<Message> m_messages;
};

#endif // LOOMWRIGHT_TESTS_LOGASSERT_H
