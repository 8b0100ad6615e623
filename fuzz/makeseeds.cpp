// Writes the seed inputs of the fuzz targets, one folder per target below
// the folder given, so that no corpus has to be fetched or kept in the
// repository: a few small valid inputs of each kind and some damaged ones.
//
//   loomwright-fuzz-seeds FOLDER
#include "../tests/helpers/zipbytes.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cstdio>
#include <cstring>

namespace {

QString g_root;
bool g_failed = false;

void write(const char *target, const char *name, const QByteArray &bytes)
{
    const QString folder = g_root + QLatin1Char('/') + QLatin1String(target);
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        g_failed = true;
    }
}

QByteArray encoded(const QImage &picture, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, quality)) {
        std::fprintf(stderr, "cannot encode %s\n", format);
        g_failed = true;
    }
    return bytes;
}

void pictureSeeds()
{
    QImage picture(12, 9, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(2, 1, 7, 6, QColor(200, 40, 90, 180));
    painter.end();

    const QByteArray png = encoded(picture, "png");
    write("pictureloader", "picture.png", png);
    write("pictureloader", "grey.png", encoded(picture.convertToFormat(QImage::Format_Grayscale8), "png"));
    write("pictureloader", "indexed.png", encoded(picture.convertToFormat(QImage::Format_Indexed8), "png"));
    const QByteArray jpeg = encoded(picture.convertToFormat(QImage::Format_RGB32), "jpeg", 50);
    write("pictureloader", "picture.jpg", jpeg);
    write("pictureloader", "picture.bmp", encoded(picture, "bmp"));
    write("pictureloader", "picture.ppm", encoded(picture, "ppm"));
    // Cut short: the completeness checks turn these away.
    write("pictureloader", "cut.png", png.left(png.size() - 6));
    write("pictureloader", "cut.jpg", jpeg.left(jpeg.size() / 2));
    // A header that claims more than the size limit (width at 16, height at
    // 20 of the PNG header), with the CRC left as it was.
    QByteArray huge = png;
    qToBigEndian<quint32>(40000, huge.data() + 16);
    qToBigEndian<quint32>(40000, huge.data() + 20);
    write("pictureloader", "huge.png", huge);
}

QByteArray segment(qint32 counter, qint32 length, const QByteArray &payload, int size)
{
    QByteArray bytes(size, '\0');
    std::memcpy(bytes.data(), &counter, 4);
    std::memcpy(bytes.data() + 4, &length, 4);
    std::memcpy(bytes.data() + 8, payload.constData(), size_t(qMin(payload.size(), size - 8)));
    return bytes;
}

void segmentSeeds()
{
    const QByteArray signIn = R"({"authorizationUrl":"https://portal.example/oauth2","portalUrl":"https://portal.example",)"
                              R"("refreshToken":"t\u00f6k-123","signedIn":true})";
    write("sharedsegment", "fresh", segment(0, 0, QByteArray(), 64));
    write("sharedsegment", "sign-in", segment(7, signIn.size(), signIn, signIn.size() + 40));
    write("sharedsegment", "shorter-after-longer", segment(9, 7, "{\"a\":1}" + signIn, signIn.size() + 16));
    const QByteArray full = "{\"p\":\"" + QByteArray(48, 'x') + "\"}";
    write("sharedsegment", "full", segment(-1, full.size(), full, 64));
    write("sharedsegment", "length-past-capacity", segment(3, 57, "{}", 64));
    write("sharedsegment", "negative-length", segment(3, -2, "{}", 64));
    const QByteArray array = "[1,2]";
    write("sharedsegment", "array", segment(1, array.size(), array, 32));
    const QByteArray nulls = R"({"a":null,"b":[{"c":null}]})";
    write("sharedsegment", "nulls", segment(1, nulls.size(), nulls, 48));
}

void jsonSeeds()
{
    write("jsonutility", "object", R"({"a":1,"b":"two","c":true,"d":[1,2.5,-3e-7],"e":{"f":{}}})");
    write("jsonutility", "nulls", R"({"a":null,"l":[null,{"b":null}],"o":{"c":null},"note":"NULL"})");
    write("jsonutility", "strings", R"({"esc":"\"\\\/\b\f\n\r\t","u":"\u00e9\u6f22\ud83d\ude00","raw":"日本"})");
    write("jsonutility", "numbers", R"({"big":9007199254740993,"neg":-0,"small":1e-320,"int":2147483648})");
    write("jsonutility", "array", "[1,2]");
    write("jsonutility", "truncated", R"({"a":[1,{"b")");
    write("jsonutility", "deep", QByteArray(1030, '[') + QByteArray(1030, ']'));
    write("jsonutility", "whitespace", " \r\n\t{ \"k\" : [ ] }\n");
}

// The line target's input: a mode byte (bit 0: buffered), the number of cuts,
// each cut as two bytes (little-endian), then the stream.
QByteArray streamInput(bool buffered, const QVector<quint16> &cuts, const QByteArray &stream)
{
    QByteArray bytes;
    bytes.append(char(buffered ? 1 : 0));
    bytes.append(char(cuts.size()));
    for (quint16 cut : cuts) {
        bytes.append(char(cut & 0xff));
        bytes.append(char(cut >> 8));
    }
    return bytes + stream;
}

