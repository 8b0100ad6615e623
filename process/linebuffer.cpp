#include "process/linebuffer_p.h"

bool LineBuffer::append(const QString &text, QString *lines)
{
    if (m_rest.isEmpty()) {
        m_rest = text;
        return takeLines(0, lines);
    }
    const int from = m_rest.size();
    m_rest += text;
    return takeLines(from, lines);
}

bool LineBuffer::takeLines(int newTextFrom, QString *lines)
{
    // The forward searches are vectorised, so a long line without a
    // terminator costs little more than its copy.
    const QStringRef newText = m_rest.midRef(newTextFrom);
    if (!newText.contains(QLatin1Char('\n')) && !newText.contains(QLatin1Char('\r')))
        return false;

    const QChar *begin = m_rest.constData() + newTextFrom;
    const QChar *last = m_rest.constData() + m_rest.size();
    while (*(last - 1) != QLatin1Char('\n') && *(last - 1) != QLatin1Char('\r'))
        --last;
    Q_ASSERT(last > begin);

    const int terminated = int(last - m_rest.constData());
    if (terminated == m_rest.size()) {
        lines->swap(m_rest);
        m_rest.clear();
    } else {
        *lines = m_rest.left(terminated);
        m_rest.remove(0, terminated);
    }
    return true;
}

QString LineBuffer::take()
{
    QString held;
    held.swap(m_rest);
    return held;
}
