// A child's output in reads cut at arbitrary points, against the same bytes
// in one read: the reads of a pipe are cut wherever the system pleases, and
// what a program gets must not depend on that.
//
// Input: a mode byte (bit 0: buffered), the number of cuts, each cut as two
// bytes (little-endian, taken modulo the stream's length plus one), then
// the stream. The piece after the last cut goes to finish().
#include "process/outputstream_p.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isTerminator(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The emissions of one stream read in pieces ending at the cuts, the rest
// given to finish().
QStringList emissionsOf(OutputStream &output, const QByteArray &stream, const std::vector<int> &cuts)
{
    QStringList emissions;
    int from = 0;
    for (int cut : cuts) {
        QString text;
        const bool emitted = output.read(stream.constData() + from, cut - from, &text);
        // Unbuffered, every read is an emission of its own.
        check(emitted || output.isBuffered());
        if (emitted)
            emissions.append(text);
        from = cut;
    }
    output.finish(stream.constData() + from, stream.size() - from, &emissions);
    return emissions;
}

// Each emission cut after every terminator, CR LF counting as one.
QStringList linesOf(const QStringList &emissions)
{
    QStringList lines;
    for (const QString &emission : emissions) {
        int start = 0;
        for (int i = 0; i < emission.size(); ++i) {
            if (!isTerminator(emission.at(i)))
                continue;
            if (emission.at(i) == QLatin1Char('\r') && i + 1 < emission.size()
                && emission.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines.append(emission.mid(start, i + 1 - start));
            start = i + 1;
        }
        if (start < emission.size())
            lines.append(emission.mid(start));
    }
    return lines;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const bool buffered = data[0] & 1;
    const size_t cutCount = data[1];
    const size_t header = 2 + 2 * cutCount;
    if (size < header)
        return 0;
    const QByteArray stream(reinterpret_cast<const char *>(data + header), int(size - header));

    std::vector<int> cuts;
    for (size_t i = 0; i < cutCount; ++i) {
        const int value = data[2 + 2 * i] | (data[3 + 2 * i] << 8);
        cuts.push_back(value % (stream.size() + 1));
    }
    std::sort(cuts.begin(), cuts.end());

    OutputStream whole;
    whole.setBuffered(buffered);
    const QStringList expected = emissionsOf(whole, stream, { stream.size() });

    OutputStream pieces;
    pieces.setBuffered(buffered);
    const QStringList emissions = emissionsOf(pieces, stream, cuts);
    check(emissions.join(QString()) == expected.join(QString()));
    if (buffered) {
        check(linesOf(emissions) == linesOf(expected));
        for (int i = 0; i + 1 < emissions.size(); ++i)
            check(!emissions.at(i).isEmpty() && isTerminator(emissions.at(i).back()));
    }

    // After finish() the stream starts anew: the same reads again give the
    // same emissions.
    check(emissionsOf(pieces, stream, cuts) == emissions);
    return 0;
}
