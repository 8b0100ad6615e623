#pragma once

// The containers that the generators write, read back byte by byte: the
// tests and the benchmarks look into .png, .icns and .ico files through these
// readers only, so that a reading mistake shows everywhere at once instead of
// hiding in one of several copies.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtEndian>

namespace containers {

// A PNG chunk: its type, its data and the checksum stored after it, which
// covers the type and the data.
struct PngChunk
{
    QString type;
    QByteArray data;
    quint32 storedCrc = 0;

    QByteArray covered() const { return type.toLatin1() + data; }
};

// A PNG file's chunks in file order. fault is "bad signature", or
// "truncated" for a chunk whose length runs past the end; the chunks before
// it are still there.
struct Png
{
    QVector<PngChunk> chunks;
    QByteArray fault;

    bool valid() const { return fault.isEmpty(); }

    // The colour type that the header (IHDR) gives: 0 grey, 2 RGB, 3 palette,
    // 4 grey with alpha, 6 RGBA; -1 where the file starts with no header.
    int colourType() const
    {
        if (chunks.isEmpty() || chunks.first().type != QLatin1String("IHDR") || chunks.first().data.size() < 10)
            return -1;
        return uchar(chunks.first().data.at(9));
    }
};

inline Png readPng(const QByteArray &bytes)
{
    const auto uint32At = [&bytes](int at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    Png png;
    if (!bytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8))) {
        png.fault = "bad signature";
        return png;
    }
    for (int at = 8; at < bytes.size();) {
        if (bytes.size() - at < 12 || uint32At(at) > quint32(bytes.size() - at - 12)) {
            png.fault = "truncated";
            return png;
        }
        const int length = int(uint32At(at));
        png.chunks.append({ QString::fromLatin1(bytes.mid(at + 4, 4)), bytes.mid(at + 8, length),
                            uint32At(at + 8 + length) });
        at += 12 + length;
    }
    return png;
}

// An .icns element: its four-character type and its data, header left out.
struct IcnsElement
{
    QString type;
    QByteArray data;
};

// An .icns file's elements in file order, the table of contents and the
// version included. fault tells what is wrong with data that is no whole
// container (the magic, the file's length in the header, an element's
// length); the elements before the fault are still there.
struct Icns
{
    QVector<IcnsElement> elements;
    QByteArray fault;

    bool valid() const { return fault.isEmpty(); }

    // The picture elements alone: neither the table of contents nor the version.
    QVector<IcnsElement> pictures() const
    {
        QVector<IcnsElement> result;
        for (const IcnsElement &element : elements) {
            if (element.type != QLatin1String("TOC ") && element.type != QLatin1String("icnV"))
                result.append(element);
        }
        return result;
    }
};

inline Icns readIcns(const QByteArray &bytes)
{
    const auto uint32At = [&bytes](int at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    Icns icns;
    if (bytes.size() < 8 || !bytes.startsWith("icns")) {
        icns.fault = "no icns magic";
        return icns;
    }
    if (uint32At(4) != quint32(bytes.size())) {
        icns.fault = "header length " + QByteArray::number(uint32At(4));
        return icns;
    }
    for (int at = 8; at < bytes.size();) {
        if (bytes.size() - at < 8 || uint32At(at + 4) < 8 || uint32At(at + 4) > quint32(bytes.size() - at)) {
            icns.fault = "element length at " + QByteArray::number(at);
            return icns;
        }
        const int length = int(uint32At(at + 4));
        icns.elements.append({ QString::fromLatin1(bytes.mid(at, 4)), bytes.mid(at + 8, length - 8) });
        at += length;
    }
    return icns;
}

// An .ico directory entry as it stands in the file: a side of 256 is
// written as 0.
struct IcoEntry
{
    int width = 0;
    int height = 0;
    quint16 colourCount = 0; // the palette byte and the reserved byte
    quint16 planes = 0;
    quint16 bitsPerPixel = 0;
    quint32 size = 0;
    quint32 offset = 0;
};

// The header and the directory of an .ico file that starts at start in
// bytes; fault tells what is missing when the bytes end early. Offsets are
// those of the file, counted from the start of bytes' owner, as written.
struct Ico
{
    quint16 reserved = 0;
    quint16 type = 0;
    quint16 count = 0;
    QVector<IcoEntry> entries;
    QByteArray fault;

    bool valid() const { return fault.isEmpty(); }
};

inline Ico readIco(const QByteArray &bytes, qint64 start = 0)
{
    const auto uint16At = [&bytes](qint64 at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto uint32At = [&bytes](qint64 at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    Ico ico;
    if (bytes.size() < start + 6) {
        ico.fault = "no header";
        return ico;
    }
    ico.reserved = uint16At(start);
    ico.type = uint16At(start + 2);
    ico.count = uint16At(start + 4);
    for (int i = 0; i < ico.count; ++i) {
        const qint64 entry = start + 6 + 16 * i;
        if (bytes.size() < entry + 16) {
            ico.fault = "directory ends at entry " + QByteArray::number(i);
            return ico;
        }
        IcoEntry read;
        read.width = uchar(bytes.at(entry));
        read.height = uchar(bytes.at(entry + 1));
        read.colourCount = uint16At(entry + 2);
        read.planes = uint16At(entry + 4);
        read.bitsPerPixel = uint16At(entry + 6);
        read.size = uint32At(entry + 8);
        read.offset = uint32At(entry + 12);
        ico.entries.append(read);
    }
    return ico;
}

} // namespace containers
