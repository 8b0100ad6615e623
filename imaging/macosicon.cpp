#include "imaging/macosicon.h"

#include "imaging/imageoptions_p.h"
#include "imaging/platformsizes_p.h"
#include "imaging/picturewriter.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

#include <QMap>
#include <QSaveFile>

#include <limits>

namespace {

void appendUint32(QByteArray *out, quint32 value)
{
    const char bytes[4] = { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
    out->append(bytes, 4);
}

// The .icns container of the picture, or empty when an element cannot be
// scaled or encoded; its elements as small as the encoder makes them when
// smallest is set.
QByteArray container(const QImage &picture, bool smallest)
{
    if (picture.isNull())
        return QByteArray();

    // Each side is scaled from the picture itself, and encoded once for the
    // @1x and @2x elements that share it.
    ScaledPictures pictures(picture);
    QMap<int, QByteArray> encoded;
    // The table of contents comes first: each element's type and length,
    // as the system's own tool writes it, so that a reader finds an element
    // without walking the others.
    QByteArray contents;
    QByteArray body;
    for (const PlatformSizes::MacOSIconElement &element : PlatformSizes::MacOSIconElements) {
        QByteArray &png = encoded[element.side];
        if (png.isEmpty()) {
            const QImage scaled = pictures.scaled(QSize(element.side, element.side), Qt::IgnoreAspectRatio);
            if (scaled.isNull())
                return QByteArray();
            png = PictureWriter::encode(scaled, QByteArrayLiteral("png"), -1, smallest);
            if (png.isEmpty())
                return QByteArray();
        }
        // The type, the element's length with its 8-byte header, the data.
        body.append(element.type, 4);
        appendUint32(&body, quint32(png.size()) + 8);
        body.append(png);
        contents.append(element.type, 4);
        appendUint32(&contents, quint32(png.size()) + 8);
    }

    // The header: the magic and the length of the whole file, big-endian.
    const quint64 length = 8 + 8 + quint64(contents.size()) + quint64(body.size());
    if (length > std::numeric_limits<quint32>::max())
        return QByteArray();
    QByteArray icns("icns", 4);
    appendUint32(&icns, quint32(length));
    icns.append("TOC ", 4);
    appendUint32(&icns, quint32(contents.size()) + 8);
    return icns + contents + body;
}

}

bool MacOSIcon::createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    // The target is opened before anything is encoded, so that a target
    // that cannot take the file is reported first. A picture that cannot be
    // made into an icon leaves the commit undone and the previous icon in
    // place; so does a disk that does not take the whole container.
    QSaveFile file;
    if (!SetWriter::openContainer(&file, targetPath, Q_FUNC_INFO))
        return false;
    const QByteArray icns = container(picture, ImageOptions::smallest(options));
    return !icns.isEmpty() && SetWriter::commit(&file, icns);
}
