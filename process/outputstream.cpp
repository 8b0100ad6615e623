#include "process/outputstream_p.h"

bool OutputStream::read(const char *bytes, int size, QString *text)
{
    if (!m_buffered) {
        text->clear();
        m_decoder.decode(bytes, size, text);
        return true;
    }
    // Decoded straight into the line buffer: a fresh string for every read
    // would cost more than the decoding.
    const int newTextFrom = m_lines.rest().size();
    m_decoder.decode(bytes, size, &m_lines.rest());
    return m_lines.takeLines(newTextFrom, text);
}

void OutputStream::finish(const char *bytes, int size, QStringList *emissions)
{
    if (!m_buffered) {
        QString text;
        m_decoder.decode(bytes, size, &text);
        text += m_decoder.finish();
        if (!text.isEmpty())
            emissions->append(text);
        return;
    }
    const int newTextFrom = m_lines.rest().size();
    m_decoder.decode(bytes, size, &m_lines.rest());
    m_lines.rest() += m_decoder.finish();
    QString lines;
    if (m_lines.takeLines(newTextFrom, &lines))
        emissions->append(lines);
    if (!m_lines.isEmpty())
        emissions->append(m_lines.take());
}
