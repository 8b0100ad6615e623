#include "process/linebuffer_p.h"

namespace {

bool isTerminator(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

}

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
    if (newTextFrom >= m_rest.size())
        return false;

    // A CR held back from the last text is complete now that text follows it.
    int scanFrom = newTextFrom;
    if (scanFrom > 0 && m_rest.at(scanFrom - 1) == QLatin1Char('\r'))
        --scanFrom;

    // A CR at the end stays held; it cannot end the lines that go out now.
    int end = m_rest.size();
    if (m_rest.at(end - 1) == QLatin1Char('\r'))
        --end;

    // The forward searches are vectorised, so a long line without a
    // terminator costs little more than its copy.
    const QStringRef scanned = m_rest.midRef(scanFrom, end - scanFrom);
    if (!scanned.contains(QLatin1Char('\n')) && !scanned.contains(QLatin1Char('\r')))
        return false;

    const QChar *last = m_rest.constData() + end;
    while (!isTerminator(*(last - 1)))
        --last;
    Q_ASSERT(last > m_rest.constData() + scanFrom);

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
