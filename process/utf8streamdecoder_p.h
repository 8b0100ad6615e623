#ifndef LOOMWRIGHT_UTF8STREAMDECODER_P_H
#define LOOMWRIGHT_UTF8STREAMDECODER_P_H

#include <QString>

#include <memory>

class QTextDecoder;

// Decodes a byte stream that arrives in pieces: a character whose bytes are
// split across two pieces comes out whole with the piece that completes it.
class Utf8StreamDecoder
{
public:
    Utf8StreamDecoder();
    ~Utf8StreamDecoder();

    // Appends the decoded piece to target.
    void decode(const char *bytes, int size, QString *target);

    // Ends the stream and starts a new one. A character left incomplete at
    // the end becomes one replacement character instead of vanishing.
    QString finish();

private:
    std::unique_ptr<QTextDecoder> m_decoder;
};

#endif
