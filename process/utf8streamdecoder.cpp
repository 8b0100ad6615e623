#include "process/utf8streamdecoder_p.h"

#include <QTextCodec>
#include <QTextDecoder>

namespace {

std::unique_ptr<QTextDecoder> makeDecoder()
{
    // A byte order mark is text like any other here: whether it is dropped
    // must not depend on where a read happened to begin.
    return std::unique_ptr<QTextDecoder>(
            QTextCodec::codecForMib(106)->makeDecoder(QTextCodec::IgnoreHeader)); // 106: UTF-8
}

// Written without an early exit so that the compiler vectorises it.
bool isAscii(const char *bytes, int size)
{
    unsigned char all = 0;
    for (int i = 0; i < size; ++i)
        all |= static_cast<unsigned char>(bytes[i]);
    return all < 0x80;
}

}

Utf8StreamDecoder::Utf8StreamDecoder()
    : m_decoder(makeDecoder())
{
}

Utf8StreamDecoder::~Utf8StreamDecoder() = default;

void Utf8StreamDecoder::decode(const char *bytes, int size, QString *target)
{
    // Most program output is plain ASCII, which widens straight into the
    // target without a temporary string.
    if (!m_decoder->needsMoreData() && isAscii(bytes, size)) {
        target->append(QLatin1String(bytes, size));
        return;
    }
    target->append(m_decoder->toUnicode(bytes, size));
}

QString Utf8StreamDecoder::finish()
{
    const bool incomplete = m_decoder->needsMoreData();
    m_decoder = makeDecoder();
    return incomplete ? QString(QChar::ReplacementCharacter) : QString();
}
