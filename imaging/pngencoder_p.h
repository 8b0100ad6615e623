#ifndef LOOMWRIGHT_PNGENCODER_P_H
#define LOOMWRIGHT_PNGENCODER_P_H

#include <QByteArray>
#include <QImage>

// A PNG encoder for the generators' pictures, several times faster than
// Qt's writer: each row gets the cheaper-looking of two cheap filters, where
// the writer tries all five, and the whole picture goes through a one-shot
// deflate that is much faster than a streaming one, with the effort spent
// where it makes files smaller (levelFor). A file decodes to the
// same pixels and carries the same chunks as the writer's at its default
// quality (8 bits a channel, RGB or RGBA, pHYs from the picture's
// resolution); only the compressed data differs.
class PngEncoder
{
public:
    // Filtered rows up to this size are compressed in one piece; above it,
    // where a second copy of the picture would cost too much memory, row by
    // row through a stream.
    static constexpr qint64 DefaultWholeLimit = qint64(32) << 20;

    // How each row's filter is chosen. Every choice takes the filter whose
    // bytes, read as signed differences, are smallest in sum.
    enum class FilterChoice {
        // Sub or Up, one subtraction a byte each. On the generators' pictures
        // (smooth, scaled) the files come out smaller than with any choice
        // among all five: Average and Paeth leave smaller differences, but
        // fewer of the repeats that deflate finds.
        SubOrUp,
        // None, Sub, Up, Average or Paeth, each summed over the whole row.
        AnyOfFive,
        // As AnyOfFive, but the sums are first taken over a quarter of the
        // row; only the filters close to the best there are summed in full.
        AnyOfFiveScreened,
        // The filter whose bytes would take the fewest bits in a code made
        // for the row alone (each byte value by its count in the row). It
        // favours rows of few distinct values, which deflate's codes pack
        // well even where the sums are no smaller.
        LeastEntropy,
        // Every row the same filter. A picture made the same way throughout
        // repeats the same patterns from row to row only when every row is
        // filtered alike: a row-by-row choice breaks them up.
        OnlyNone,
        OnlySub,
        OnlyUp,
        OnlyAverage,
        OnlyPaeth,
        // Those of the choices above that win on some kind of the generators'
        // pictures (SubOrUp, LeastEntropy, OnlySub, OnlyUp), each compressed
        // quickly to see which packs best; only that one is compressed at the
        // tuning's level. The file is never larger than with the default
        // tuning. Streamed pictures get SubOrUp.
        TrySeveral,
    };

    // What the benchmark compares; encode() without one takes the default.
    struct Tuning
    {
        FilterChoice filters = FilterChoice::SubOrUp;
        // libdeflate's level (1 to 12) for pictures compressed in one
        // piece; ByBusyBytes chooses by levelFor(), BySize by levelForSize().
        int level = ByBusyBytes;
    };
    static constexpr int ByBusyBytes = 0;
    static constexpr int BySize = -1;

    // The smallest files that this encoder makes, for release builds:
    // several filter choices tried and the one that packs best compressed at
    // the highest level, some thirty times the default's time.
    static Tuning smallest();

    // The level for a picture compressed in one piece whose filtered rows
    // hold busyBytes bytes other than zero, of magnitudeSum in sum (each byte
    // read as a signed difference). Deflate's effort goes into searching
    // for matches, and what it finds depends on what those bytes are:
    // - Where the differences are large (edges, shapes on a plain canvas),
    //   a higher level finds a tenth more and costs little, the less so the
    //   fewer the bytes: a launch image that is a plain colour but for its
    //   icon is searched like an icon. So the fewer busy bytes, the higher
    //   the level.
    // - Where they are mostly ±1 (smooth, enlarged gradients), a higher
    //   level costs several times the time for a few percent: these stay at
    //   the fast level.
    static int levelFor(qint64 busyBytes, qint64 magnitudeSum);

    // The same by the size of the filtered rows alone (rows with their
    // filter bytes), for comparison: it spends the effort less well.
    static int levelForSize(qint64 filteredBytes);

    // The encoded picture, or empty: for a null picture, one too large for
    // the format's 32-bit lengths, a compressor failure or lack of memory,
    // and pictures the writer stores in a way this encoder does not
    // reproduce (16 bits a channel, a colour space, text, an offset), which
    // the caller leaves to the writer. wholeLimit (bytes of filtered rows)
    // is there for tests of the streaming path.
    static QByteArray encode(const QImage &picture, qint64 wholeLimit = DefaultWholeLimit);
    static QByteArray encode(const QImage &picture, const Tuning &tuning, qint64 wholeLimit = DefaultWholeLimit);
};

#endif
