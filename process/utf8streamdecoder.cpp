#include "process/utf8streamdecoder_p.h"

#include <QTextCodec>
#include <QTextDecoder>

namespace {

std::unique_ptr<QTextDecoder> makeDecoder()
{
    return std::unique_ptr<QTextDecoder>(QTextCodec::codecForMib(106)->makeDecoder()); // 106: UTF-8
}

}

Utf8StreamDecoder::Utf8StreamDecoder()
    : m_decoder(makeDecoder())
{
}

Utf8StreamDecoder::~Utf8StreamDecoder() = default;

QString Utf8StreamDecoder::decode(const QByteArray &bytes)
{
    return m_decoder->toUnicode(bytes);
}

QString Utf8StreamDecoder::finish()
{
    const bool incomplete = m_decoder->needsMoreData();
    m_decoder = makeDecoder();
    return incomplete ? QString(QChar::ReplacementCharacter) : QString();
}
