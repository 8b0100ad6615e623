#ifndef LOOMWRIGHT_UTF8STREAMDECODER_P_H
#define LOOMWRIGHT_UTF8STREAMDECODER_P_H

#include <QString>

// Decodes a byte stream that arrives in pieces: a character whose bytes are
// split across two pieces comes out whole with the piece that completes it.
// The text does not depend on where the stream was cut: every broken
// sequence becomes one replacement character, its longest valid start
// counted as one (the rule of the web's UTF-8 decoder), however it was split.
// A byte order mark is text like any other.
class Utf8StreamDecoder
{
public:
    // Appends the decoded piece to target.
    void decode(const char *bytes, int size, QString *target);

    // Ends the stream and starts a new one. A character left incomplete at
    // the end becomes one replacement character instead of vanishing.
    QString finish();

private:
    void reset();

    // The character under way: its bits so far, how many continuation bytes
    // it needs and has, and the range its next byte must fall in.
    uint m_codePoint = 0;
    int m_needed = 0;
    int m_seen = 0;
    uchar m_lower = 0x80;
    uchar m_upper = 0xBF;
};

#endif
