#include "process/utf8streamdecoder_p.h"

namespace {

// Written without an early exit so that the compiler vectorises it.
bool isAscii(const char *bytes, int size)
{
    unsigned char all = 0;
    for (int i = 0; i < size; ++i)
        all |= static_cast<unsigned char>(bytes[i]);
    return all < 0x80;
}

}

void Utf8StreamDecoder::reset()
{
    m_codePoint = 0;
    m_needed = 0;
    m_seen = 0;
    m_lower = 0x80;
    m_upper = 0xBF;
}

void Utf8StreamDecoder::decode(const char *bytes, int size, QString *target)
{
    if (size <= 0)
        return;
    // Most program output is plain ASCII, which widens straight into the
    // target.
    if (m_needed == 0 && isAscii(bytes, size)) {
        target->append(QLatin1String(bytes, size));
        return;
    }

    // No byte gives more than one UTF-16 unit, but for the one that ends a
    // character begun in an earlier piece: it may give two.
    const int start = target->size();
    target->resize(start + size + 1);
    QChar *const begin = target->data() + start;
    QChar *out = begin;
    for (int i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes[i]);
        if (m_needed == 0) {
            if (byte < 0x80) {
                *out++ = QChar(ushort(byte));
            } else if (byte >= 0xC2 && byte <= 0xDF) {
                m_needed = 1;
                m_codePoint = byte & 0x1F;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                // No overlong forms, no surrogates.
                if (byte == 0xE0)
                    m_lower = 0xA0;
                else if (byte == 0xED)
                    m_upper = 0x9F;
                m_needed = 2;
                m_codePoint = byte & 0x0F;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                // No overlong forms, nothing above U+10FFFF.
                if (byte == 0xF0)
                    m_lower = 0x90;
                else if (byte == 0xF4)
                    m_upper = 0x8F;
                m_needed = 3;
                m_codePoint = byte & 0x07;
            } else {
                *out++ = QChar(QChar::ReplacementCharacter);
            }
            continue;
        }

        if (byte < m_lower || byte > m_upper) {
            // The character broke off here; this byte starts afresh.
            reset();
            *out++ = QChar(QChar::ReplacementCharacter);
            --i;
            continue;
        }
        m_lower = 0x80;
        m_upper = 0xBF;
        m_codePoint = (m_codePoint << 6) | (byte & 0x3F);
        if (++m_seen < m_needed)
            continue;
        if (QChar::requiresSurrogates(m_codePoint)) {
            *out++ = QChar(QChar::highSurrogate(m_codePoint));
            *out++ = QChar(QChar::lowSurrogate(m_codePoint));
        } else {
            *out++ = QChar(ushort(m_codePoint));
        }
        reset();
    }
    target->resize(start + int(out - begin));
}

QString Utf8StreamDecoder::finish()
{
    const bool incomplete = m_needed != 0;
    reset();
    return incomplete ? QString(QChar::ReplacementCharacter) : QString();
}
