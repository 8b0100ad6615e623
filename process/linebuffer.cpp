#include "process/linebuffer_p.h"

bool LineBuffer::append(const QString &text, QString *lines)
{
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    const QChar *last = end;
    while (last != begin) {
        const QChar c = *(last - 1);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        --last;
    }

    if (last == begin) {
        m_rest += text;
        return false;
    }

    const int terminated = int(last - begin);
    if (m_rest.isEmpty() && terminated == text.size()) {
        *lines = text;
    } else {
        *lines = m_rest + text.leftRef(terminated);
    }
    m_rest = text.mid(terminated);
    return true;
}

QString LineBuffer::take()
{
    QString held;
    held.swap(m_rest);
    return held;
}
