#include "imaging/iosicon.h"

#include "imaging/imageoptions_p.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/platformsizes_p.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"
#include "utility/jsonutility.h"

#include <QHash>

namespace {

// The shortest decimal form with at most 6 significant digits: 83.5, 167, 1024.
QString number(float value)
{
    return QString::number(double(value), 'g', 6);
}

}

// While createiOSIcon walks its table: the picture at the sizes made so far,
// the options read once, and the encoded file of each pixel side made so
// far, so that rows sharing a side pay for scaling and encoding once.
struct IOSIcon::SetCache
{
    SetCache(const QImage &picture, const QVariantMap &options, SetWriter *set)
        : pictures(picture), options(ImageOptions::icon(options)), set(set)
    {
    }

    ScaledPictures pictures;
    const ImageOptions::Icon options;
    QHash<int, QByteArray> encoded;
    SetWriter *const set;
};

bool IOSIcon::createiOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Resolved once, so that a relative path names the same folder for the
    // folder made, the pictures and the descriptor. A folder that cannot be
    // made is reported and the set goes on: each picture then fails on its
    // own, and so does the descriptor, which decides the result.
    SetWriter set(SetWriter::LastFileWritten, ImageOptions::smallest(options));
    const QString setPath = QDir(SetWriter::absolutePath(targetPath)).filePath(QStringLiteral("AppIcon.appiconset"));
    set.makeFolder(setPath, Q_FUNC_INFO, "Error creating");
    const QDir setFolder(setPath);

    SetCache cache(picture, options, &set);
    QVariantList entries;
    for (const PlatformSizes::IOSIconRow &row : PlatformSizes::IOSIconRows) {
        createiOSImage(picture, setFolder, &entries, row.size, QLatin1String(row.idiom), row.scale, options,
                       &cache);
    }

    const QVariantMap descriptor{
        { QStringLiteral("images"), entries },
        { QStringLiteral("info"),
          QVariantMap{ { QStringLiteral("author"), QStringLiteral("xcode") }, { QStringLiteral("version"), 1 } } },
    };
    // The descriptor's failure is reported by the caller, as the set's.
    set.write(setFolder.filePath(QStringLiteral("Contents.json")), JsonUtility::toIndentedJson(descriptor), nullptr);
    return set.result();
}

bool IOSIcon::createiOSImage(const QImage &picture,
                             const QDir &setFolder,
                             QVariantList *entries,
                             float size,
                             const QString &idiom,
                             int scale,
                             const QVariantMap &options)
{
    SetWriter set(SetWriter::EveryFileWritten, ImageOptions::smallest(options));
    SetCache cache(picture, options, &set);
    return createiOSImage(picture, setFolder, entries, size, idiom, scale, options, &cache);
}

bool IOSIcon::createiOSImage(const QImage &picture,
                             const QDir &setFolder,
                             QVariantList *entries,
                             float size,
                             const QString &idiom,
                             int scale,
                             const QVariantMap &options,
                             SetCache *cache)
{
    Q_UNUSED(options) // read once, into the cache
    if (!entries)
        return false;

    // In single precision, truncated toward zero. A side beyond any picture
    // that can be made (or not a number) counts as no side: it cannot be
    // scaled to, and int could not hold it.
    const float pixels = size * float(scale);
    const int side = pixels >= 1.0f && pixels <= float(PictureLoader::maxPixels) ? int(pixels) : 0;
    const QString fileName = QStringLiteral("AppIcon-") + number(pixels) + QStringLiteral(".png");
    const QString path = setFolder.filePath(fileName);

    QByteArray bytes = cache->encoded.value(side);
    if (bytes.isEmpty()) {
        QImage result;
        if (cache->options.hasBackground) {
            const QColor fill = cache->options.background;
            const QImage scaled = cache->pictures.scaled(QSize(side, side), Qt::KeepAspectRatio);
            if (scaled.isNull()) {
                qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling draw image" << scaled << pixels << pixels;
                return false;
            }
            // On an opaque colour the icon has no transparency left, and is
            // written without an alpha channel, as the App Store wants its
            // marketing icon.
            result = PictureCanvas::centred(scaled, QSize(side, side), fill);
        } else {
            result = cache->pictures.scaled(QSize(side, side), Qt::KeepAspectRatio);
        }
        if (result.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
            return false;
        }

        bytes = cache->set->encodePng(result);
        if (!bytes.isEmpty())
            cache->encoded.insert(side, bytes);
    }

    if (!cache->set->write(path, bytes, Q_FUNC_INFO))
        return false;

    entries->append(QVariantMap{
        { QStringLiteral("filename"), fileName },
        { QStringLiteral("idiom"), idiom },
        { QStringLiteral("scale"), QString(QString::number(scale) + QLatin1Char('x')) },
        { QStringLiteral("size"), QString(number(size) + QLatin1Char('x') + number(size)) },
    });
    return true;
}
