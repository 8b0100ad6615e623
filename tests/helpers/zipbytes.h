#ifndef LOOMWRIGHT_TESTS_ZIPBYTES_H
#define LOOMWRIGHT_TESTS_ZIPBYTES_H

// Zip archives written with KArchive, and the places in their bytes that a
// test changes to make what KArchive will not write: damaged entries,
// compressed links, a 64-bit end record. Offsets are those of the zip format.

#include <KZip>

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtEndian>

namespace ZipLayout {
// An entry's central directory header.
constexpr int centralMethod = 10;
constexpr int centralCrc = 16;
constexpr int centralSize = 24;
constexpr int centralNameLength = 28;
constexpr int centralExtraLength = 30;
constexpr int centralCommentLength = 32;
constexpr int centralAttributes = 38;
constexpr int centralLocalHeader = 42;
constexpr int centralHeaderSize = 46;
// An entry's local header, right before its data.
constexpr int localNameLength = 26;
constexpr int localExtraLength = 28;
constexpr int localHeaderSize = 30;
// The end of central directory record.
constexpr int endEntriesHere = 8;
constexpr int endEntries = 10;
constexpr int endCentralOffset = 16;
}

// A zip written entry by entry, names exactly as given; "->" makes a link,
// which KZip always stores, and a name ending in "/" a folder.
inline QByteArray zipOf(const QList<QPair<QString, QByteArray>> &entries,
                        KZip::Compression compression = KZip::DeflateCompression)
{
    QBuffer buffer;
    KZip zip(&buffer);
    zip.open(QIODevice::WriteOnly);
    zip.setCompression(compression);
    for (const auto &entry : entries) {
        if (entry.first.endsWith(QLatin1Char('/')))
            zip.writeDir(entry.first);
        else if (entry.second.startsWith("->"))
            zip.writeSymLink(entry.first, QString::fromUtf8(entry.second.mid(2)));
        else
            zip.writeFile(entry.first, entry.second);
    }
    zip.close();
    return buffer.data();
}

inline quint32 zipNumber(const QByteArray &zip, int offset, int size = 4)
{
    return size == 2 ? qFromLittleEndian<quint16>(zip.constData() + offset)
                     : qFromLittleEndian<quint32>(zip.constData() + offset);
}

inline void setZipNumber(QByteArray *zip, int offset, quint32 value, int size = 4)
{
    if (size == 2)
        qToLittleEndian<quint16>(quint16(value), zip->data() + offset);
    else
        qToLittleEndian<quint32>(value, zip->data() + offset);
}

inline int zipEndRecord(const QByteArray &zip)
{
    return zip.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
}

// The central directory header of the entry named name, walked from the end
// record; -1 when there is none.
inline int zipCentralHeader(const QByteArray &zip, const QByteArray &name)
{
    using namespace ZipLayout;
    const int end = zipEndRecord(zip);
    int header = int(zipNumber(zip, end + endCentralOffset));
    for (quint32 i = 0; i < zipNumber(zip, end + endEntries, 2); ++i) {
        const int nameLength = int(zipNumber(zip, header + centralNameLength, 2));
        if (zip.mid(header + centralHeaderSize, nameLength) == name)
            return header;
        header += centralHeaderSize + nameLength + int(zipNumber(zip, header + centralExtraLength, 2))
                  + int(zipNumber(zip, header + centralCommentLength, 2));
    }
    return -1;
}

// Where the entry's data starts.
inline int zipData(const QByteArray &zip, const QByteArray &name)
{
    using namespace ZipLayout;
    const int local = int(zipNumber(zip, zipCentralHeader(zip, name) + centralLocalHeader));
    return local + localHeaderSize + int(zipNumber(zip, local + localNameLength, 2))
           + int(zipNumber(zip, local + localExtraLength, 2));
}

// The entry becomes a link, whatever its compression: the Unix mode in the
// upper half of its external attributes says so (KZip writes entries as
// made on Unix).
inline void makeZipLink(QByteArray *zip, const QByteArray &name)
{
    setZipNumber(zip, zipCentralHeader(*zip, name) + ZipLayout::centralAttributes, quint32(0120777) << 16);
}

// The archive as the 64-bit format writes it when it holds more than 65535
// entries: the end record says "see the 64-bit one" (0xFFFF), which states
// count.
inline QByteArray withEntries64(const QByteArray &zip, quint64 count)
{
    using namespace ZipLayout;
    const auto number = [](quint64 value, int size) {
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes.append(char(value >> (8 * i)));
        return bytes;
    };
    const int end = zipEndRecord(zip);
    // Its size after this field, the versions, disk numbers, the counts on
    // this disk and in all, the directory's size and offset.
    const QByteArray record = QByteArrayLiteral("PK\x06\x06") + number(44, 8) + number(45, 2) + number(45, 2)
                              + number(0, 8) + number(count, 8) + number(count, 8) + number(0, 8)
                              + number(zipNumber(zip, end + endCentralOffset), 8);
    // The record's disk, its offset, the number of disks.
    const QByteArray locator = QByteArrayLiteral("PK\x06\x07") + number(0, 4) + number(quint64(end), 8) + number(1, 4);
    QByteArray tail = zip.mid(end);
    setZipNumber(&tail, endEntriesHere, 0xFFFF, 2);
    setZipNumber(&tail, endEntries, 0xFFFF, 2);
    return zip.left(end) + record + locator + tail;
}

#endif // LOOMWRIGHT_TESTS_ZIPBYTES_H
