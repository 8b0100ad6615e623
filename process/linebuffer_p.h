#ifndef LOOMWRIGHT_LINEBUFFER_P_H
#define LOOMWRIGHT_LINEBUFFER_P_H

#include <QString>

// Holds text back until it ends in a line terminator. Whenever new text holds
// a terminator (CR LF, LF or CR), everything up to and including the last one
// comes out in one piece; the unterminated rest waits for the next text.
//
// A CR at the very end is held back as well: the LF of a CR LF may be in the
// next text, and the lines must not depend on where the text was cut.
//
// Only the new text is scanned: the held rest holds no terminator but that
// final CR, so a long unterminated line costs time in proportion to its
// length, not to its length squared.
class LineBuffer
{
public:
    // Adds text; returns true and sets lines when complete lines are ready.
    bool append(const QString &text, QString *lines);

    // For callers that decode straight into the buffer: append to rest(),
    // then hand over the position where the new text began.
    QString &rest() { return m_rest; }
    bool takeLines(int newTextFrom, QString *lines);

    // Returns everything held and empties the buffer.
    QString take();

    bool isEmpty() const { return m_rest.isEmpty(); }

private:
    QString m_rest;
};

#endif