void streamSeeds()
{
    const QByteArray mixed = "one\ntwo\r\nthree\rfour";
    const QByteArray utf8 = "gr\xc3\xbc\xc3\x9f" "e\n\xe6\x97\xa5\xe6\x9c\xac\r\n\xf0\x9f\x98\x80 end";
    const QByteArray broken = "a\xc3\nb\xe6\x97\r\xff\xfe\xf0\x9f\x98";
    write("outputstream", "lines-buffered", streamInput(true, { 3, 4, 9, 10 }, mixed));
    write("outputstream", "lines-unbuffered", streamInput(false, { 1, 8, 15 }, mixed));
    write("outputstream", "utf8-split-buffered", streamInput(true, { 3, 4, 9, 10, 11, 15, 16, 19 }, utf8));
    write("outputstream", "utf8-split-unbuffered", streamInput(false, { 3, 11, 16, 18 }, utf8));
    write("outputstream", "cr-lf-split", streamInput(true, { 4 }, "abc\r\ndef\r"));
    write("outputstream", "broken-utf8", streamInput(true, { 2, 5, 7, 10 }, broken));
    write("outputstream", "bom", streamInput(false, { 1, 2 }, "\xef\xbb\xbfx\n"));
}

// The content decoder's: encoding and piece size, room in KiB, then the body;
// a zlib stream from qCompress without its length prefix.
void decoderSeeds()
{
    const QByteArray text = QByteArray("a body of an answer, again and again; ").repeated(40);
    write("contentdecoder", "identity-pieces", QByteArray("\x20\xff\xff", 3) + text);
    write("contentdecoder", "gzip-of-text", QByteArray("\x11\x00\x04", 3) + text);
    write("contentdecoder", "zlib-stream", QByteArray("\x0a\xff\xff", 3) + qCompress(text).mid(4));
    write("contentdecoder", "deflate-tight-room", QByteArray("\x06\x00\x01", 3) + qCompress(text.repeated(40)).mid(4));
}

// Shared sign-in records, as tools write them and as they should not.
void recordSeeds()
{
    write("sharedrecord", "signed-in",
          R"({"signedIn": true, "portalUrl": "https://portal.example/arcgis", "refreshToken": "r",)"
          R"( "authorizationUrl": "https://portal.example/authorize"})");
    write("sharedrecord", "members-of-other-types",
          R"({"signedIn": true, "portalUrl": {"toString": "x"}, "refreshToken": [1], "authorizationUrl": 2})");
    write("sharedrecord", "signed-out", R"({"signedIn": false, "other": {"kept": true}})");
}

// The encoder's: width, height, format, filter choice and level, ways of
// compressing, then pixel bytes.
void encoderSeeds()
{
    QByteArray ramp;
    for (int i = 0; i < 1024; ++i)
        ramp.append(char(i * 7 / 5));
    write("pngencoder", "ramp-rgb-five", QByteArray("\x21\x10\x00\x01\x00", 5) + ramp);
    write("pngencoder", "ramp-rgba-screened-streamed", QByteArray("\x4f\x0b\x01\x02\x01", 5) + ramp);
    write("pngencoder", "premultiplied-repeated-rows", QByteArray("\x07\x2f\x02\x00\x02", 5) + ramp.left(40));
    write("pngencoder", "one-pixel", QByteArray("\x00\x00\x03\x25\x00\x80\x40\x20\x10", 9));
    write("pngencoder", "no-pixels", QByteArray("\x9f\x2f\x01\x29\x03", 5));
}

}

// Small archives with a folder, files and links, compressed and stored, and
// the links of a chain, for the unpacker's checks to take apart.
void archiveSeeds()
{
    const QList<QPair<QString, QByteArray>> tree{{QStringLiteral("docs/"), QByteArray()},
                                                 {QStringLiteral("docs/a.txt"), "hello hello"},
                                                 {QStringLiteral("latest"), "->docs/a.txt"}};
    write("archiveunpacker", "tree.zip", zipOf(tree));
    write("archiveunpacker", "tree-stored.zip", zipOf(tree, KZip::NoCompression));
    QByteArray compressedLink = zipOf({{QStringLiteral("docs/a.txt"), "hello"}, {QStringLiteral("up"), "docs/../docs"}});
    makeZipLink(&compressedLink, "up");
    write("archiveunpacker", "compressed-link.zip", compressedLink);
    write("archiveunpacker", "chain.zip",
          zipOf({{QStringLiteral("a/b/x"), "->../.."}, {QStringLiteral("a/b/y"), "->x/../../.."},
                 {QStringLiteral("a/c"), "->b/x"}}));
}

int main(int argc, char *argv[])
{
    // Encoders other than PNG are plugins, which the application object finds.
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    pictureSeeds();
    segmentSeeds();
    jsonSeeds();
    streamSeeds();
    encoderSeeds();
    decoderSeeds();
    recordSeeds();
    archiveSeeds();
    return g_failed ? 1 : 0;
}
