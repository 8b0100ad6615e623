#ifndef LOOMWRIGHT_OUTPUTSTREAM_P_H
#define LOOMWRIGHT_OUTPUTSTREAM_P_H

#include "process/linebuffer_p.h"
#include "process/utf8streamdecoder_p.h"

#include <QString>
#include <QStringList>

// One output channel of a child program, from the bytes of each read to the
// texts that go out: decoded from UTF-8 across reads, and with buffering on,
// cut into whole lines. What goes out does not depend on how the child's
// writes were split into reads: only the grouping into emissions does.
class OutputStream
{
public:
    bool isBuffered() const { return m_buffered; }
    // Only stores the flag; what is held stays until takeHeld().
    void setBuffered(bool buffered) { m_buffered = buffered; }

    // Everything held back, which the buffer no longer has afterwards.
    QString takeHeld() { return m_lines.take(); }

    // One read of the child's bytes. Returns true and sets text when there is
    // something to emit: unbuffered, every read is one emission (possibly
    // empty, when the read ends inside a character); buffered, only whole
    // lines go out and the rest is held.
    bool read(const char *bytes, int size, QString *text);

    // The end of the stream, with its last bytes: appends the emissions still
    // due in order (buffered: the complete lines, then the unterminated rest
    // on its own). Afterwards the stream starts anew.
    void finish(const char *bytes, int size, QStringList *emissions);

private:
    Utf8StreamDecoder m_decoder;
    LineBuffer m_lines;
    bool m_buffered = false;
};

#endif
